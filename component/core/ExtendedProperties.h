#pragma once
// The properties that version 1.1 of the object adds (interface
// _Quillnote2), all held by the object itself. With every one at its
// default a call behaves exactly as in version 1.0.

#include "Values.h"

#include <cstdint>
#include <string>

namespace quillnote {

// Theme values by name.
namespace ThemeChoice {
constexpr std::int16_t AsSet = 0;      // the colours as set (high contrast: the system's)
constexpr std::int16_t FollowApps = 1; // colours left at their defaults follow the light or dark app mode
constexpr std::int16_t Dark = 2;       // colours left at their defaults are dark always
} // namespace ThemeChoice

class ExtendedProperties {
public:
    Flag showCountdown() const { return showCountdown_; }
    void setShowCountdown(Flag v) { showCountdown_ = v; }
    // What MsgBox returns when the countdown closes the dialog; any value.
    std::int16_t timeoutResult() const { return timeoutResult_; }
    void setTimeoutResult(std::int16_t v) { timeoutResult_ = v; }
    const std::u16string& buttonCaptions() const { return buttonCaptions_; }
    void setButtonCaptions(std::u16string v) { buttonCaptions_ = std::move(v); }
    const std::u16string& checkBoxText() const { return checkBoxText_; }
    void setCheckBoxText(std::u16string v) { checkBoxText_ = std::move(v); }
    Flag checkBoxValue() const { return checkBoxValue_; }
    void setCheckBoxValue(Flag v) { checkBoxValue_ = v; }
    // A window handle as a 32-bit number (window handles fit in 32 bits on
    // both bitnesses); 0 for none.
    std::int32_t ownerWindow() const { return ownerWindow_; }
    void setOwnerWindow(std::int32_t v) { ownerWindow_ = v; }
    std::int16_t theme() const { return theme_; }
    // Values other than 0, 1 and 2 become 0.
    void setTheme(std::int16_t v);

private:
    Flag showCountdown_ = FlagFalse;
    std::int16_t timeoutResult_ = 0;
    std::u16string buttonCaptions_;
    std::u16string checkBoxText_;
    Flag checkBoxValue_ = FlagFalse;
    std::int32_t ownerWindow_ = 0;
    std::int16_t theme_ = ThemeChoice::AsSet;
};

} // namespace quillnote
