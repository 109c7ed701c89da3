#include "NumericFields.h"

#include "Text.h"

namespace quillnote::demo {

namespace {

struct SelectorControls {
    Selector selector;
    Control upDown;
    Control valueBox;
    Control description;
};

constexpr SelectorControls SelectorTable[SelectorCount] = {
    {Selector::Position, Control::PositionUpDown, Control::SPosition, Control::PositionDesc},
    {Selector::Alignment, Control::AlignUpDown, Control::TextAlignment, Control::AlignDesc},
    {Selector::HeadingType, Control::TypeUpDown, Control::HeadingType, Control::TypeDesc},
    {Selector::Direction, Control::DirectionUpDown, Control::GradientDirection, Control::DirectionDesc},
};

} // namespace

void NumericFields::create()
{
    for (const SelectorControls& s : SelectorTable) {
        SelectorState& state = selectors_[index(s.selector)];
        state.upDown.bind(controls_[s.upDown], controls_[s.valueBox], selectorRange(s.selector));
        state.description = controls_[s.description];
        state.shownValue = selectorRange(s.selector).initial;
    }
    left_.bind(controls_[Control::LeftUpDown], controls_[Control::LeftPos], LeftRange);
    top_.bind(controls_[Control::TopUpDown], controls_[Control::TopPos], TopRange);
    leftText_.attach(controls_[Control::LeftPos], true);
    topText_.attach(controls_[Control::TopPos], true);
    timerText_.attach(controls_[Control::TimerSeconds], true);
}

void NumericFields::setSelector(Selector selector, std::int32_t value)
{
    selectors_[index(selector)].upDown.setValue(value);
    refreshDescription(selector);
}

void NumericFields::upDownChanged(HWND upDown)
{
    for (Selector selector : AllSelectors)
        if (selectors_[index(selector)].upDown.hwnd() == upDown)
            refreshDescription(selector);
}

void NumericFields::upDownFocus(HWND upDown, bool focused)
{
    for (const SelectorState& state : selectors_) {
        if (state.upDown.hwnd() != upDown)
            continue;
        HWND valueBox = state.upDown.buddy();
        if (focused)
            highlighted_ = valueBox;
        else if (highlighted_ == valueBox)
            highlighted_ = nullptr;
        InvalidateRect(valueBox, nullptr, TRUE);
    }
}

void NumericFields::refreshDescription(Selector selector)
{
    // Only a real change sets the caption: the design captions (among them
    // "Center of screen (default)" with its lower-case d) stay until then,
    // and a value without a row leaves the caption as it is.
    SelectorState& state = selectors_[index(selector)];
    const std::int32_t value = state.upDown.value();
    if (value == state.shownValue)
        return;
    state.shownValue = value;
    if (const std::optional<std::u16string_view> text = describe(selector, value))
        setText(state.description, *text);
}

void NumericFields::setPosition(PositionField field, std::int32_t value)
{
    position(field).setValue(value);
    textChanged(textBoxOf(field));
}

void NumericFields::settle(PositionField field)
{
    UpDown& upDown = position(field);
    setPosition(field, settledValue(textOf(upDown.buddy()), upDown.range(), upDown.value()));
}

void NumericFields::arrowKey(PositionField field, ArrowKey key)
{
    settle(field);
    UpDown& upDown = position(field);
    upDown.setValue(arrowKeyStep(upDown.value(), upDown.range(), key));
}

const AlignedTextBox* NumericFields::textBoxOf(Control control) const
{
    switch (control) {
    case Control::LeftPos:
        return &leftText_;
    case Control::TopPos:
        return &topText_;
    case Control::TimerSeconds:
        return &timerText_;
    default:
        return nullptr;
    }
}

AlignedTextBox* NumericFields::textBoxOf(Control control)
{
    return const_cast<AlignedTextBox*>(static_cast<const NumericFields*>(this)->textBoxOf(control));
}

bool NumericFields::isTextBox(Control control) const { return textBoxOf(control) != nullptr; }

void NumericFields::gotFocus(Control textBox)
{
    if (AlignedTextBox* box = textBoxOf(textBox)) {
        box->setRightAligned(false);
        selectWholeText(box->hwnd());
    }
}

void NumericFields::lostFocus(Control textBox)
{
    // A position field that is left shows the up-down's value again (see
    // settledValue for what a text that is no whole number becomes).
    if (textBox == Control::LeftPos)
        settle(PositionField::Left);
    else if (textBox == Control::TopPos)
        settle(PositionField::Top);
    if (AlignedTextBox* box = textBoxOf(textBox))
        box->setRightAligned(true);
}

void NumericFields::textChanged(Control textBox)
{
    // A field at rest is right-aligned, whoever wrote its text.
    if (AlignedTextBox* box = textBoxOf(textBox)) {
        if (GetFocus() != box->hwnd())
            box->setRightAligned(true);
        box->refresh();
    }
}

bool NumericFields::rightAligned(Control textBox) const
{
    const AlignedTextBox* box = textBoxOf(textBox);
    return box && box->rightAligned();
}

} // namespace quillnote::demo
