#pragma once
// A bitmap at another size, resized smoothly (each new pixel the area
// average of the old pixels it covers), as a new 32-bit bitmap.

#include "Gdi.h"

namespace quillnote::forms {

// Empty when the source cannot be read or a size is not positive.
UniqueBitmap scaledBitmap(HBITMAP source, int width, int height);

} // namespace quillnote::forms
