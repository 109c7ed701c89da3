#include "ScaledPicture.h"

#include "core/ImageResample.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace quillnote::forms {

UniqueBitmap scaledBitmap(HBITMAP source, int width, int height)
{
    BITMAP sourceInfo = {};
    if (!source || width <= 0 || height <= 0 || !GetObjectW(source, sizeof sourceInfo, &sourceInfo) ||
        sourceInfo.bmWidth <= 0 || sourceInfo.bmHeight <= 0)
        return UniqueBitmap();
    const int sourceHeight = sourceInfo.bmHeight < 0 ? -sourceInfo.bmHeight : sourceInfo.bmHeight;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(sourceInfo.bmWidth) * static_cast<size_t>(sourceHeight));
    BITMAPINFO readInfo = topDownDibInfo(sourceInfo.bmWidth, sourceHeight);
    {
        WindowDc screen(nullptr);
        if (!screen.get() || GetDIBits(screen.get(), source, 0, static_cast<UINT>(sourceHeight), pixels.data(),
                                       &readInfo, DIB_RGB_COLORS) != sourceHeight)
            return UniqueBitmap();
    }
    const std::vector<std::uint32_t> resized = resampleByArea(pixels, sourceInfo.bmWidth, sourceHeight, width, height);
    if (resized.empty())
        return UniqueBitmap();
    BITMAPINFO info = topDownDibInfo(width, height);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return UniqueBitmap();
    std::memcpy(bits, resized.data(), resized.size() * sizeof(std::uint32_t));
    return bitmap;
}

} // namespace quillnote::forms
