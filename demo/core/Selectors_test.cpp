#include "Selectors.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillnote::demo {
namespace {

std::vector<std::u16string_view> descriptions(Selector selector)
{
    std::vector<std::u16string_view> texts;
    const UpDownRange& range = selectorRange(selector);
    for (std::int32_t value = range.min - 1; value <= range.max + 1; ++value)
        texts.push_back(describe(selector, value).value_or(u"(none)"));
    return texts;
}

TEST(Selectors, RangesAndDescriptionsOfTheFourSelectors)
{
    using V = std::vector<std::u16string_view>;
    EXPECT_EQ(descriptions(Selector::Position),
              (V{u"(none)", u"Manual", u"Center of form", u"Center of screen (Default)", u"(none)"}));
    EXPECT_EQ(descriptions(Selector::Alignment),
              (V{u"(none)", u"Left Justify (Default)", u"Right Justify", u"Center", u"(none)"}));
    EXPECT_EQ(descriptions(Selector::HeadingType), (V{u"(none)", u"Flat (Default)", u"3D", u"(none)"}));
    EXPECT_EQ(descriptions(Selector::Direction),
              (V{u"(none)", u"Top to Bottom (Default)", u"Bottom to Top", u"Left to Right", u"Right to Left",
                 u"Diamond, Center, Fade Out", u"Diamond, Center, Fade In", u"Circle, Center, Fade Out",
                 u"Circle, Center, Fade In", u"Circle, Top Left, Fade Out", u"Circle, Top Left, Fade In",
                 u"Circle, Top Right, Fade Out", u"Circle, Top Right, Fade In", u"Circle, Bottom Left, Fade Out",
                 u"Circle, Bottom Left, Fade In", u"Circle, Bottom Right, Fade Out", u"Circle, Bottom Right, Fade In",
                 u"(none)"}));
    EXPECT_EQ(selectorRange(Selector::Position).initial, 2);
    EXPECT_EQ(selectorRange(Selector::Direction).initial, 1);
    EXPECT_EQ(selectorRange(Selector::Alignment).increment, 1);
    EXPECT_EQ(LeftRange.max, 19200);
    EXPECT_EQ(TopRange.max, 12000);
    EXPECT_EQ(LeftRange.increment, 15);
    EXPECT_EQ(TopRange.increment, 15);
}

TEST(Selectors, DesignCaptionsDifferOnlyForThePosition)
{
    EXPECT_EQ(designCaption(Selector::Position), u"Center of screen (default)");
    for (Selector s : {Selector::Alignment, Selector::HeadingType, Selector::Direction})
        EXPECT_EQ(designCaption(s), describe(s, selectorRange(s).initial)) << static_cast<int>(s);
}

} // namespace
} // namespace quillnote::demo
