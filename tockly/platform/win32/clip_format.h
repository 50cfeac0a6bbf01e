#pragma once

#include <string_view>

namespace tockly::platform {

// The MCI device that plays a file, told by its first bytes: the voice clips have no
// extension, so the extension cannot decide. Nothing for content it does not know, which then
// leaves the choice to the file's extension.
const wchar_t* mci_device_type_for(std::string_view first_bytes);

// How many first bytes mci_device_type_for looks at.
inline constexpr std::size_t kClipHeaderSize = 12;

}  // namespace tockly::platform
