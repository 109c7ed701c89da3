#pragma once
// The numeric fields of the window: the four selectors (an up-down, its value
// box and its description), the position fields LeftPos and TopPos with their
// up-downs, and TimerSeconds.

#include "AlignedTextBox.h"
#include "ControlSet.h"
#include "PositionRules.h"
#include "Selectors.h"
#include "UpDown.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace quillnote::demo {

enum class PositionField { Left, Top };

class NumericFields {
public:
    explicit NumericFields(const ControlSet& controls) : controls_(controls) {}

    // Binds the six up-downs to their buddies with their ranges and design
    // values; the descriptions keep their design captions.
    void create();

    // Selectors.
    std::int32_t selectorValue(Selector selector) const { return selectors_[index(selector)].upDown.value(); }
    // Sets the value as the program does (Reset); the description follows
    // when the value really changes.
    void setSelector(Selector selector, std::int32_t value);
    // An up-down reported a change (WM_VSCROLL).
    void upDownChanged(HWND upDown);
    // The platform's up-down shows no sign of having the focus; while a
    // selector's up-down has it, its value box is shown highlighted instead,
    // like selected text.
    void upDownFocus(HWND upDown, bool focused);
    bool highlighted(HWND valueBox) const { return valueBox && valueBox == highlighted_; }

    // Position fields.
    std::int32_t positionValue(PositionField field) const { return position(field).value(); }
    // Sets the up-down, which writes the value into its text box.
    void setPosition(PositionField field, std::int32_t value);
    // Brings the up-down to what its text says (PositionRules' settledValue)
    // and writes that value back into the text.
    void settle(PositionField field);
    // Up or Down in the field: one increment, within the range.
    void arrowKey(PositionField field, ArrowKey key);

    // LeftPos, TopPos and TimerSeconds: left-aligned with all text selected
    // while they have the focus, right-aligned otherwise.
    bool isTextBox(Control control) const;
    void gotFocus(Control textBox);
    void lostFocus(Control textBox);
    void textChanged(Control textBox);
    bool rightAligned(Control textBox) const;

private:
    struct SelectorState {
        UpDown upDown;
        HWND description = nullptr;
        std::int32_t shownValue = 0; // the value the description was last set for
    };
    static size_t index(Selector selector) { return static_cast<size_t>(selector); }
    UpDown& position(PositionField field) { return field == PositionField::Left ? left_ : top_; }
    static Control textBoxOf(PositionField field)
    {
        return field == PositionField::Left ? Control::LeftPos : Control::TopPos;
    }
    const UpDown& position(PositionField field) const { return field == PositionField::Left ? left_ : top_; }
    const AlignedTextBox* textBoxOf(Control control) const;
    AlignedTextBox* textBoxOf(Control control);
    void refreshDescription(Selector selector);

    const ControlSet& controls_;
    std::array<SelectorState, SelectorCount> selectors_;
    UpDown left_;
    UpDown top_;
    AlignedTextBox leftText_;
    AlignedTextBox topText_;
    AlignedTextBox timerText_;
    HWND highlighted_ = nullptr;
};

} // namespace quillnote::demo
