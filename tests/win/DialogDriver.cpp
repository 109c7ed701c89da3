#include "DialogDriver.h"

#include "dialog/DialogControlIds.h"

#include <algorithm>
#include <utility>

namespace quillnote::test {

namespace {

constexpr const wchar_t* DialogClass = L"QuillnoteForm";
constexpr int ButtonCount = 4;

ModalWatcher::Step onView(DialogDriver::Action action)
{
    if (!action)
        return nullptr;
    return [action = std::move(action)](HWND dialog) { action(viewOf(dialog)); };
}

// The watchdog's way out: Esc, which closes every dialog on its release.
void pressEscape(HWND dialog)
{
    const DialogView view = viewOf(dialog);
    releaseKey(view.focus ? view.focus : dialog, VK_ESCAPE);
}

} // namespace

const ButtonInfo* DialogView::button(const std::wstring& caption) const
{
    for (const auto& b : buttons)
        if (b.caption == caption)
            return &b;
    return nullptr;
}

std::vector<std::wstring> DialogView::captions() const
{
    std::vector<std::wstring> out;
    for (const auto& b : buttons)
        out.push_back(b.caption);
    return out;
}

std::wstring DialogView::focusedCaption() const
{
    for (const auto& b : buttons)
        if (b.hwnd == focus)
            return b.caption;
    return {};
}

HWND findDialog(DWORD thread) { return findVisibleWindow(thread, DialogClass); }

DialogView viewOf(HWND dialog)
{
    DialogView view;
    view.dialog = dialog;
    GetWindowRect(dialog, &view.rect);
    view.heading = windowText(dialog);
    view.thread = GetWindowThreadProcessId(dialog, nullptr);
    view.headingStrip = GetDlgItem(dialog, dialog_ids::HeadingStrip);
    view.body = GetDlgItem(dialog, dialog_ids::Body);
    if (view.body) {
        view.message = windowText(view.body);
        for (int i = 0; i < ButtonCount; ++i) {
            const HWND hwnd = GetDlgItem(view.body, dialog_ids::FirstButton + i);
            if (!hwnd || !IsWindowVisible(hwnd))
                continue;
            ButtonInfo info{hwnd, windowText(hwnd), {}, true, IsWindowEnabled(hwnd) != FALSE};
            GetWindowRect(hwnd, &info.rect);
            view.buttons.push_back(info);
        }
    }
    std::sort(view.buttons.begin(), view.buttons.end(),
              [](const ButtonInfo& a, const ButtonInfo& b) { return a.rect.left < b.rect.left; });
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(view.thread, &info))
        view.focus = info.hwndFocus;
    return view;
}

void clickButton(const ButtonInfo& button) { PostMessageW(button.hwnd, BM_CLICK, 0, 0); }

DialogDriver::DialogDriver(Action first, DWORD limitMs)
    : watcher_(DialogClass, onView(std::move(first)), limitMs, &pressEscape)
{}

DialogDriver& DialogDriver::then(DWORD delayMs, Action step)
{
    watcher_.then(delayMs, onView(std::move(step)));
    return *this;
}

} // namespace quillnote::test
