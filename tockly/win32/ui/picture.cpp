#include "tockly/win32/ui/picture.h"

#include <ocidl.h>
#include <olectl.h>

#include "common/win32/com_ptr.h"
#include "common/win32/wide_text.h"

namespace tockly::win32 {

namespace {

common::win32::UniqueBitmap load_file(const std::string& path) {
    common::win32::ComPtr<IPicture> picture;
    const std::wstring wide = common::win32::utf16_from_utf8(path);
    if (FAILED(::OleLoadPicturePath(const_cast<LPOLESTR>(wide.c_str()), nullptr, 0, 0, IID_IPicture,
                                    picture.put_void())))
        return {};
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle)) || !handle) return {};
    // The picture object owns its bitmap; ours is a copy that outlives it.
    return common::win32::UniqueBitmap(
        static_cast<HBITMAP>(::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

common::win32::UniqueBitmap load_picture(const std::string& folder, const std::string& name,
                                         UINT dpi) {
    const std::string base = folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
    if (dpi >= 144) {
        const size_t dot = name.rfind('.');
        const std::string twin = name.substr(0, dot) + "@2x" + name.substr(dot);
        if (auto bitmap = load_file(base + twin)) return bitmap;
    }
    return load_file(base + name);
}

}  // namespace tockly::win32
