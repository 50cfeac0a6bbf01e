#include "moonleaf/com/text_conversion.h"

#include "common/win32/wide_text.h"

namespace moonleaf_com {

BSTR bstr_from_utf8(std::string_view utf8) {
    const std::wstring wide = common::win32::utf16_from_utf8(utf8);
    return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace moonleaf_com
