// Reference counting and QueryInterface for a heap object of ours that answers one interface.
#pragma once

#include <unknwn.h>

#include "moonleaf/com/module.h"

namespace moonleaf_com {

template <typename Interface>
class SingleInterfaceObject : public Interface {
  public:
    explicit SingleInterfaceObject(REFIID iid) : iid_(iid) {}
    virtual ~SingleInterfaceObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == iid_) {
            *object = static_cast<Interface*>(this);
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

  private:
    IID iid_;
    ULONG references_ = 1;
    // While a host holds any object of ours, the library must stay loaded.
    ObjectCount counted_;
};

}  // namespace moonleaf_com
