#include "PositionRules.h"

#include <gtest/gtest.h>

namespace quillnote::demo {
namespace {

TEST(PositionRules, ArrowKeysStepByTheIncrementWithinTheRange)
{
    EXPECT_EQ(arrowKeyStep(0, LeftRange, ArrowKey::Up), 15);
    EXPECT_EQ(arrowKeyStep(19190, LeftRange, ArrowKey::Up), 19200);
    EXPECT_EQ(arrowKeyStep(19200, LeftRange, ArrowKey::Up), 19200);
    EXPECT_EQ(arrowKeyStep(11990, TopRange, ArrowKey::Up), 12000);
    EXPECT_EQ(arrowKeyStep(100, LeftRange, ArrowKey::Down), 85);
    EXPECT_EQ(arrowKeyStep(10, TopRange, ArrowKey::Down), 0);
    EXPECT_EQ(arrowKeyStep(0, TopRange, ArrowKey::Down), 0);
}

TEST(PositionRules, SettledValueIsWhatTheTextSaysWithinTheRange)
{
    const struct {
        std::u16string_view text;
        std::int32_t value;
    } cases[] = {{u"-30", 0},     {u"99999", 12000},    {u"-0.4", 0},    {u"300", 300}, {u"0300", 300},
                 {u"100.5", 100}, {u"101.5", 102},      {u"&H100", 256}, {u"abc", 0},   {u"", 0},
                 {u"1e400", 345}, {u"&H123456789", 345}}; // unreadable: keeps the value it had
    for (const auto& c : cases)
        EXPECT_EQ(settledValue(c.text, TopRange, 345), c.value) << std::string(c.text.begin(), c.text.end());
}

} // namespace
} // namespace quillnote::demo
