// IPersistPropertyBag and IPersistStreamInit over the control's property-bag logic.
#include <vector>

#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "moonleaf/com/moonleaf_object.h"
#include "moonleaf/com/variant_property_bag.h"
#include "moonleaf/control/property_stream.h"

namespace moonleaf_com {

namespace {

// Ten properties take a few hundred bytes; a length beyond this is a damaged stream, and
// reading it must not allocate whatever the damage says.
constexpr std::uint32_t kLargestPayload = 64 * 1024;

// IStream::Read may deliver less than asked; returns how many bytes arrived.
ULONG read_fully(IStream& stream, std::uint8_t* buffer, ULONG size) {
    ULONG total = 0;
    while (total < size) {
        ULONG got = 0;
        const HRESULT hr = stream.Read(buffer + total, size - total, &got);
        total += got;
        if (FAILED(hr) || got == 0) break;
    }
    return total;
}

}  // namespace

HRESULT MoonleafObject::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = moonleaf_ids::kClsid;
    return S_OK;
}

HRESULT MoonleafObject::InitNew() {
    return barrier([&]() -> HRESULT {
        const HRESULT hr = outcome(control_.init_new());
        dirty_ = false;
        return hr;
    });
}

HRESULT MoonleafObject::load_from(moonleaf::PropertyBag& bag) {
    const HRESULT hr = outcome(control_.load(bag));
    dirty_ = false;
    return hr;
}

HRESULT MoonleafObject::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    return barrier([&]() -> HRESULT {
        VariantPropertyBag properties(*bag, log);
        return load_from(properties);
    });
}

HRESULT MoonleafObject::Save(IPropertyBag* bag, BOOL clear_dirty, BOOL) {
    if (!bag) return E_POINTER;
    return barrier([&]() -> HRESULT {
        VariantPropertyBag properties(*bag, nullptr);
        if (!control_.save(properties)) return E_FAIL;
        if (clear_dirty) dirty_ = false;
        return S_OK;
    });
}

HRESULT MoonleafObject::IsDirty() {
    return dirty_ ? S_OK : S_FALSE;
}

HRESULT MoonleafObject::Load(IStream* stream) {
    if (!stream) return E_POINTER;
    return barrier([&]() -> HRESULT {
        std::vector<std::uint8_t> bytes(moonleaf::kStreamHeaderSize);
        if (read_fully(*stream, bytes.data(), static_cast<ULONG>(bytes.size())) != bytes.size())
            return failed("控件的保存数据不完整，无法读取。");
        const auto payload = moonleaf::stream_payload_size(bytes);
        if (!payload || *payload > kLargestPayload)
            return failed("控件的保存数据格式不对，无法读取。");
        bytes.resize(moonleaf::kStreamHeaderSize + *payload);
        const ULONG got = read_fully(*stream, bytes.data() + moonleaf::kStreamHeaderSize, *payload);
        // A cut-off stream still restores what it holds; the control defaults the rest.
        bytes.resize(moonleaf::kStreamHeaderSize + got);
        auto decoded = moonleaf::decode_property_stream(bytes);
        return load_from(decoded.bag);
    });
}

HRESULT MoonleafObject::Save(IStream* stream, BOOL clear_dirty) {
    if (!stream) return E_POINTER;
    return barrier([&]() -> HRESULT {
        moonleaf::MemoryPropertyBag bag;
        if (!control_.save(bag)) return E_FAIL;
        const std::vector<std::uint8_t> bytes = moonleaf::encode_property_stream(bag);
        ULONG written = 0;
        const HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
        if (FAILED(hr)) return hr;
        if (written != bytes.size()) return STG_E_MEDIUMFULL;
        if (clear_dirty) dirty_ = false;
        return S_OK;
    });
}

HRESULT MoonleafObject::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    return barrier([&]() -> HRESULT {
        moonleaf::MemoryPropertyBag bag;
        if (!control_.save(bag)) return E_FAIL;
        size->QuadPart = moonleaf::encode_property_stream(bag).size();
        return S_OK;
    });
}

}  // namespace moonleaf_com
