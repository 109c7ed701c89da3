#include "Snapshot.h"

#include "forms/Gdi.h"

namespace quillnote::test {

Snapshot::Snapshot(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    // GetParent of a top-level window is its owner, not a parent.
    const bool child = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
    if (HWND parent = child ? GetParent(window) : nullptr) {
        RECT shown = {};
        GetClientRect(parent, &shown);
        MapWindowPoints(parent, window, reinterpret_cast<POINT*>(&shown), 2);
        IntersectRect(&client, &client, &shown);
    }
    width_ = client.right;
    height_ = client.bottom;
    forms::WindowDc dc(window);
    read(dc.get(), 0, 0);
}

Snapshot Snapshot::ofScreen(HWND window)
{
    Snapshot shot;
    RECT rect = {};
    if (!GetWindowRect(window, &rect))
        return shot;
    shot.width_ = rect.right - rect.left;
    shot.height_ = rect.bottom - rect.top;
    forms::WindowDc screen(nullptr);
    shot.read(screen.get(), rect.left, rect.top);
    return shot;
}

size_t Snapshot::differences(const Snapshot& other) const
{
    if (other.width_ != width_ || other.height_ != height_ || other.pixels_.size() != pixels_.size())
        return pixels_.size() + other.pixels_.size() + 1;
    size_t count = 0;
    for (size_t i = 0; i < pixels_.size(); ++i)
        count += pixels_[i] != other.pixels_[i] ? 1 : 0;
    return count;
}

void Snapshot::read(HDC dc, int x, int y)
{
    if (width_ <= 0 || height_ <= 0 || !dc)
        return;
    forms::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const BITMAPINFO info = forms::topDownDibInfo(width_, height_);
    void* bits = nullptr;
    forms::UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    {
        forms::SelectGuard select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width_, height_, dc, x, y, SRCCOPY);
        GdiFlush();
    }
    const auto* words = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(words, words + static_cast<size_t>(width_) * static_cast<size_t>(height_));
}

} // namespace quillnote::test
