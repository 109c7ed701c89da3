#include "ButtonsComposition.h"

#include <gtest/gtest.h>

namespace quillnote::demo {
namespace {

OptionGroups select(int icon, int set, int defaultButton)
{
    OptionGroups groups;
    if (icon >= 0)
        groups.icon[icon] = true;
    if (set >= 0)
        groups.buttonSet[set] = true;
    if (defaultButton >= 0)
        groups.defaultButton[defaultButton] = true;
    return groups;
}

TEST(ButtonsComposition, SumOfTheFirstSelectedMemberOfEachGroup)
{
    EXPECT_EQ(composeButtons(select(0, 0, 0)), 0);
    EXPECT_EQ(composeButtons(select(2, 4, 1)), 292); // vbQuestion + vbYesNo + vbDefaultButton2
    EXPECT_EQ(composeButtons(select(4, 5, 2)), 581); // vbInformation + vbRetryCancel + vbDefaultButton3
    EXPECT_EQ(composeButtons(select(1, 2, -1)), 18); // a group without a selection adds nothing
    EXPECT_EQ(composeButtons(OptionGroups{}), 0);

    OptionGroups several = select(4, 5, 2);
    several.icon[1] = true;          // vbCritical comes first
    several.buttonSet[3] = true;     // vbYesNoCancel comes first
    several.defaultButton[1] = true; // vbDefaultButton2 comes first
    EXPECT_EQ(composeButtons(several), 16 + 3 + 256);
}

} // namespace
} // namespace quillnote::demo
