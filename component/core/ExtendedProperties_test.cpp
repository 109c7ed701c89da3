#include "ExtendedProperties.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(ExtendedProperties, DefaultsBehaveAsVersionOneDid)
{
    const ExtendedProperties p;
    EXPECT_EQ(p.showCountdown(), FlagFalse);
    EXPECT_EQ(p.timeoutResult(), 0);
    EXPECT_TRUE(p.buttonCaptions().empty());
    EXPECT_TRUE(p.checkBoxText().empty());
    EXPECT_EQ(p.checkBoxValue(), FlagFalse);
    EXPECT_EQ(p.ownerWindow(), 0);
    EXPECT_EQ(p.theme(), ThemeChoice::AsSet);
}

TEST(ExtendedProperties, ThemeOutOfRangeFallsBackAndOthersKeepWhatTheyAreGiven)
{
    ExtendedProperties p;
    for (const std::int16_t theme : {std::int16_t{0}, std::int16_t{1}, std::int16_t{2}}) {
        p.setTheme(theme);
        EXPECT_EQ(p.theme(), theme);
    }
    for (const std::int16_t bad : {std::int16_t{-1}, std::int16_t{3}, std::int16_t{32767}, std::int16_t{-32768}}) {
        p.setTheme(2);
        p.setTheme(bad);
        EXPECT_EQ(p.theme(), ThemeChoice::AsSet) << bad;
    }
    p.setTimeoutResult(32000);
    EXPECT_EQ(p.timeoutResult(), 32000);
    p.setTimeoutResult(-5);
    EXPECT_EQ(p.timeoutResult(), -5);
    p.setShowCountdown(1); // stored as given, read as set
    EXPECT_EQ(p.showCountdown(), 1);
    p.setOwnerWindow(-123);
    EXPECT_EQ(p.ownerWindow(), -123);
}

} // namespace
} // namespace quillnote
