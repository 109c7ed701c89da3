#pragma once
// Pixels of shown windows, for tests where looks are the point.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillnote::test {

struct Pixel {
    int r = 0, g = 0, b = 0;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Pixel& o) const { return !(*this == o); }
};

// A window's client area as it is on the screen, read in one go, child
// windows included. Of a child window, the part its parent shows: the body
// and the heading strip reach under the dialog's frame on the right, and the
// frame is what the screen has there.
class Snapshot {
public:
    // Reads the window's pixels now, through its own device context: what
    // the window has drawn, whether or not the display shows it yet.
    explicit Snapshot(HWND window);
    // The pixels the display shows now in the window's rectangle, frame
    // included, read from the screen: what a person sees.
    static Snapshot ofScreen(HWND window);

    // The number of pixels that differ from another snapshot of the same
    // size; every pixel when the sizes differ.
    size_t differences(const Snapshot& other) const;

    int width() const { return width_; }
    int height() const { return height_; }
    bool valid() const { return !pixels_.empty(); }
    // The pixels, row by row, as 0x00RRGGBB.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    Pixel at(int x, int y) const
    {
        const std::uint32_t v = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
        return Pixel{static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
    }

    // The smallest rectangle holding every pixel of `area` that `ink` picks;
    // empty (right <= left) when there is none.
    template <typename Ink>
    RECT inkBounds(const RECT& area, Ink ink) const
    {
        RECT found = {area.right, area.bottom, area.left, area.top};
        for (int y = std::max(0L, area.top); y < std::min<LONG>(height_, area.bottom); ++y) {
            for (int x = std::max(0L, area.left); x < std::min<LONG>(width_, area.right); ++x) {
                if (!ink(at(x, y)))
                    continue;
                found.left = std::min<LONG>(found.left, x);
                found.top = std::min<LONG>(found.top, y);
                found.right = std::max<LONG>(found.right, x + 1);
                found.bottom = std::max<LONG>(found.bottom, y + 1);
            }
        }
        return found;
    }

private:
    Snapshot() = default;
    // Copies the rectangle of `dc` at (x, y) of the snapshot's size.
    void read(HDC dc, int x, int y);

    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace quillnote::test
