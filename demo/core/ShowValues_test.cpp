#include "ShowValues.h"

#include <gtest/gtest.h>

namespace quillnote::demo {
namespace {

ControlValues startUp()
{
    ControlValues controls;
    for (int i = 0; i < ColourFieldCount; ++i)
        controls.colourTexts[i] = std::u16string(colourFields()[i].resetText);
    return controls;
}

TEST(ShowValues, CheckBoxesGiveAutomationBooleansAndColoursTheirPattern)
{
    ControlValues controls = startUp();
    controls.gradientPaint = 1;
    controls.solidColorHeading = 2; // not 0, so True
    controls.controlBox = 0;
    controls.colourTexts[2] = u"";
    const PropertyValues v = *convertForShow(controls).values;
    EXPECT_EQ(v.gradientPaint, FlagTrue);
    EXPECT_EQ(v.solidColorHeading, FlagTrue);
    EXPECT_EQ(v.controlBox, FlagFalse);
    EXPECT_EQ(v.modal, FlagTrue);
    EXPECT_EQ(static_cast<std::uint32_t>(v.backColorBody), 0x8000000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(v.foreColorBody), 0x80000012u);
    EXPECT_EQ(v.backColorButtons, 0); // no number: black
}

TEST(ShowValues, TimerSecondsRoundsHalvesToEven)
{
    const std::pair<std::u16string, std::int16_t> cases[] = {{u"2.5", 2},  {u"3.5", 4}, {u"", 0},
                                                             {u"soon", 0}, {u"-5", -5}, {u"1e1", 10}};
    for (const auto& [text, seconds] : cases) {
        ControlValues controls = startUp();
        controls.timerSecondsText = text;
        EXPECT_EQ(convertForShow(controls).values->timerSeconds, seconds);
    }
}

TEST(ShowValues, TheFirstTextWithoutAValueNamesItsField)
{
    for (int field = 0; field < ColourFieldCount; ++field) {
        ControlValues controls = startUp();
        controls.colourTexts[field] = u"99999999999";
        controls.timerSecondsText = u"40000";
        const ShowConversion conversion = convertForShow(controls);
        EXPECT_FALSE(conversion.values);
        EXPECT_EQ(conversion.failedField, colourFields()[field].textBox);
    }
    ControlValues controls = startUp();
    controls.colourTexts[4] = controls.colourTexts[1] = u"&H123456789";
    EXPECT_EQ(convertForShow(controls).failedField, Control::BackColorBody);
    controls = startUp();
    controls.timerSecondsText = u"-32769";
    EXPECT_EQ(convertForShow(controls).failedField, Control::TimerSeconds);
    EXPECT_EQ(fieldName(Control::TimerSeconds), u"TimerSeconds");
    EXPECT_EQ(fieldName(Control::ForeColorHeading), u"ForeColorHeading");
    EXPECT_TRUE(fieldName(Control::Message).empty());
}

} // namespace
} // namespace quillnote::demo
