#include "moonleaf/com/connection_point.h"

#include <olectl.h>

#include <algorithm>

#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/single_interface_object.h"

namespace moonleaf_com {

namespace {

void add_ref(IConnectionPoint* point) {
    point->AddRef();
}
void release(IConnectionPoint* point) {
    point->Release();
}
void add_ref(const CONNECTDATA& data) {
    data.pUnk->AddRef();
}
void release(const CONNECTDATA& data) {
    data.pUnk->Release();
}

// A snapshot enumerator; it holds a reference on every item it lists.
template <typename Enum, typename Item>
class Enumerator final : public SingleInterfaceObject<Enum> {
  public:
    Enumerator(REFIID iid, std::vector<Item> items, size_t position = 0)
        : SingleInterfaceObject<Enum>(iid),
          iid_(iid),
          items_(std::move(items)),
          position_(position) {
        for (const Item& item : items_) add_ref(item);
    }
    ~Enumerator() {
        for (const Item& item : items_) release(item);
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        for (; given < count && position_ < items_.size(); ++given, ++position_) {
            out[given] = items_[position_];
            add_ref(out[given]);
        }
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = items_.size() - position_;
        position_ += std::min<size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(Enum** copy) override {
        if (!copy) return E_POINTER;
        *copy = nullptr;
        return barrier([&] {
            *copy = new Enumerator(iid_, items_, position_);
            return S_OK;
        });
    }

  private:
    IID iid_;
    std::vector<Item> items_;
    size_t position_;
};

}  // namespace

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = &container_;
    container_.AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    ComPtr<IUnknown> connected;
    if (FAILED(sink->QueryInterface(iid_, connected.put_void())) &&
        (sinks_kind_ != Sinks::OfDispatchInterface ||
         FAILED(sink->QueryInterface(IID_IDispatch, connected.put_void()))))
        return CONNECT_E_CANNOTCONNECT;
    return barrier([&] {
        sinks_.push_back({next_cookie_, std::move(connected)});
        *cookie = next_cookie_++;
        return S_OK;
    });
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [&](const Connection& c) { return c.cookie == cookie; });
    if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
    sinks_.erase(found);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (!connections) return E_POINTER;
    *connections = nullptr;
    return barrier([&] {
        std::vector<CONNECTDATA> items;
        for (const Connection& connection : sinks_)
            items.push_back({connection.sink.get(), connection.cookie});
        *connections = new Enumerator<IEnumConnections, CONNECTDATA>(IID_IEnumConnections, items);
        return S_OK;
    });
}

HRESULT enumerate_connection_points(std::vector<IConnectionPoint*> points,
                                    IEnumConnectionPoints** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = new Enumerator<IEnumConnectionPoints, IConnectionPoint*>(
        IID_IEnumConnectionPoints, std::move(points));
    return S_OK;
}

}  // namespace moonleaf_com
