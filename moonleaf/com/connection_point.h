// One outgoing interface of the control (its events, or property-change notifications) and
// the sinks that hosts connected to it.
#pragma once

#include <ocidl.h>

#include <functional>
#include <vector>

#include "moonleaf/com/com_ptr.h"

namespace moonleaf_com {

class ConnectionPoint final : public IConnectionPoint {
  public:
    // Lives inside its container and shares its reference count. A sink of a dispatch
    // interface may answer only to IDispatch; any other sink must implement `iid`.
    enum class Sinks { OfInterface, OfDispatchInterface };
    ConnectionPoint(IConnectionPointContainer& container, REFIID iid, Sinks sinks)
        : container_(container), iid_(iid), sinks_kind_(sinks) {}

    // Calls `deliver` on each sink connected now; a sink may disconnect itself meanwhile.
    template <typename Sink>
    void for_each_sink(REFIID sink_iid, const std::function<void(Sink*)>& deliver) const {
        const auto sinks = sinks_;
        for (const auto& connection : sinks) {
            ComPtr<Sink> sink = connection.sink.template query<Sink>(sink_iid);
            if (sink) deliver(sink.get());
        }
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  private:
    struct Connection {
        DWORD cookie;
        ComPtr<IUnknown> sink;
    };

    IConnectionPointContainer& container_;
    IID iid_;
    Sinks sinks_kind_;
    std::vector<Connection> sinks_;
    DWORD next_cookie_ = 1;
};

// Lists a container's connection points (IConnectionPointContainer::EnumConnectionPoints).
HRESULT enumerate_connection_points(std::vector<IConnectionPoint*> points,
                                    IEnumConnectionPoints** enumerator);

}  // namespace moonleaf_com
