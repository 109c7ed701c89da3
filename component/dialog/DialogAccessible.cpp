#include "DialogAccessible.h"

#include "DialogElements.h"
#include "MessageBoxForm.h"
#include "win/AccessibleIid.h"
#include "win/Bstr.h"
#include "win/HResult.h"

#include <new>

namespace quillnote {

namespace {

// The element a child argument names: a VT_I4 ID the dialog has.
HRESULT elementFor(MessageBoxForm& form, const VARIANT& child, DialogElement& element)
{
    if (V_VT(&child) != VT_I4)
        return E_INVALIDARG;
    const auto found = elementOf(form, V_I4(&child));
    if (!found)
        return E_INVALIDARG;
    element = *found;
    return S_OK;
}

// A text result: S_FALSE and no string when there is no text.
HRESULT textResult(const std::u16string& text, BSTR* out)
{
    win::Bstr copy = win::Bstr::copyOf(text);
    if (!copy.ok())
        return E_OUTOFMEMORY;
    *out = copy.detach();
    return text.empty() ? S_FALSE : S_OK;
}

void putChildId(VARIANT* out, long id)
{
    V_VT(out) = VT_I4;
    V_I4(out) = id;
}

// The text that one element tells (its name, shortcut or default action) as
// a BSTR for the caller.
template <typename Describe>
HRESULT elementText(MessageBoxForm* form, const VARIANT& child, BSTR* out, Describe describe)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!form)
        return RPC_E_DISCONNECTED;
    try {
        DialogElement element;
        RETURN_IF_FAILED(elementFor(*form, child, element));
        return textResult(describe(*form, element), out);
    }
    CATCH_RETURN()
}

} // namespace

DialogAccessible::DialogAccessible(MessageBoxForm& form, win::ComPtr<IAccessible> standard)
    : form_(&form), standard_(std::move(standard))
{}

win::ComPtr<DialogAccessible> DialogAccessible::create(MessageBoxForm& form)
{
    // The window system's object for the client area, for the way to the
    // parent and to sibling windows; the dialog does without it if it fails.
    win::ComPtr<IAccessible> standard;
    CreateStdAccessibleObject(form.hwnd(), OBJID_CLIENT, win::AccessibleIid, standard.putVoid());
    win::ComPtr<DialogAccessible> object;
    *object.put() = new (std::nothrow) DialogAccessible(form, std::move(standard));
    return object;
}

void DialogAccessible::disconnect()
{
    form_ = nullptr;
    standard_.reset();
    // Clients in other apartments or processes lose their connection too.
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

// --- IUnknown ---------------------------------------------------------------

void* DialogAccessible::interfaceFor(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == win::AccessibleIid)
        return static_cast<IAccessible*>(this);
    return nullptr;
}

// --- IDispatch --------------------------------------------------------------

STDMETHODIMP DialogAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP DialogAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP DialogAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP DialogAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

// --- IAccessible: the tree --------------------------------------------------

STDMETHODIMP DialogAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!form_)
        return RPC_E_DISCONNECTED;
    return standard_ ? standard_->get_accParent(parent) : S_FALSE;
}

STDMETHODIMP DialogAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    if (!form_)
        return RPC_E_DISCONNECTED;
    *count = childCount(*form_);
    return S_OK;
}

STDMETHODIMP DialogAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    // The children are simple elements of this object, not objects of
    // their own.
    return element.kind == DialogElement::Kind::Dialog ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP DialogAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end)
        return E_POINTER;
    VariantInit(end);
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, start, element));
    const long from = V_I4(&start);
    const long count = childCount(*form_);
    long to = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD:
        if (from != CHILDID_SELF)
            return S_FALSE;
        to = direction == NAVDIR_FIRSTCHILD ? MessageChild : count;
        break;
    case NAVDIR_NEXT:
    case NAVDIR_RIGHT:
    case NAVDIR_DOWN:
    case NAVDIR_PREVIOUS:
    case NAVDIR_LEFT:
    case NAVDIR_UP:
        if (from == CHILDID_SELF)
            // Among windows: the window system knows the dialog's siblings.
            return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
        to = (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT || direction == NAVDIR_DOWN) ? from + 1 : from - 1;
        if (to < MessageChild || to > count)
            return S_FALSE;
        break;
    default:
        return E_INVALIDARG;
    }
    putChildId(end, to);
    return S_OK;
}

STDMETHODIMP DialogAccessible::accHitTest(long x, long y, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!form_)
        return RPC_E_DISCONNECTED;
    const auto id = childAt(*form_, POINT{x, y});
    if (!id)
        return S_FALSE;
    putChildId(child, *id);
    return S_OK;
}

STDMETHODIMP DialogAccessible::get_accFocus(VARIANT* focus)
{
    if (!focus)
        return E_POINTER;
    VariantInit(focus);
    if (!form_)
        return RPC_E_DISCONNECTED;
    const auto id = focusedChild(*form_);
    if (!id)
        return S_FALSE;
    putChildId(focus, *id);
    return S_OK;
}

STDMETHODIMP DialogAccessible::get_accSelection(VARIANT* selection)
{
    if (!selection)
        return E_POINTER;
    VariantInit(selection);
    return form_ ? S_FALSE : RPC_E_DISCONNECTED;
}

// --- IAccessible: what each element tells -----------------------------------

STDMETHODIMP DialogAccessible::get_accName(VARIANT child, BSTR* name)
{
    const HRESULT hr = elementText(
        form_, child, name, [](MessageBoxForm& form, const DialogElement& element) { return nameOf(form, element); });
    // A name may be empty; it is still the element's name.
    return hr == S_FALSE ? S_OK : hr;
}

STDMETHODIMP DialogAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role)
        return E_POINTER;
    VariantInit(role);
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    putChildId(role, roleOf(element));
    return S_OK;
}

STDMETHODIMP DialogAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state)
        return E_POINTER;
    VariantInit(state);
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    putChildId(state, stateOf(*form_, element));
    return S_OK;
}

STDMETHODIMP DialogAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return elementText(form_, child, shortcut,
                       [](MessageBoxForm&, const DialogElement& element) { return shortcutOf(element); });
}

STDMETHODIMP DialogAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return elementText(form_, child, action,
                       [](MessageBoxForm&, const DialogElement& element) { return defaultActionOf(element); });
}

STDMETHODIMP DialogAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    const RECT rect = locationOf(*form_, element);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

STDMETHODIMP DialogAccessible::accDoDefaultAction(VARIANT child)
{
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    if (element.kind != DialogElement::Kind::Button && element.kind != DialogElement::Kind::CheckBox)
        return DISP_E_MEMBERNOTFOUND;
    if (!element.button->enabled())
        return E_FAIL;
    // Pressed from the dialog's own message loop, as a click would be: the
    // press may close the dialog, which must not happen inside this call.
    if (!element.button->ensureWindow())
        return E_FAIL;
    return PostMessageW(element.button->hwnd(), BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

STDMETHODIMP DialogAccessible::accSelect(long flags, VARIANT child)
{
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    if (flags != SELFLAG_TAKEFOCUS)
        return DISP_E_MEMBERNOTFOUND;
    switch (element.kind) {
    case DialogElement::Kind::Button:
    case DialogElement::Kind::CheckBox:
        return element.button->setFocus() ? S_OK : E_FAIL;
    case DialogElement::Kind::Dialog:
        SetFocus(form_->hwnd());
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

// --- IAccessible: what the dialog does not have -----------------------------

STDMETHODIMP DialogAccessible::get_accValue(VARIANT child, BSTR* value)
{
    if (!value)
        return E_POINTER;
    *value = nullptr;
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP DialogAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    return get_accValue(child, description);
}

STDMETHODIMP DialogAccessible::get_accHelp(VARIANT child, BSTR* help) { return get_accValue(child, help); }

STDMETHODIMP DialogAccessible::get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic)
{
    if (!helpFile || !topic)
        return E_POINTER;
    *topic = 0;
    return get_accValue(child, helpFile);
}

STDMETHODIMP DialogAccessible::put_accName(VARIANT child, BSTR) { return put_accValue(child, nullptr); }

STDMETHODIMP DialogAccessible::put_accValue(VARIANT child, BSTR)
{
    if (!form_)
        return RPC_E_DISCONNECTED;
    DialogElement element;
    RETURN_IF_FAILED(elementFor(*form_, child, element));
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace quillnote
