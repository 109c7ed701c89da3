#pragma once
// What accessibility tools (screen readers) read of the dialog: the dialog
// itself named by its heading, and as its children the message text and each
// shown button, with the button's access key, default action and states.
// The heading and the message are painted, so no window of theirs tells them.
//
// A client may keep the object after the dialog is gone: the dialog
// disconnects it when it closes, and every call after that fails with
// RPC_E_DISCONNECTED instead of reaching the dialog. The object keeps the
// library loaded while the client holds it.

#include "win/ComObject.h"
#include "win/ComPtr.h"

#include <windows.h>
#include <oleacc.h>

namespace quillnote {

class MessageBoxForm;

class DialogAccessible final : public win::ComObject<IAccessible> {
public:
    // A new object over a loaded dialog, null when memory is short.
    static win::ComPtr<DialogAccessible> create(MessageBoxForm& form);
    // The dialog is closing: the object lets go of it for good.
    void disconnect();

    // IDispatch: no type information; clients call the vtable.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(long* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* focus) override;
    STDMETHODIMP get_accSelection(VARIANT* selection) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(long flags, VARIANT child) override;
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

private:
    DialogAccessible(MessageBoxForm& form, win::ComPtr<IAccessible> standard);
    ~DialogAccessible() override = default;

    void* interfaceFor(REFIID iid) override;

    MessageBoxForm* form_;
    // The window system's own object for the dialog's client area: it knows
    // the way to the parent window.
    win::ComPtr<IAccessible> standard_;
};

} // namespace quillnote
