#include "Selectors.h"

#include <cstddef>

namespace quillnote::demo {

namespace {

constexpr std::u16string_view PositionTexts[] = {u"Manual", u"Center of form", u"Center of screen (Default)"};

constexpr std::u16string_view AlignmentTexts[] = {u"Left Justify (Default)", u"Right Justify", u"Center"};

constexpr std::u16string_view HeadingTypeTexts[] = {u"Flat (Default)", u"3D"};

// Rows for the values 1 to 16, the names under which the component's
// gradient directions are offered.
constexpr std::u16string_view DirectionTexts[] = {
    u"Top to Bottom (Default)",
    u"Bottom to Top",
    u"Left to Right",
    u"Right to Left",
    u"Diamond, Center, Fade Out",
    u"Diamond, Center, Fade In",
    u"Circle, Center, Fade Out",
    u"Circle, Center, Fade In",
    u"Circle, Top Left, Fade Out",
    u"Circle, Top Left, Fade In",
    u"Circle, Top Right, Fade Out",
    u"Circle, Top Right, Fade In",
    u"Circle, Bottom Left, Fade Out",
    u"Circle, Bottom Left, Fade In",
    u"Circle, Bottom Right, Fade Out",
    u"Circle, Bottom Right, Fade In",
};

struct SelectorTable {
    UpDownRange range;
    std::u16string_view designCaption;
    const std::u16string_view* rows;
    std::int32_t firstValue;
    std::int32_t rowCount;
};

template <std::size_t N>
constexpr SelectorTable table(UpDownRange range, std::u16string_view design, const std::u16string_view (&rows)[N],
                              std::int32_t firstValue)
{
    return SelectorTable{range, design, rows, firstValue, static_cast<std::int32_t>(N)};
}

const SelectorTable& tableOf(Selector selector)
{
    static const SelectorTable tables[SelectorCount] = {
        table({0, 2, 1, 2}, u"Center of screen (default)", PositionTexts, 0),
        table({0, 2, 1, 0}, u"Left Justify (Default)", AlignmentTexts, 0),
        table({0, 1, 1, 0}, u"Flat (Default)", HeadingTypeTexts, 0),
        table({1, 16, 1, 1}, u"Top to Bottom (Default)", DirectionTexts, 1),
    };
    return tables[static_cast<int>(selector)];
}

} // namespace

const UpDownRange& selectorRange(Selector selector) { return tableOf(selector).range; }

std::u16string_view designCaption(Selector selector) { return tableOf(selector).designCaption; }

std::optional<std::u16string_view> describe(Selector selector, std::int32_t value)
{
    const SelectorTable& t = tableOf(selector);
    const std::int32_t row = value - t.firstValue;
    if (row < 0 || row >= t.rowCount)
        return std::nullopt;
    return t.rows[row];
}

} // namespace quillnote::demo
