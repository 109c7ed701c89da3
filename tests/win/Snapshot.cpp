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
    if (width_ <= 0 || height_ <= 0)
        return;
    forms::WindowDc dc(window);
    forms::UniqueMemoryDc memory(CreateCompatibleDC(dc.get()));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    forms::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    {
        forms::SelectGuard select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width_, height_, dc.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* words = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(words, words + static_cast<size_t>(width_) * static_cast<size_t>(height_));
}

} // namespace quillnote::test
