#pragma once
// Resizing a small picture smoothly: each new pixel is the average of the
// old pixels it covers, weighted by how much of each it covers (an area
// average). Enlarging by a whole factor repeats pixels exactly; enlarging by
// a fraction keeps edges sharp and blends only the pixels that a new pixel
// straddles, which suits line art such as the close box.

#include <cstdint>
#include <vector>

namespace quillnote {

// Pixels are 32-bit, row by row from the top; each of the four bytes is
// averaged on its own (0x00RRGGBB and 0x00BBGGRR alike). Empty when a size
// is not positive or the source does not hold width x height pixels.
std::vector<std::uint32_t> resampleByArea(const std::vector<std::uint32_t>& source, int sourceWidth, int sourceHeight,
                                          int width, int height);

} // namespace quillnote
