#pragma once

namespace common {

// Makes standard output carry UTF-8 bytes and LF line ends unchanged, so that the output is
// the same on every system and a Windows console shows the Chinese texts.
void prepare_console_output();

}  // namespace common
