#include "ControlSet.h"

#include "ResourceIds.h"
#include "Text.h"
#include "forms/Font.h"
#include "forms/Screen.h"
#include "forms/Window.h"

#include <commctrl.h>

namespace quillnote::demo {

namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKindOf(const ControlRow& row)
{
    using namespace ControlOption;
    switch (row.kind) {
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox: {
        DWORD style = WS_TABSTOP;
        if (row.has(MultiLine))
            style |= ES_MULTILINE;
        // A box with a scroll bar wraps its lines; the one-line multi-line
        // boxes scroll sideways instead, so a long colour number never
        // breaks onto an invisible second line.
        if (row.has(VerticalScrollBar))
            style |= WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
        else
            style |= ES_AUTOHSCROLL;
        return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::CommandButton:
        return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (row.has(DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                0};
    case ControlKind::ArrowButton:
        return {L"BUTTON", BS_PUSHBUTTON | BS_BITMAP, 0};
    case ControlKind::OptionButton:
        // Not BS_AUTORADIOBUTTON: the groups are the frames' option arrays,
        // kept by the window (selecting one clears the others).
        return {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::ColourSwatch:
        return {L"STATIC", SS_LEFT | WS_BORDER, 0};
    case ControlKind::ValueBox:
        return {L"STATIC", SS_CENTER | SS_NOPREFIX | WS_BORDER, 0};
    case ControlKind::UpDown: {
        // UDS_SETBUDDYINT: the buddy shows the value; UDS_NOTHOUSANDS: as a
        // plain integer ("19200", not "19,200"). No alignment style: the
        // up-down stays where the layout puts it, beside its buddy. An
        // up-down that takes the focus steps with the arrow keys; the others
        // leave those keys to their text box.
        DWORD style = UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
        if (!row.has(NoTabStop))
            style |= WS_TABSTOP | UDS_ARROWKEYS;
        return {UPDOWN_CLASSW, style, 0};
    }
    }
    return {L"STATIC", 0, 0};
}

bool takesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::ArrowButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::UpDown:
        return true;
    default:
        return false;
    }
}

} // namespace

bool ControlSet::create(HWND parent)
{
    units_ = forms::screenUnits();
    // Every control has the form layer's font.
    font_ = forms::createFont(forms::FontSpec{});
    arrow_.reset(static_cast<HBITMAP>(
        LoadImageW(forms::thisModule(), MAKEINTRESOURCEW(IDB_DOWN_ARROW), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));

    // A child window created first lies above the ones created later. The
    // frames come last so that they lie beneath the controls they hold, and
    // the Message field, when it grows over the place of the title, stays
    // above the frames' top edges.
    bool ok = true;
    for (const bool frames : {false, true}) {
        for (const ControlRow& row : controlTable()) {
            if ((row.kind == ControlKind::Frame) != frames)
                continue;
            HWND window = createControl(row, parent);
            windows_[static_cast<size_t>(row.control)] = window;
            ok = ok && window != nullptr;
        }
    }
    return ok;
}

HWND ControlSet::createControl(const ControlRow& row, HWND parent)
{
    const WindowKind kind = windowKindOf(row);
    const RECT rect = pixelsOf(clientRectOf(row.control));
    HWND window = CreateWindowExW(kind.exStyle, kind.className, toWide(row.caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + static_cast<int>(row.control))),
                                  forms::thisModule(), nullptr);
    if (!window)
        return nullptr;
    if (row.kind != ControlKind::UpDown)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (row.kind == ControlKind::ArrowButton && arrow_)
        SendMessageW(window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_.get()));
    return window;
}

bool ControlSet::hook(ControlEvents& events)
{
    bool ok = true;
    for (const ControlRow& row : controlTable()) {
        if (!takesFocus(row.kind))
            continue;
        auto hook = std::make_unique<ControlHook>(events, row.control);
        ok = hook->attach((*this)[row.control]) && ok;
        hooks_.push_back(std::move(hook));
    }
    return ok;
}

Control ControlSet::controlOf(HWND window) const
{
    if (!window)
        return Control::Window;
    for (int i = 0; i < ControlCount; ++i)
        if (windows_[static_cast<size_t>(i)] == window)
            return static_cast<Control>(i);
    return Control::Window;
}

RECT ControlSet::pixelsOf(const TwipsRect& twips) const
{
    // Edges rather than sizes are converted, so that controls that touch in
    // twips still touch in pixels at any resolution.
    return RECT{units_.xPixels(twips.left), units_.yPixels(twips.top), units_.xPixels(twips.right()),
                units_.yPixels(twips.bottom())};
}

void ControlSet::setHeight(Control control, int twips)
{
    TwipsRect rect = clientRectOf(control);
    rect.height = twips;
    const RECT pixels = pixelsOf(rect);
    SetWindowPos((*this)[control], nullptr, 0, 0, pixels.right - pixels.left, pixels.bottom - pixels.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quillnote::demo
