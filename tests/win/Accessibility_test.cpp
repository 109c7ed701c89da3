// Screen readers read the dialog through its own accessible object: the
// dialog named by its heading, the message as static text and each shown
// button with its name, access key, default action and states. Showing a
// dialog raises a dialog start, and an alert as well when it shows an icon.

#include "DialogTest.h"
#include "win/AccessibleIid.h"
#include "win/Bstr.h"
#include "win/UniqueHandle.h"

#include <oleacc.h>

#include <utility>
#include <vector>

namespace quillnote::test {
namespace {

constexpr short YesNoCancelSecondDefault = 3 + 256;
constexpr short ExclamationIcon = 48;

struct WinEventHookTraits {
    using Handle = HWINEVENTHOOK;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { UnhookWinEvent(h); }
};
using UniqueWinEventHook = win::UniqueHandle<WinEventHookTraits>;

// The VARIANTs AccessibleChildren fills, cleared when they go.
class VariantArray {
public:
    explicit VariantArray(size_t count) : items_(count)
    {
        for (VARIANT& item : items_)
            VariantInit(&item);
    }
    ~VariantArray()
    {
        for (VARIANT& item : items_)
            VariantClear(&item);
    }
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;
    VARIANT* data() { return items_.data(); }
    const VARIANT& operator[](size_t i) const { return items_[i]; }

private:
    std::vector<VARIANT> items_;
};

// A child's id as MSAA passes it: a VT_I4 variant.
VARIANT childId(long id) { return makeI4(id); }

win::ComPtr<IAccessible> accessibleOf(HWND dialog)
{
    win::ComPtr<IAccessible> object;
    EXPECT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid()));
    return object;
}

// The child IDs AccessibleChildren reports; -1 for a child that is not a
// simple element.
std::vector<long> childrenOf(IAccessible& object)
{
    long count = 0;
    EXPECT_HRESULT_SUCCEEDED(object.get_accChildCount(&count));
    std::vector<long> ids;
    if (count <= 0)
        return ids;
    VariantArray children(static_cast<size_t>(count));
    long obtained = 0;
    EXPECT_EQ(AccessibleChildren(&object, 0, count, children.data(), &obtained), S_OK);
    for (long i = 0; i < obtained; ++i)
        ids.push_back(V_VT(&children[static_cast<size_t>(i)]) == VT_I4 ? V_I4(&children[static_cast<size_t>(i)]) : -1);
    return ids;
}

struct ElementReading {
    long role = -1;
    long state = -1;
    std::wstring name;
    std::wstring shortcut;
    std::wstring action;
};

ElementReading read(IAccessible& object, long id)
{
    ElementReading out;
    const VARIANT child = childId(id);
    Variant role;
    EXPECT_EQ(object.get_accRole(child, role.get()), S_OK) << "child " << id;
    if (V_VT(&*role) == VT_I4)
        out.role = V_I4(&*role);
    Variant state;
    EXPECT_EQ(object.get_accState(child, state.get()), S_OK) << "child " << id;
    if (V_VT(&*state) == VT_I4)
        out.state = V_I4(&*state);
    win::Bstr name;
    EXPECT_EQ(object.get_accName(child, name.put()), S_OK) << "child " << id;
    out.name = std::wstring(name.view());
    win::Bstr shortcut;
    EXPECT_HRESULT_SUCCEEDED(object.get_accKeyboardShortcut(child, shortcut.put()));
    out.shortcut = std::wstring(shortcut.view());
    win::Bstr action;
    EXPECT_HRESULT_SUCCEEDED(object.get_accDefaultAction(child, action.put()));
    out.action = std::wstring(action.view());
    return out;
}

bool has(long state, long flag) { return (state & flag) != 0; }

void expectButton(IAccessible& object, long id, const std::wstring& name, const std::wstring& shortcut, bool isDefault)
{
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    const ElementReading button = read(object, id);
    EXPECT_EQ(button.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(button.name, name);
    EXPECT_EQ(button.shortcut, shortcut);
    EXPECT_EQ(button.action, L"Press");
    EXPECT_TRUE(has(button.state, STATE_SYSTEM_FOCUSABLE));
    EXPECT_EQ(has(button.state, STATE_SYSTEM_DEFAULT), isDefault);
}

// The screen rectangle the object gives for a child.
RECT locationOf(IAccessible& object, long id)
{
    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(object.accLocation(&left, &top, &width, &height, childId(id)), S_OK);
    return RECT{left, top, left + width, top + height};
}

bool sameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

using AccessibilityTest = DialogTest;

TEST_F(AccessibilityTest, AModelessDialogReadsAsItsHeadingTheMessageAndTheShownButtons)
{
    const win::Bstr heading = win::Bstr::copyOf(u"Editor");
    box_->put_DefaultTitle(heading.get());
    HWND dialog = showModeless(L"Save the changes?", YesNoCancelSecondDefault);
    ASSERT_NE(dialog, nullptr);
    const win::ComPtr<IAccessible> object = accessibleOf(dialog);
    ASSERT_TRUE(object);

    const ElementReading self = read(*object.get(), CHILDID_SELF);
    EXPECT_EQ(self.role, ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(self.name, L"Editor");

    // The fourth button is hidden and the painted surfaces are no children.
    EXPECT_EQ(childrenOf(*object.get()), (std::vector<long>{1, 2, 3, 4}));
    const ElementReading message = read(*object.get(), 1);
    EXPECT_EQ(message.role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(message.name, L"Save the changes?");
    EXPECT_EQ(message.action, L"");
    expectButton(*object.get(), 2, L"Yes", L"Alt+Y", false);
    expectButton(*object.get(), 3, L"No", L"Alt+N", true);
    expectButton(*object.get(), 4, L"Cancel", L"", false);

    // The default button holds the focus, and the reader is told so.
    const DialogView view = viewOf(dialog);
    const ButtonInfo* no = view.button(L"&No");
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(GetFocus(), no->hwnd);
    EXPECT_TRUE(has(read(*object.get(), 3).state, STATE_SYSTEM_FOCUSED));
    EXPECT_FALSE(has(read(*object.get(), 2).state, STATE_SYSTEM_FOCUSED));
    Variant focus;
    EXPECT_EQ(object->get_accFocus(focus.get()), S_OK);
    EXPECT_EQ(V_VT(&*focus), VT_I4);
    EXPECT_EQ(V_I4(&*focus), 3);
    EXPECT_TRUE(sameRect(locationOf(*object.get(), 3), no->rect));

    // Readers walk the children and find them under the mouse.
    Variant reached;
    EXPECT_EQ(object->accNavigate(NAVDIR_FIRSTCHILD, childId(CHILDID_SELF), reached.get()), S_OK);
    EXPECT_EQ(V_I4(&*reached), 1);
    Variant next;
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, childId(3), next.get()), S_OK);
    EXPECT_EQ(V_I4(&*next), 4);
    Variant beyond;
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, childId(4), beyond.get()), S_FALSE);
    EXPECT_EQ(V_VT(&*beyond), VT_EMPTY);
    Variant hit;
    EXPECT_EQ(object->accHitTest((no->rect.left + no->rect.right) / 2, (no->rect.top + no->rect.bottom) / 2, hit.get()),
              S_OK);
    EXPECT_EQ(V_VT(&*hit), VT_I4);
    EXPECT_EQ(V_I4(&*hit), 3);

    close(dialog);
}

TEST_F(AccessibilityTest, TheDefaultActionPressesTheButton)
{
    HWND dialog = showModeless(L"Press by reader", YesNoCancelSecondDefault);
    ASSERT_NE(dialog, nullptr);
    const win::ComPtr<IAccessible> object = accessibleOf(dialog);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->accDoDefaultAction(childId(2)), S_OK);
    EXPECT_TRUE(IsWindow(dialog)) << "the press ran inside the call";
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000)) << "Yes did not close the dialog";
    if (IsWindow(dialog))
        close(dialog);
}

TEST_F(AccessibilityTest, BadArgumentsAreRefused)
{
    HWND dialog = showModeless(L"Arguments", 4);
    ASSERT_NE(dialog, nullptr);
    const win::ComPtr<IAccessible> object = accessibleOf(dialog);
    ASSERT_TRUE(object);
    const VARIANT self = childId(CHILDID_SELF);
    EXPECT_EQ(object->get_accChildCount(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accName(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accRole(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accState(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accKeyboardShortcut(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accDefaultAction(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accFocus(nullptr), E_POINTER);
    EXPECT_EQ(object->accLocation(nullptr, nullptr, nullptr, nullptr, self), E_POINTER);
    EXPECT_EQ(object->accHitTest(0, 0, nullptr), E_POINTER);
    EXPECT_EQ(object->accNavigate(NAVDIR_FIRSTCHILD, self, nullptr), E_POINTER);

    // Yes and No are children 2 and 3; there is no child 4.
    win::Bstr name;
    EXPECT_EQ(object->get_accName(childId(4), name.put()), E_INVALIDARG);
    EXPECT_EQ(object->get_accName(childId(-7), name.put()), E_INVALIDARG);
    EXPECT_EQ(object->accDoDefaultAction(childId(4)), E_INVALIDARG);
    VARIANT wrongType;
    VariantInit(&wrongType);
    V_VT(&wrongType) = VT_I2;
    V_I2(&wrongType) = 2;
    EXPECT_EQ(object->get_accName(wrongType, name.put()), E_INVALIDARG);
    Variant role;
    EXPECT_EQ(object->get_accRole(wrongType, role.get()), E_INVALIDARG);
    VARIANT empty;
    VariantInit(&empty);
    EXPECT_EQ(object->get_accName(empty, name.put()), E_INVALIDARG);
    // The message has no action to do.
    EXPECT_TRUE(FAILED(object->accDoDefaultAction(childId(1))));
    EXPECT_TRUE(IsWindow(dialog));

    close(dialog);
}

TEST_F(AccessibilityTest, AnObjectKeptAfterTheDialogClosedFailsItsCalls)
{
    HWND dialog = showModeless(L"Kept", 3);
    ASSERT_NE(dialog, nullptr);
    const win::ComPtr<IAccessible> object = accessibleOf(dialog);
    ASSERT_TRUE(object);
    close(dialog);
    ASSERT_FALSE(IsWindow(dialog));
    flushEvents(100);

    long count = -1;
    EXPECT_TRUE(FAILED(object->get_accChildCount(&count)));
    win::Bstr name;
    EXPECT_TRUE(FAILED(object->get_accName(childId(CHILDID_SELF), name.put())));
    EXPECT_TRUE(FAILED(object->get_accName(childId(2), name.put())));
    Variant role;
    EXPECT_TRUE(FAILED(object->get_accRole(childId(1), role.get())));
    EXPECT_TRUE(FAILED(object->accDoDefaultAction(childId(2))));
    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_TRUE(FAILED(object->accLocation(&left, &top, &width, &height, childId(2))));
    Variant focus;
    EXPECT_TRUE(FAILED(object->get_accFocus(focus.get())));
}

TEST_F(AccessibilityTest, AModalDialogIsReadAndPressedWhileItRuns)
{
    std::vector<long> children;
    ElementReading self;
    ElementReading okButton;
    HRESULT pressed = E_FAIL;
    DialogDriver driver([&](const DialogView& view) {
        const win::ComPtr<IAccessible> object = accessibleOf(view.dialog);
        if (!object)
            return;
        children = childrenOf(*object.get());
        self = read(*object.get(), CHILDID_SELF);
        okButton = read(*object.get(), 2);
        pressed = object->accDoDefaultAction(childId(2));
    });
    EXPECT_EQ(msgBox(L"Modal and read", 1, L"Reader"), 1) << "OK did not close the dialog";
    EXPECT_TRUE(driver.sawDialog());
    EXPECT_FALSE(driver.timedOut());
    EXPECT_EQ(children, (std::vector<long>{1, 2, 3}));
    EXPECT_EQ(self.role, ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(self.name, L"Reader");
    EXPECT_EQ(okButton.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(okButton.name, L"OK");
    EXPECT_EQ(okButton.shortcut, L"Alt+O");
    EXPECT_TRUE(has(okButton.state, STATE_SYSTEM_DEFAULT));
    EXPECT_EQ(pressed, S_OK);
}

TEST_F(AccessibilityTest, AModalDialogsLaterStepSeesTheFocusedDefaultButton)
{
    long focusedState = 0;
    std::wstring focusedName;
    DialogDriver driver([](const DialogView&) {});
    driver.then(400, [&](const DialogView& view) {
        const win::ComPtr<IAccessible> object = accessibleOf(view.dialog);
        if (!object)
            return;
        Variant focus;
        if (object->get_accFocus(focus.get()) == S_OK && V_VT(&*focus) == VT_I4) {
            const ElementReading reading = read(*object.get(), V_I4(&*focus));
            focusedState = reading.state;
            focusedName = reading.name;
        }
        object->accDoDefaultAction(childId(3));
    });
    EXPECT_EQ(msgBox(L"Yes or no", 4 + 256), 7) << "No did not close the dialog";
    EXPECT_EQ(focusedName, L"No");
    EXPECT_TRUE(has(focusedState, STATE_SYSTEM_FOCUSED));
    EXPECT_TRUE(has(focusedState, STATE_SYSTEM_DEFAULT));
}

// The events an out-of-context hook of this thread received.
struct SeenEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};
std::vector<SeenEvent>* seenEvents = nullptr;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (seenEvents)
        seenEvents->push_back(SeenEvent{event, window, object, child});
}

class AnnouncementTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        seenEvents = &events_;
        hook_.reset(SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_DIALOGSTART, nullptr, &recordEvent,
                                    GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT));
        ASSERT_TRUE(hook_);
    }
    void TearDown() override
    {
        hook_.reset();
        seenEvents = nullptr;
        DialogTest::TearDown();
    }

    bool saw(DWORD event, HWND window) const
    {
        for (const SeenEvent& seen : events_)
            if (seen.event == event && seen.window == window && seen.object == OBJID_WINDOW &&
                seen.child == CHILDID_SELF)
                return true;
        return false;
    }

    std::vector<SeenEvent> events_;
    UniqueWinEventHook hook_;
};

TEST_F(AnnouncementTest, ADialogWithAnIconStartsAndAlerts)
{
    HWND dialog = showModeless(L"Careful", ExclamationIcon);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(
        pumpUntil([&] { return saw(EVENT_SYSTEM_DIALOGSTART, dialog) && saw(EVENT_SYSTEM_ALERT, dialog); }, 3000));
    EXPECT_TRUE(saw(EVENT_SYSTEM_DIALOGSTART, dialog));
    EXPECT_TRUE(saw(EVENT_SYSTEM_ALERT, dialog));
    close(dialog);
}

TEST_F(AnnouncementTest, ADialogWithoutAnIconStartsWithoutAlert)
{
    HWND dialog = showModeless(L"Plain", 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(pumpUntil([&] { return saw(EVENT_SYSTEM_DIALOGSTART, dialog); }, 3000));
    flushEvents(300);
    EXPECT_FALSE(saw(EVENT_SYSTEM_ALERT, dialog));
    close(dialog);
}

TEST_F(AnnouncementTest, AModalDialogStartsBeforeItsLoopRuns)
{
    HWND seenDialog = nullptr;
    bool startedWhenActive = false;
    DialogDriver driver([&](const DialogView& view) {
        seenDialog = view.dialog;
        pumpUntil([&] { return saw(EVENT_SYSTEM_DIALOGSTART, view.dialog); }, 3000);
        startedWhenActive = saw(EVENT_SYSTEM_DIALOGSTART, view.dialog);
        releaseKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    msgBox(L"Modal careful", 1 + ExclamationIcon);
    EXPECT_TRUE(driver.sawDialog());
    EXPECT_TRUE(startedWhenActive);
    EXPECT_TRUE(saw(EVENT_SYSTEM_ALERT, seenDialog));
}

} // namespace
} // namespace quillnote::test
