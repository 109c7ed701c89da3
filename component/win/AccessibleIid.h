#pragma once
// The interface ID of IAccessible as the platform registers it. The MinGW
// import libraries carry a different value, which QueryInterface and the
// accessibility library reject, so code of ours names this one.

#include <windows.h>

namespace quillnote::win {

inline constexpr IID AccessibleIid = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

} // namespace quillnote::win
