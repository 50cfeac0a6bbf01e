#include "moonleaf/com/class_factory.h"

#include <new>

#include "moonleaf/com/module.h"

namespace moonleaf_com {

namespace {

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(CreateFunction create) : create_(create) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return create_(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            add_lock();
        else
            remove_lock();
        return S_OK;
    }

private:
    CreateFunction create_;
    ULONG references_ = 1;
    // A factory a host holds keeps the library loaded like any other object of ours.
    ObjectCount counted_;
};

}  // namespace

HRESULT get_class_factory(CreateFunction create, REFIID iid, void** factory) {
    auto* created = new (std::nothrow) ClassFactory(create);
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, factory);
    created->Release();
    return hr;
}

}  // namespace moonleaf_com
