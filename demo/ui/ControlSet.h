#pragma once
// The child windows of the demonstration window, created from the layout
// table: plain Win32 controls (EDIT, BUTTON, STATIC) and the platform's
// up-down, placed in pixels converted from the table's twips.

#include "ControlHook.h"
#include "Layout.h"
#include "forms/Gdi.h"
#include "forms/Units.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace quillnote::demo {

class ControlSet {
public:
    // Creates every control on `parent`, hidden parts included, with the
    // captions and initial texts of the design.
    bool create(HWND parent);
    // Subclasses the controls that take the focus. Call once the up-downs are
    // bound, so that the window's hooks see the keys first.
    bool hook(ControlEvents& events);

    HWND operator[](Control control) const { return windows_[static_cast<size_t>(control)]; }
    // The control of a child window; Control::Window when it is none of ours.
    Control controlOf(HWND window) const;

    const forms::Units& units() const { return units_; }
    // Pixels of a rectangle in twips of the client area.
    RECT pixelsOf(const TwipsRect& twips) const;
    void setHeight(Control control, int twips);

private:
    HWND createControl(const ControlRow& row, HWND parent);

    forms::Units units_;
    forms::UniqueFont font_;
    forms::UniqueBitmap arrow_;
    std::array<HWND, ControlCount> windows_{};
    std::vector<std::unique_ptr<ControlHook>> hooks_;
};

} // namespace quillnote::demo
