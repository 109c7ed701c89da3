#include "Rounding.h"

#include <climits>
#include <cmath>
#include <limits>

namespace quillnote {

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    const double below = std::floor(v);
    const double fraction = v - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    // Exactly half way: take the even neighbour.
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {

template <typename Int>
std::optional<Int> toInteger(double v)
{
    const double rounded = roundHalfEven(v);
    if (std::isnan(rounded))
        return std::nullopt;
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<std::int16_t> toInt16(double v) { return toInteger<std::int16_t>(v); }
std::optional<std::int32_t> toInt32(double v) { return toInteger<std::int32_t>(v); }

std::int32_t whole(double v)
{
    if (std::isnan(v))
        return 0;
    if (auto value = toInt32(v))
        return *value;
    return v < 0 ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

namespace {

enum class Towards { Below, Above };

int wholeTowards(double v, Towards towards)
{
    if (!(v > static_cast<double>(INT_MIN)))
        return INT_MIN;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    // The conversion cuts towards zero; a fraction left over moves it one on.
    const int cut = static_cast<int>(v);
    if (towards == Towards::Below)
        return static_cast<double>(cut) > v ? cut - 1 : cut;
    return static_cast<double>(cut) < v ? cut + 1 : cut;
}

} // namespace

int floorToInt(double v) { return wholeTowards(v, Towards::Below); }

int ceilToInt(double v) { return wholeTowards(v, Towards::Above); }

} // namespace quillnote
