// Theme: the dark palette for the colours a caller left at their defaults
// (Theme 2 always, Theme 1 while the user's apps are dark), the caller's own
// colours kept, a change of the apps' mode followed while the dialog is
// open; and high contrast, where every colour is the system's and nothing
// is shaded. These tests change the user's settings in the prefix and put
// them back.

#include "DialogTest.h"
#include "Snapshot.h"
#include "win/UniqueHandle.h"

#include <string>

namespace quillnote::test {
namespace {

constexpr wchar_t PersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// The user's apps' mode for the time of a test: light, dark or not set.
class AppsMode {
public:
    AppsMode()
    {
        DWORD size = sizeof saved_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, PersonalizeKey, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &saved_,
                            &size) == ERROR_SUCCESS;
    }
    ~AppsMode()
    {
        if (had_)
            set(saved_ != 0);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, PersonalizeKey, L"AppsUseLightTheme");
    }
    AppsMode(const AppsMode&) = delete;
    AppsMode& operator=(const AppsMode&) = delete;

    static void set(bool light)
    {
        const DWORD value = light ? 1 : 0;
        RegSetKeyValueW(HKEY_CURRENT_USER, PersonalizeKey, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
    }

private:
    DWORD saved_ = 1;
    bool had_ = false;
};

// The body's colour where nothing is drawn on it (right of the text, above
// the buttons), and a button's face beside its caption.
struct Looks {
    Pixel body;
    Pixel button;
    Pixel heading;
};

Looks looksOf(HWND dialog)
{
    const DialogView view = viewOf(dialog);
    Looks looks;
    const Snapshot body(view.body);
    if (body.valid())
        looks.body = body.at(body.width() - 12, 6);
    if (!view.buttons.empty()) {
        const Snapshot button(view.buttons[0].hwnd);
        if (button.valid())
            looks.button = button.at(4, button.height() / 2);
    }
    const Snapshot heading(view.headingStrip);
    if (heading.valid())
        looks.heading = heading.at(heading.width() - 40, heading.height() / 2);
    return looks;
}

class DialogThemeTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_HRESULT_SUCCEEDED(box_.queryInterface(box2_));
    }
    win::ComPtr<_Quillnote2> box2_;
    AppsMode mode_;
};

const Pixel DarkBody{32, 32, 32};
const Pixel DarkButton{60, 60, 60};
const Pixel DarkHeading{45, 45, 48};

TEST_F(DialogThemeTest, DarkThemesDarkenWhatTheCallerLeftAtItsDefaults)
{
    AppsMode::set(true);
    const struct {
        const char* name;
        short theme;
        bool appsLight;
        bool dark;
    } cases[] = {
        {"Theme 0, dark apps", 0, false, false},
        {"Theme 1, light apps", 1, true, false},
        {"Theme 1, dark apps", 1, false, true},
        {"Theme 2, light apps", 2, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppsMode::set(c.appsLight);
        box2_->put_Theme(c.theme);
        HWND dialog = showModeless(L"Dark or light", 0);
        ASSERT_NE(dialog, nullptr);
        const Looks looks = looksOf(dialog);
        close(dialog);
        if (c.dark) {
            EXPECT_EQ(looks.body, DarkBody);
            EXPECT_EQ(looks.button, DarkButton);
            EXPECT_EQ(looks.heading, DarkHeading) << "a dark heading is one colour, to its right end";
        } else {
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            EXPECT_EQ(looks.body, (Pixel{GetRValue(face), GetGValue(face), GetBValue(face)}));
        }
    }

    // The caller's own colours stay.
    box2_->put_Theme(2);
    box_->put_BackColorBody(0x0080C0FF); // RGB(255, 192, 128)
    HWND dialog = showModeless(L"Own colour", 0);
    ASSERT_NE(dialog, nullptr);
    const Looks own = looksOf(dialog);
    close(dialog);
    EXPECT_EQ(own.body, (Pixel{255, 192, 128}));
    EXPECT_EQ(own.button, DarkButton) << "the buttons the caller left are dark all the same";
}

TEST_F(DialogThemeTest, AnOpenDialogFollowsAChangeOfTheAppsMode)
{
    AppsMode::set(true);
    box2_->put_Theme(1);
    HWND dialog = showModeless(L"Following", 0);
    ASSERT_NE(dialog, nullptr);
    const Pixel before = looksOf(dialog).body;
    AppsMode::set(false);
    SendMessageW(dialog, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
    dispatchQueued();
    const Pixel after = looksOf(dialog).body;
    AppsMode::set(true);
    SendMessageW(dialog, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
    dispatchQueued();
    const Pixel back = looksOf(dialog).body;
    close(dialog);
    EXPECT_NE(before, DarkBody);
    EXPECT_EQ(after, DarkBody);
    EXPECT_EQ(back, before);
}

// High contrast, where the system lets it be set: every colour is the
// system's, the body is not shaded, whatever the theme.
TEST_F(DialogThemeTest, HighContrastGivesEveryColourToTheSystem)
{
    HIGHCONTRASTW saved = {};
    saved.cbSize = sizeof saved;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof saved, &saved, 0));
    HIGHCONTRASTW on = saved;
    on.dwFlags |= HCF_HIGHCONTRASTON;
    on.lpszDefaultScheme = nullptr;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof on, &on, 0);
    HIGHCONTRASTW now = {};
    now.cbSize = sizeof now;
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0);
    if (!(now.dwFlags & HCF_HIGHCONTRASTON))
        GTEST_SKIP() << "this system does not let high contrast be switched on";

    box2_->put_Theme(2);
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_GradientDirection(7);
    box_->put_BackColorBody(0x0000FF00);
    HWND dialog = showModeless(L"High contrast", 0);
    Looks looks;
    if (dialog) {
        looks = looksOf(dialog);
        close(dialog);
    }
    HIGHCONTRASTW off = saved;
    off.lpszDefaultScheme = nullptr;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof off, &off, 0);
    ASSERT_NE(dialog, nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Pixel system{GetRValue(face), GetGValue(face), GetBValue(face)};
    EXPECT_EQ(looks.body, system) << "not the caller's green, not shaded";
    EXPECT_EQ(looks.button, system);
}

} // namespace
} // namespace quillnote::test
