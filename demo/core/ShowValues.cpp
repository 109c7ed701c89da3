#include "ShowValues.h"

#include "NumberReading.h"

namespace quillnote::demo {

namespace {

Flag flagOf(int checkValue) { return checkValue != 0 ? FlagTrue : FlagFalse; }

// The selectors' up-downs never leave their ranges, which all fit 16 bits.
std::int16_t selectorValue(std::int32_t value) { return static_cast<std::int16_t>(value); }

} // namespace

ShowConversion convertForShow(const ControlValues& controls)
{
    ShowConversion result;
    std::array<Colour, ColourFieldCount> colours{};
    for (int i = 0; i < ColourFieldCount; ++i) {
        const std::optional<std::int32_t> colour = readInt32(controls.colourTexts[i]);
        if (!colour) {
            result.failedField = colourFields()[i].textBox;
            return result;
        }
        colours[i] = *colour;
    }
    const std::optional<std::int16_t> timerSeconds = readInt16(controls.timerSecondsText);
    if (!timerSeconds) {
        result.failedField = Control::TimerSeconds;
        return result;
    }

    PropertyValues values;
    values.backColorHeading = colours[0];
    values.backColorBody = colours[1];
    values.backColorButtons = colours[2];
    values.foreColorHeading = colours[3];
    values.foreColorBody = colours[4];
    values.gradientPaint = flagOf(controls.gradientPaint);
    values.gradientDirection = selectorValue(controls.gradientDirection);
    values.headingType = selectorValue(controls.headingType);
    values.textAlignment = selectorValue(controls.textAlignment);
    values.solidColorHeading = flagOf(controls.solidColorHeading);
    values.controlBox = flagOf(controls.controlBox);
    values.keepOnTop = flagOf(controls.keepOnTop);
    values.soundBeep = flagOf(controls.soundBeep);
    values.startUpPosition = selectorValue(controls.startUpPosition);
    values.left = controls.left;
    values.top = controls.top;
    values.moveable = flagOf(controls.moveable);
    values.modal = flagOf(controls.modal);
    values.timerSeconds = *timerSeconds;
    values.buttons = composeButtons(controls.options);
    result.values = values;
    return result;
}

std::u16string_view fieldName(Control field)
{
    switch (field) {
    case Control::BackColorHeading:
        return u"BackColorHeading";
    case Control::BackColorBody:
        return u"BackColorBody";
    case Control::BackColorButtons:
        return u"BackColorButtons";
    case Control::ForeColorHeading:
        return u"ForeColorHeading";
    case Control::ForeColorBody:
        return u"ForeColorBody";
    case Control::TimerSeconds:
        return u"TimerSeconds";
    default:
        return {};
    }
}

} // namespace quillnote::demo
