#pragma once
// DIB sections kept for reuse when their canvas goes. The first touch of a
// new bitmap's pixels costs a page fault for every 4 KB (under Wine on this
// kind of machine, 0.4 ms for a dialog's body alone), and each dialog makes
// and drops its pictures; a kept bitmap large enough for the next picture
// serves it with its pages already in place. A few bitmaps of moderate size
// are kept, the oldest given up first, and any thread may take them.

#include "Gdi.h"

namespace quillnote::forms {

// A 32-bit top-down DIB section of at least width x height pixels: a kept
// one that fits (it may be larger), or a new one. Its pixels are whatever
// they were: the caller sets every pixel it uses. None if one cannot be made.
DibSection takeDibSection(int width, int height);

// Keeps a section that is selected into no DC for reuse, or destroys it
// (too large to keep, or the store full).
void keepDibSection(DibSection section);

// Destroys the kept sections, for a library that is being unloaded while its
// process goes on.
void releaseKeptDibSections();

} // namespace quillnote::forms
