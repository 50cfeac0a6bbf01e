#include "moonleaf/com/class_factory.h"

#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/module.h"
#include "moonleaf/com/single_interface_object.h"

namespace moonleaf_com {

namespace {

class ClassFactory final : public SingleInterfaceObject<IClassFactory> {
  public:
    explicit ClassFactory(CreateFunction create)
        : SingleInterfaceObject(IID_IClassFactory), create_(create) {}

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
};

}  // namespace

HRESULT get_class_factory(CreateFunction create, REFIID iid, void** factory) {
    return barrier([&] {
        auto* created = new ClassFactory(create);
        const HRESULT hr = created->QueryInterface(iid, factory);
        created->Release();
        return hr;
    });
}

}  // namespace moonleaf_com
