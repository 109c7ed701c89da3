#include "ButtonFlags.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace quillnote {
namespace {

// The flags read the way the platform documents them, stated with bit
// fields instead of the component's divisions: a value of 0 or more is
// default button in bits 8 to 14, icon in bits 4 to 7 and button set in bits
// 0 to 3. A negative value has no default button and no button set, and its
// icon number is minus the number of whole sixteens in its magnitude.
DecodedButtons expectedDecoding(int buttons)
{
    if (buttons >= 0)
        return {buttons >> 8, (buttons >> 4) & 0xF, buttons & 0xF};
    const int magnitude = -buttons; // up to 32768, fits in int
    return {0, -(magnitude >> 4), 0};
}

std::string describe(const DecodedButtons& b)
{
    return "d=" + std::to_string(b.defaultButton) + " k=" + std::to_string(b.iconNumber) +
           " r=" + std::to_string(b.buttonSet);
}

bool sameDecoding(const DecodedButtons& a, const DecodedButtons& b)
{
    return a.defaultButton == b.defaultButton && a.iconNumber == b.iconNumber && a.buttonSet == b.buttonSet;
}

// The rule of MsgBox that uses d: the default button exists only if the set
// has a button with that index.
bool hasDefaultButton(const DecodedButtons& b)
{
    return b.defaultButton + 1 <= static_cast<int>(buttonCaptions(b.buttonSet).size());
}

using Captions = std::vector<std::u16string>;

TEST(DecodeButtons, EverySixteenBitValueMatchesTheBitFieldReading)
{
    int mismatches = 0;
    for (int value = std::numeric_limits<std::int16_t>::min(); value <= std::numeric_limits<std::int16_t>::max();
         ++value) {
        const DecodedButtons actual = decodeButtons(static_cast<std::int16_t>(value));
        const DecodedButtons expected = expectedDecoding(value);
        if (sameDecoding(actual, expected))
            continue;
        // Report only the first few so that a systematic fault stays readable.
        if (++mismatches <= 10) {
            SCOPED_TRACE("Buttons = " + std::to_string(value));
            EXPECT_EQ(describe(actual), describe(expected));
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(DecodeButtons, ResultsStayInTheirRanges)
{
    for (int value = std::numeric_limits<std::int16_t>::min(); value <= std::numeric_limits<std::int16_t>::max();
         ++value) {
        const DecodedButtons b = decodeButtons(static_cast<std::int16_t>(value));
        if (b.buttonSet < 0 || b.buttonSet > 15 || b.defaultButton < 0 || b.defaultButton > 127 ||
            b.iconNumber < -2048 || b.iconNumber > 15) {
            SCOPED_TRACE("Buttons = " + std::to_string(value));
            ADD_FAILURE() << describe(b);
            return;
        }
    }
}

TEST(DecodeButtons, OmittedFlagsGiveOneOkButtonThatIsTheDefault)
{
    const DecodedButtons b = decodeButtons(0);
    EXPECT_EQ(b.defaultButton, 0);
    EXPECT_EQ(b.iconNumber, 0);
    EXPECT_EQ(b.buttonSet, 0);
    EXPECT_EQ(buttonCaptions(b.buttonSet), Captions{u"&OK"});
    EXPECT_TRUE(hasDefaultButton(b));
}

TEST(DecodeButtons, SystemModalAndHigherFlagsNeverNameADefaultButton)
{
    struct Case {
        std::int16_t buttons;
        int d;
        int k;
        int r;
    };
    const Case cases[] = {
        {4096, 16, 0, 0},      // the system-modal flag alone
        {4096 + 36, 16, 2, 4}, // low byte still decoded as usual
        {4096 + 512 + 3, 18, 0, 3}, {8192 + 64 + 2, 32, 4, 2}, {32767, 127, 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Buttons = " + std::to_string(c.buttons));
        const DecodedButtons b = decodeButtons(c.buttons);
        EXPECT_EQ(b.defaultButton, c.d);
        EXPECT_EQ(b.iconNumber, c.k);
        EXPECT_EQ(b.buttonSet, c.r);
        EXPECT_FALSE(hasDefaultButton(b));
    }
}

TEST(DecodeButtons, DefaultButtonBeyondTheSetIsIgnored)
{
    {
        SCOPED_TRACE("513: third default with OK, Cancel");
        const DecodedButtons b = decodeButtons(513);
        EXPECT_EQ(b.defaultButton, 2);
        EXPECT_EQ(b.buttonSet, 1);
        EXPECT_EQ(buttonCaptions(b.buttonSet), (Captions{u"&OK", u"Cancel"}));
        EXPECT_FALSE(hasDefaultButton(b));
    }
    {
        SCOPED_TRACE("768 + 3: fourth default never takes effect, even with three buttons");
        const DecodedButtons b = decodeButtons(768 + 3);
        EXPECT_EQ(b.defaultButton, 3);
        EXPECT_EQ(buttonCaptions(b.buttonSet).size(), 3u);
        EXPECT_FALSE(hasDefaultButton(b));
    }
    {
        SCOPED_TRACE("512 + 2: third default with Abort, Retry, Ignore");
        const DecodedButtons b = decodeButtons(512 + 2);
        EXPECT_EQ(b.defaultButton, 2);
        EXPECT_TRUE(hasDefaultButton(b));
    }
}

TEST(DecodeButtons, NegativeFlagsGiveOneOkButtonAndNoIcon)
{
    struct Case {
        std::int16_t buttons;
        int k;
    };
    const Case cases[] = {
        {-1, 0},     {-15, 0},      {-16, -1},       {-36, -2},       {-256, -16},
        {-257, -16}, {-4096, -256}, {-32767, -2047}, {-32768, -2048},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Buttons = " + std::to_string(c.buttons));
        const DecodedButtons b = decodeButtons(c.buttons);
        EXPECT_EQ(b.defaultButton, 0);
        EXPECT_EQ(b.iconNumber, c.k);
        EXPECT_LE(b.iconNumber, 0); // IconIndex negative: no icon
        EXPECT_EQ(b.buttonSet, 0);
        EXPECT_EQ(buttonCaptions(b.buttonSet), Captions{u"&OK"});
        EXPECT_TRUE(hasDefaultButton(b));
    }
}

TEST(DecodeButtons, QuestionIconWithYesNo)
{
    const DecodedButtons b = decodeButtons(36);
    EXPECT_EQ(b.iconNumber, 2);
    EXPECT_EQ(b.iconNumber - 1, 1); // IconIndex of the question icon
    EXPECT_EQ(b.buttonSet, 4);
    EXPECT_EQ(b.defaultButton, 0);
    EXPECT_EQ(buttonCaptions(b.buttonSet), (Captions{u"&Yes", u"&No"}));
    EXPECT_TRUE(hasDefaultButton(b));
}

TEST(DecodeButtons, EachIconOfTheTable)
{
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE("icon number " + std::to_string(k));
        const DecodedButtons b = decodeButtons(static_cast<std::int16_t>(16 * k + 5));
        EXPECT_EQ(b.iconNumber, k);
        EXPECT_EQ(b.buttonSet, 5);
    }
}

TEST(DecodeButtons, SetsSixToFifteenHaveNoButtons)
{
    const DecodedButtons six = decodeButtons(6);
    EXPECT_EQ(six.buttonSet, 6);
    EXPECT_TRUE(buttonCaptions(six.buttonSet).empty());
    EXPECT_FALSE(hasDefaultButton(six));
    for (int r = 6; r <= 15; ++r) {
        SCOPED_TRACE("set " + std::to_string(r));
        const DecodedButtons b = decodeButtons(static_cast<std::int16_t>(r + 48));
        EXPECT_EQ(b.buttonSet, r);
        EXPECT_EQ(b.iconNumber, 3);
        EXPECT_TRUE(buttonCaptions(b.buttonSet).empty());
    }
}

TEST(DecodeButtons, IconNumbersBeyondTheTableAreStillReported)
{
    // 80 is icon number 5: no entry in the icon table, but IconIndex 4 keeps
    // the icon space in the layout.
    const DecodedButtons b = decodeButtons(80);
    EXPECT_EQ(b.iconNumber, 5);
    EXPECT_EQ(b.buttonSet, 0);
    EXPECT_EQ(b.defaultButton, 0);
    EXPECT_EQ(decodeButtons(255).iconNumber, 15);
    EXPECT_EQ(decodeButtons(255).buttonSet, 15);
}

TEST(ButtonCaptions, TheSixButtonSets)
{
    EXPECT_EQ(buttonCaptions(0), (Captions{u"&OK"}));
    EXPECT_EQ(buttonCaptions(1), (Captions{u"&OK", u"Cancel"}));
    EXPECT_EQ(buttonCaptions(2), (Captions{u"&Abort", u"&Retry", u"&Ignore"}));
    EXPECT_EQ(buttonCaptions(3), (Captions{u"&Yes", u"&No", u"Cancel"}));
    EXPECT_EQ(buttonCaptions(4), (Captions{u"&Yes", u"&No"}));
    EXPECT_EQ(buttonCaptions(5), (Captions{u"&Retry", u"Cancel"}));
}

TEST(ButtonCaptions, NumbersOutsideTheTableHaveNoButtons)
{
    for (int set : {-1, -32768, 6, 15, 16, 255, 32767}) {
        SCOPED_TRACE("set " + std::to_string(set));
        EXPECT_TRUE(buttonCaptions(set).empty());
    }
}

TEST(ResultCodeForCaption, EachCaptionHasItsCode)
{
    EXPECT_EQ(resultCodeForCaption(u"&OK"), std::optional<std::int16_t>(1));
    EXPECT_EQ(resultCodeForCaption(u"Cancel"), std::optional<std::int16_t>(2));
    EXPECT_EQ(resultCodeForCaption(u"&Abort"), std::optional<std::int16_t>(3));
    EXPECT_EQ(resultCodeForCaption(u"&Retry"), std::optional<std::int16_t>(4));
    EXPECT_EQ(resultCodeForCaption(u"&Ignore"), std::optional<std::int16_t>(5));
    EXPECT_EQ(resultCodeForCaption(u"&Yes"), std::optional<std::int16_t>(6));
    EXPECT_EQ(resultCodeForCaption(u"&No"), std::optional<std::int16_t>(7));
}

TEST(ResultCodeForCaption, OnlyExactCaptionsMatch)
{
    const std::u16string others[] = {
        u"",
        u"OK",
        u"&ok",
        u"&Ok",
        u"cancel",
        u"&Cancel",
        u"CANCEL",
        u"Cancel ",
        u" &No",
        u"&No&",
        u"No",
        u"&",
        std::u16string(u"&Yes\0", 5),
        u"&Abort&Retry",
    };
    for (const std::u16string& caption : others) {
        SCOPED_TRACE(std::string(caption.begin(), caption.end()));
        EXPECT_EQ(resultCodeForCaption(caption), std::nullopt);
    }
}

TEST(ResultCodeForCaption, EveryButtonOfEverySetReturnsItsCode)
{
    using Codes = std::vector<std::int16_t>;
    const Codes expected[] = {
        {ResultCodes::Ok},
        {ResultCodes::Ok, ResultCodes::Cancel},
        {ResultCodes::Abort, ResultCodes::Retry, ResultCodes::Ignore},
        {ResultCodes::Yes, ResultCodes::No, ResultCodes::Cancel},
        {ResultCodes::Yes, ResultCodes::No},
        {ResultCodes::Retry, ResultCodes::Cancel},
    };
    for (int set = 0; set < 6; ++set) {
        SCOPED_TRACE("set " + std::to_string(set));
        Codes actual;
        for (const std::u16string& caption : buttonCaptions(set))
            actual.push_back(resultCodeForCaption(caption).value_or(ResultCodes::None));
        EXPECT_EQ(actual, expected[set]);
    }
}

} // namespace
} // namespace quillnote
