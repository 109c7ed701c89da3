#include "ImageResample.h"

#include <algorithm>
#include <cmath>

namespace quillnote {

namespace {

struct Share {
    int index;     // source pixel
    double weight; // part of the new pixel it covers (the weights add up to 1)
};

// For each new pixel along one axis, the source pixels it covers and how much.
std::vector<std::vector<Share>> sharesAlong(int sourceLength, int length)
{
    std::vector<std::vector<Share>> shares(static_cast<size_t>(length));
    const double ratio = static_cast<double>(sourceLength) / length;
    for (int i = 0; i < length; ++i) {
        const double from = i * ratio;
        const double to = (i + 1) * ratio;
        const int first = static_cast<int>(std::floor(from));
        const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(to)) - 1);
        for (int s = first; s <= last; ++s) {
            const double covered = std::min<double>(to, s + 1) - std::max<double>(from, s);
            if (covered > 0)
                shares[static_cast<size_t>(i)].push_back(Share{s, covered / ratio});
        }
    }
    return shares;
}

} // namespace

std::vector<std::uint32_t> resampleByArea(const std::vector<std::uint32_t>& source, int sourceWidth, int sourceHeight,
                                          int width, int height)
{
    if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0 ||
        source.size() != static_cast<size_t>(sourceWidth) * static_cast<size_t>(sourceHeight))
        return {};
    const auto across = sharesAlong(sourceWidth, width);
    const auto down = sharesAlong(sourceHeight, height);
    std::vector<std::uint32_t> result(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double sums[4] = {0, 0, 0, 0};
            for (const Share& row : down[static_cast<size_t>(y)]) {
                for (const Share& column : across[static_cast<size_t>(x)]) {
                    const std::uint32_t pixel =
                        source[static_cast<size_t>(row.index) * static_cast<size_t>(sourceWidth) +
                               static_cast<size_t>(column.index)];
                    const double weight = row.weight * column.weight;
                    for (int byte = 0; byte < 4; ++byte)
                        sums[byte] += weight * ((pixel >> (8 * byte)) & 0xFF);
                }
            }
            std::uint32_t pixel = 0;
            for (int byte = 0; byte < 4; ++byte) {
                // The weights are thirds and such: a sum meant to be x.5 may
                // come out a hair below it, and still rounds up.
                const long rounded = std::lround(sums[byte] + 1e-9);
                const auto value = static_cast<std::uint32_t>(std::clamp(rounded, 0L, 255L));
                pixel |= value << (8 * byte);
            }
            result[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixel;
        }
    }
    return result;
}

} // namespace quillnote
