// Pictures that lie beside the program (JPEG, BMP, GIF), loaded as bitmaps of our own.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/unique_handle.h"

namespace tockly::win32 {

// `name` in `folder`, or its "@2x" twin (NAME@2x.jpg) from 144 DPI on; nothing when neither
// can be read.
common::win32::UniqueBitmap load_picture(const std::string& folder, const std::string& name,
                                         UINT dpi);

}  // namespace tockly::win32
