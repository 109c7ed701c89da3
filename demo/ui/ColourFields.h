#pragma once
// The five colour fields of the frame "Appearance Properties": per field a
// text box with the colour as text, its swatch ColorTab(i) and its arrow
// button DownArrow(i) that opens the colour chooser.

#include "AlignedTextBox.h"
#include "ControlSet.h"
#include "DemoServices.h"
#include "Layout.h"
#include "forms/Gdi.h"

#include <windows.h>

#include <array>
#include <optional>

namespace quillnote::demo {

class ColourFields {
public:
    ColourFields(const ControlSet& controls, const DemoServices& services);

    // The fields as designed: left-aligned texts, button-face swatches.
    void create();

    // Index i of the field whose text box, swatch or arrow `control` is.
    std::optional<int> fieldOf(Control control) const;
    bool isTextBox(Control control) const;

    // Repaints the five swatches from their texts, in index order.
    void updateColorTabs();

    void gotFocus(int i);
    void lostFocus(int i);
    // The text changed: typed while the field is edited, or written by the
    // program (Reset, the chooser), which gives a field at rest the
    // alignment of its new text.
    void textChanged(int i);

    // DownArrow(i) clicked: the chooser for field i.
    void runChooser(int i);
    // Down arrow released in field i: the arrow button takes the focus (the
    // field loses it, with its alignment rule and swatch update), then the
    // chooser runs as for a click.
    void openFromKeyboard(int i);

    // The swatch's brush, for WM_CTLCOLORSTATIC; null for other windows.
    HBRUSH brushFor(HWND swatch) const;
    COLORREF swatchColour(int i) const { return fields_[i].colour; }
    bool rightAligned(int i) const { return fields_[i].text.rightAligned(); }

private:
    struct Field {
        AlignedTextBox text;
        HWND swatch = nullptr;
        HWND arrow = nullptr;
        COLORREF colour = 0;
        forms::UniqueBrush brush;
    };
    void paintSwatch(Field& field, COLORREF colour);

    const ControlSet& controls_;
    const DemoServices& services_;
    std::array<Field, ColourFieldCount> fields_;
};

} // namespace quillnote::demo
