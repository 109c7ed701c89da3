#include "LinearGradient.h"

#include "Rounding.h"

#include <optional>

namespace quillnote {

namespace {

// 16-bit band arithmetic: empty on overflow.
std::optional<int> edge(double v)
{
    const auto value = toInt16(v);
    if (!value)
        return std::nullopt;
    return *value;
}

std::optional<int> edgeSum(int a, int b)
{
    const int sum = a + b;
    if (sum < -32768 || sum > 32767)
        return std::nullopt;
    return sum;
}

bool colourStepAfter(int band, bool lighten, bool fast)
{
    if (!lighten)
        return true;
    if (fast)
        return band >= 30 || band % 2 == 0;
    return band % 3 == 0;
}

} // namespace

GradientPlan linearGradientBands(double width, double height, std::uint32_t startBgr, int direction, bool lighten,
                                 bool fast, BandReach reach)
{
    GradientPlan plan;
    if (direction < Direction::TopToBottom || direction > Direction::RightToLeft)
        direction = Direction::TopToBottom;
    const bool vertical = direction <= Direction::BottomToTop;
    const bool reversed = direction == Direction::BottomToTop || direction == Direction::RightToLeft;

    Rgb colour = splitRgb(startBgr);
    const auto step = edge(roundHalfEven((vertical ? height : width) / GradientBandCount));
    const auto across = edge(roundHalfEven(vertical ? width : height));
    if (!step || !across) {
        plan.overflowed = true;
        return plan;
    }
    // Along the gradient: from `from` to `to`; across it: from 0 to across.
    std::optional<int> from = 0;
    if (reversed)
        from = edge(roundHalfEven((vertical ? height : width) - *step));
    std::optional<int> to = from ? edgeSum(*from, *step) : std::nullopt;

    plan.bands.reserve(GradientBandCount);
    for (int band = 1; band <= GradientBandCount; ++band) {
        if (!from || !to) {
            plan.overflowed = true;
            return plan;
        }
        if (band == GradientBandCount && reversed)
            from = 0; // the last band stretches to the top or left edge
        if (band == GradientBandCount && !reversed && reach == BandReach::FarEdge) {
            const auto farEdge = edge(roundHalfEven(vertical ? height : width));
            if (farEdge && *farEdge > *to)
                to = farEdge;
        }
        colour.r = colour.r < 0 ? 0 : colour.r;
        colour.g = colour.g < 0 ? 0 : colour.g;
        colour.b = colour.b < 0 ? 0 : colour.b;
        plan.bands.push_back(vertical ? GradientBand{0, *from, *across, *to, colour}
                                      : GradientBand{*from, 0, *to, *across, colour});
        if (colourStepAfter(band, lighten, fast)) {
            const int change = lighten ? 3 : -3;
            colour.r += change;
            colour.g += change;
            colour.b += change;
        }
        if (reversed) {
            from = edgeSum(*from, -*step);
            to = from ? edgeSum(*from, *step) : std::nullopt;
        } else {
            from = to;
            to = edgeSum(*from, *step);
        }
    }
    return plan;
}

void paintLinearGradient(DrawingSurface& target, Colour colour, std::int16_t direction, bool lighten, bool fast,
                         const SystemColourLookup& lookup, BandReach reach)
{
    if (colour == NoColour)
        return;
    target.cls();
    target.setAutoRedraw(true);
    const GradientPlan plan = linearGradientBands(target.width(), target.height(), resolveColour(colour, lookup),
                                                  direction, lighten, fast, reach);
    for (const GradientBand& band : plan.bands)
        target.fillBox(band.x1, band.y1, band.x2, band.y2, band.colour);
}

} // namespace quillnote
