#include "Version11Window.h"

#include "ResourceIds.h"
#include "Text.h"
#include "forms/Window.h"

namespace quillnote::demo {

namespace {

struct Editing {
    Version11Values& values;
    const DemoServices& services;
};

void setCheck(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void fill(HWND dialog, const Version11Values& values)
{
    setCheck(dialog, IDC_SHOW_COUNTDOWN, values.showCountdown);
    setText(GetDlgItem(dialog, IDC_TIMEOUT_RESULT), timeoutResultText(values.timeoutResult));
    setText(GetDlgItem(dialog, IDC_BUTTON_CAPTIONS), values.buttonCaptions);
    setText(GetDlgItem(dialog, IDC_CHECKBOX_TEXT), values.checkBoxText);
    setCheck(dialog, IDC_CHECKBOX_VALUE, values.checkBoxValue);
    setCheck(dialog, IDC_OWNED_BY_WINDOW, values.ownedByWindow);
    HWND theme = GetDlgItem(dialog, IDC_THEME);
    for (int i = 0; i < ThemeChoiceCount; ++i)
        SendMessageW(theme, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(themeChoiceText(i)).c_str()));
    SendMessageW(theme, CB_SETCURSEL, static_cast<WPARAM>(themeChoiceIndex(values.theme)), 0);
}

// Takes the fields into `values`, or reports the one it cannot take and
// leaves `values` as they were.
bool take(HWND dialog, Editing& editing)
{
    HWND timeoutField = GetDlgItem(dialog, IDC_TIMEOUT_RESULT);
    const std::u16string timeoutText = textOf(timeoutField);
    const std::optional<std::int16_t> timeout = readTimeoutResult(timeoutText);
    if (!timeout) {
        if (editing.services.report)
            editing.services.report(dialog, unreadableTimeoutText(timeoutText));
        if (IsWindow(timeoutField)) {
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(timeoutField), TRUE);
            selectWholeText(timeoutField);
        }
        return false;
    }
    Version11Values& values = editing.values;
    values.showCountdown = checked(dialog, IDC_SHOW_COUNTDOWN);
    values.timeoutResult = *timeout;
    values.buttonCaptions = textOf(GetDlgItem(dialog, IDC_BUTTON_CAPTIONS));
    values.checkBoxText = textOf(GetDlgItem(dialog, IDC_CHECKBOX_TEXT));
    values.checkBoxValue = checked(dialog, IDC_CHECKBOX_VALUE);
    values.ownedByWindow = checked(dialog, IDC_OWNED_BY_WINDOW);
    const LRESULT theme = SendMessageW(GetDlgItem(dialog, IDC_THEME), CB_GETCURSEL, 0, 0);
    values.theme = static_cast<std::int16_t>(theme >= 0 && theme < ThemeChoiceCount ? theme : 0);
    return true;
}

// Centred on the demonstration window, as the window's own reports are.
void centreOn(HWND dialog, HWND owner)
{
    RECT ownerRect{}, rect{};
    if (!owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &rect))
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = ownerRect.left + ((ownerRect.right - ownerRect.left) - width) / 2;
    const int y = ownerRect.top + ((ownerRect.bottom - ownerRect.top) - height) / 2;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        fill(dialog, reinterpret_cast<Editing*>(lParam)->values);
        centreOn(dialog, GetParent(dialog));
        return TRUE;
    }
    case WM_COMMAND: {
        auto* editing = reinterpret_cast<Editing*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const int id = LOWORD(wParam);
        if (id == IDOK && editing) {
            if (take(dialog, *editing))
                EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    }
    return FALSE;
}

} // namespace

bool editVersion11Values(HWND owner, Version11Values& values, const DemoServices& services)
{
    Editing editing{values, services};
    const INT_PTR chosen = DialogBoxParamW(forms::thisModule(), MAKEINTRESOURCEW(IDD_VERSION11), owner,
                                           &dialogProcedure, reinterpret_cast<LPARAM>(&editing));
    return chosen == IDOK;
}

std::wstring unreadableTimeoutText(const std::u16string& text)
{
    return L"TimeoutResult: \"" + toWide(text) +
           L"\" is not a whole number that fits the property (-32768 to 32767).\n\nThe values were not changed.";
}

} // namespace quillnote::demo
