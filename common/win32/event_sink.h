// Receiving a control's events: an IDispatch sink that hands each event to a callback, and its
// subscription to the control's connection point for as long as the subscription lives.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <functional>

#include "common/win32/com_ptr.h"

namespace common::win32 {

// Lives as long as its owner, not by its reference count; the owner ends every subscription
// (EventConnection) first.
class EventSink : public IDispatch {
  public:
    using Handler = std::function<void(DISPID event, const DISPPARAMS& arguments)>;

    // `events` is the control's source interface, which the connection point asks for.
    EventSink(REFIID events, Handler handler) : events_(events), handler_(std::move(handler)) {}
    virtual ~EventSink() = default;
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

  private:
    IID events_;
    Handler handler_;
};

// Subscribes a sink to one connection point of a control for the connection's lifetime.
class EventConnection {
  public:
    EventConnection() = default;
    EventConnection(IUnknown* control, REFIID events, IDispatch* sink) {
        connect(control, events, sink);
    }
    ~EventConnection() { disconnect(); }
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;

    bool connect(IUnknown* control, REFIID events, IDispatch* sink);
    bool connected() const { return cookie_ != 0; }
    void disconnect();

  private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace common::win32
