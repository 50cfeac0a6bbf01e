#include "common/win32/event_sink.h"

namespace common::win32 {

HRESULT EventSink::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT*,
                          EXCEPINFO*, UINT*) {
    static const DISPPARAMS kNone{};
    // The handler is the host's code; nothing it throws may cross back into the control.
    try {
        if (handler_) handler_(id, arguments ? *arguments : kNone);
    } catch (...) {
        return E_UNEXPECTED;
    }
    return S_OK;
}

bool EventConnection::connect(IUnknown* control, REFIID events, IDispatch* sink) {
    disconnect();
    ComPtr<IConnectionPointContainer> container;
    if (!control ||
        FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.put_void())))
        return false;
    if (FAILED(container->FindConnectionPoint(events, point_.put()))) return false;
    if (FAILED(point_->Advise(sink, &cookie_))) cookie_ = 0;
    return connected();
}

void EventConnection::disconnect() {
    if (cookie_) point_->Unadvise(cookie_);
    cookie_ = 0;
    point_.reset();
}

}  // namespace common::win32
