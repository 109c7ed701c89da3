#include "DemoWindow.h"

#include "ResourceIds.h"
#include "Text.h"
#include "Version11Window.h"
#include "forms/Screen.h"
#include "win/Steps.h"

namespace quillnote::demo {

namespace {

constexpr wchar_t ClassName[] = L"QuillnoteDemo";

// A fixed dialog frame with a close box and no minimise or maximise button.
// Not WS_CLIPCHILDREN: the frames (group boxes) leave their inside to the
// window's background, which must be painted under them.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD WindowExStyle = WS_EX_DLGMODALFRAME;

// The system menu's item that opens the "Version 1.1 Properties" window (a
// command of our own: below the system's, a multiple of 16).
constexpr UINT Version11Command = 0x0110;

void addVersion11Item(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, Version11Command, L"Version 1.1 &Properties...");
}

} // namespace

DemoWindow::DemoWindow(DemoServices services)
    : services_(std::move(services)), colours_(controls_, services_), numeric_(controls_), show_(services_)
{}

// The window goes first, while every member that its messages reach is
// still there.
DemoWindow::~DemoWindow() { destroy(); }

bool DemoWindow::create()
{
    if (!registerClass(ClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    const forms::Units units = forms::screenUnits();
    RECT frame = {0, 0, units.xPixels(ClientWidth), units.yPixels(ClientHeight)};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, WindowExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!createWindow(ClassName, WindowExStyle, WindowStyle, x, y, width, height, nullptr))
        return false;
    SetWindowTextW(hwnd(), toWide(WindowCaption).c_str());

    bigIcon_.reset(
        static_cast<HICON>(LoadImageW(forms::thisModule(), MAKEINTRESOURCEW(IDI_QUILLNOTE_SAMPLE), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(
        static_cast<HICON>(LoadImageW(forms::thisModule(), MAKEINTRESOURCEW(IDI_QUILLNOTE_SAMPLE), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

    addVersion11Item(hwnd());
    if (!controls_.create(hwnd()))
        return false;
    numeric_.create();
    colours_.create();
    if (!controls_.hook(*this))
        return false;

    // Start-up: Reset as the button runs it (its focus step fails while the
    // window is hidden, and is skipped), then the message text.
    reset();
    runStep([&] { demo::setText(controls_[Control::Message], u"Test Message"); });
    return true;
}

void DemoWindow::show()
{
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    SetForegroundWindow(hwnd());
    moveFocus(Control::Window, false);
}

void DemoWindow::editVersion11() { editVersion11Values(hwnd(), version11_, services_); }

bool DemoWindow::rightAligned(Control textBox) const
{
    if (const std::optional<int> field = colours_.fieldOf(textBox))
        return colours_.rightAligned(*field);
    return numeric_.rightAligned(textBox);
}

LRESULT DemoWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (!closing_ && lParam)
            command(controls_.controlOf(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        if (!closing_ && lParam)
            numeric_.upDownChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = colours_.brushFor(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        if (numeric_.highlighted(reinterpret_cast<HWND>(lParam))) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        break;
    case WM_KEYDOWN:
        // The window itself has the focus only when no control has it.
        if (keyDown(Control::Window, static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_SYSCHAR:
        if (accessKey(static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_ACTIVATE:
        if (activate(LOWORD(wParam) != WA_INACTIVE))
            return 0;
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == Version11Command) {
            if (!closing_)
                editVersion11();
            return 0;
        }
        break;
    case WM_CLOSE:
        exit();
        return 0;
    case WM_DESTROY:
        closing_ = true;
        show_.release();
        if (services_.onExit)
            services_.onExit();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

void DemoWindow::command(Control control, WORD code)
{
    switch (code) {
    case BN_CLICKED:
        pressButton(control);
        break;
    case EN_SETFOCUS:
    case EN_KILLFOCUS:
        textBoxFocus(control, code == EN_SETFOCUS);
        break;
    case EN_CHANGE:
        textBoxChanged(control);
        break;
    }
}

void DemoWindow::textBoxFocus(Control control, bool gained)
{
    if (control == Control::Message) {
        gained ? expandMessage() : collapseMessage();
    } else if (control == Control::Title) {
        if (gained)
            selectWholeText(controls_[Control::Title]);
    } else if (colours_.isTextBox(control)) {
        const int field = *colours_.fieldOf(control);
        gained ? colours_.gotFocus(field) : colours_.lostFocus(field);
    } else if (numeric_.isTextBox(control)) {
        gained ? numeric_.gotFocus(control) : numeric_.lostFocus(control);
    }
}

void DemoWindow::writeText(Control textBox, std::u16string_view text)
{
    demo::setText(controls_[textBox], text);
    textBoxChanged(textBox);
}

void DemoWindow::textBoxChanged(Control control)
{
    if (colours_.isTextBox(control))
        colours_.textChanged(*colours_.fieldOf(control));
    else if (numeric_.isTextBox(control))
        numeric_.textChanged(control);
}

// A window that is not a dialog does not keep its focused control over a
// deactivation by itself: the focus would come back to the window, and the
// keys would reach no field. It comes back to the control that had it.
// Returns whether a control has the focus now.
bool DemoWindow::activate(bool active)
{
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus))
            focusBeforeDeactivation_ = focus;
        return false;
    }
    HWND focus = focusBeforeDeactivation_;
    if (focus && IsWindow(focus) && IsWindowVisible(focus) && IsWindowEnabled(focus))
        SetFocus(focus);
    else
        moveFocus(Control::Window, false);
    HWND now = GetFocus();
    return now && IsChild(hwnd(), now);
}

} // namespace quillnote::demo
