#include "ColourFields.h"

#include "FieldRules.h"
#include "NumberReading.h"
#include "PlatformColour.h"
#include "Text.h"

namespace quillnote::demo {

ColourFields::ColourFields(const ControlSet& controls, const DemoServices& services)
    : controls_(controls), services_(services)
{}

void ColourFields::create()
{
    for (int i = 0; i < ColourFieldCount; ++i) {
        Field& field = fields_[i];
        const ColourField& row = colourFields()[i];
        field.text.attach(controls_[row.textBox], false);
        field.swatch = controls_[row.swatch];
        field.arrow = controls_[row.arrow];
        paintSwatch(field, GetSysColor(COLOR_BTNFACE));
    }
}

std::optional<int> ColourFields::fieldOf(Control control) const
{
    for (int i = 0; i < ColourFieldCount; ++i) {
        const ColourField& row = colourFields()[i];
        if (control == row.textBox || control == row.swatch || control == row.arrow)
            return i;
    }
    return std::nullopt;
}

bool ColourFields::isTextBox(Control control) const
{
    const std::optional<int> i = fieldOf(control);
    return i && colourFields()[*i].textBox == control;
}

void ColourFields::updateColorTabs()
{
    for (Field& field : fields_) {
        // A text without a 32-bit value, or with one that is no colour of the
        // platform, has nothing a swatch could show: the swatch keeps the
        // colour it has. (The Show action reports the first kind by name; the
        // second passes to the component, which decides what it paints.)
        const std::optional<std::int32_t> value = readInt32(textOf(field.text.hwnd()));
        if (!value)
            continue;
        if (const std::optional<COLORREF> colour = platformColour(*value))
            paintSwatch(field, *colour);
    }
}

void ColourFields::gotFocus(int i)
{
    fields_[i].text.setRightAligned(false);
    selectWholeText(fields_[i].text.hwnd());
}

void ColourFields::lostFocus(int i)
{
    if (alignsRightAtRest(textOf(fields_[i].text.hwnd())))
        fields_[i].text.setRightAligned(true);
    updateColorTabs();
}

void ColourFields::textChanged(int i)
{
    AlignedTextBox& box = fields_[i].text;
    if (GetFocus() != box.hwnd())
        box.setRightAligned(alignsRightAtRest(textOf(box.hwnd())));
    box.refresh();
}

void ColourFields::runChooser(int i)
{
    Field& field = fields_[i];
    // A text without a 32-bit value starts the chooser on the colour that
    // its swatch still shows.
    const Colour initial = readInt32(textOf(field.text.hwnd())).value_or(static_cast<Colour>(field.colour));
    const Colour chosen = services_.chooseColour(GetParent(field.text.hwnd()), initial);
    setText(field.text.hwnd(), decimalText(chosen));
    textChanged(i);
    SetFocus(field.text.hwnd());
    updateColorTabs();
}

void ColourFields::openFromKeyboard(int i)
{
    SetFocus(fields_[i].arrow);
    runChooser(i);
}

HBRUSH ColourFields::brushFor(HWND swatch) const
{
    for (const Field& field : fields_)
        if (field.swatch == swatch)
            return field.brush.get();
    return nullptr;
}

void ColourFields::paintSwatch(Field& field, COLORREF colour)
{
    if (field.brush && colour == field.colour)
        return;
    forms::UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush)
        return;
    field.brush = std::move(brush);
    field.colour = colour;
    InvalidateRect(field.swatch, nullptr, TRUE);
}

} // namespace quillnote::demo
