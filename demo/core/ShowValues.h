#pragma once
// What the Show action makes of the window's controls: the value of every
// property that it writes, converted as each property needs, and the Buttons
// argument. The window gathers the raw control values; the conversion is
// here, where it can be tested without a window.

#include "ButtonsComposition.h"
#include "Layout.h"
#include "core/Values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillnote::demo {

// The controls as the Show action reads them, after the position clamps.
struct ControlValues {
    // By colour field index: BackColorHeading, BackColorBody,
    // BackColorButtons, ForeColorHeading, ForeColorBody.
    std::array<std::u16string, ColourFieldCount> colourTexts;
    // Check boxes: 0 off, 1 on (any other value counts as on).
    int gradientPaint = 0;
    int solidColorHeading = 0;
    int controlBox = 1;
    int keepOnTop = 1;
    int soundBeep = 1;
    int moveable = 0;
    int modal = 1;
    // Up-downs.
    std::int32_t gradientDirection = 1;
    std::int32_t headingType = 0;
    std::int32_t textAlignment = 0;
    std::int32_t startUpPosition = 2;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::u16string timerSecondsText = u"0";
    OptionGroups options;
    std::u16string message;
    std::u16string title;
};

// The values written to the component, in the order of writing.
struct PropertyValues {
    Colour backColorHeading = 0;
    Colour backColorBody = 0;
    Colour backColorButtons = 0;
    Colour foreColorHeading = 0;
    Colour foreColorBody = 0;
    Flag gradientPaint = FlagFalse;
    std::int16_t gradientDirection = 1;
    std::int16_t headingType = 0;
    std::int16_t textAlignment = 0;
    Flag solidColorHeading = FlagFalse;
    Flag controlBox = FlagTrue;
    Flag keepOnTop = FlagTrue;
    Flag soundBeep = FlagTrue;
    std::int16_t startUpPosition = 2;
    std::int32_t left = 0;
    std::int32_t top = 0;
    Flag moveable = FlagFalse;
    Flag modal = FlagTrue;
    std::int16_t timerSeconds = 0;
    std::int16_t buttons = 0;
};

struct ShowConversion {
    std::optional<PropertyValues> values;
    // When values is empty: the field whose text has no value of the
    // property's type (a colour field or TimerSeconds), the first in the
    // order of writing.
    Control failedField = Control::Window;
};

ShowConversion convertForShow(const ControlValues& controls);

// The name under which a field is reported: the property it feeds
// ("BackColorBody", "TimerSeconds"); empty for other controls.
std::u16string_view fieldName(Control field);

} // namespace quillnote::demo
