#include "QuillnoteObject.h"

#include "CallerError.h"
#include "DispatchArguments.h"
#include "dialog/MsgBoxCall.h"
#include "forms/Screen.h"
#include "win/Bstr.h"
#include "win/HResult.h"

#include <new>

namespace quillnote {

namespace {

IconMetrics screenIconMetrics()
{
    return IconMetrics{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), forms::Screen::twipsPerPixelX(),
                       forms::Screen::twipsPerPixelY()};
}

template <typename Out, typename In>
HRESULT readInto(Out* out, In value)
{
    if (!out)
        return E_POINTER;
    *out = static_cast<Out>(value);
    return S_OK;
}

Colour toColour(OLE_COLOR value) { return static_cast<Colour>(value); }

} // namespace

QuillnoteObject::QuillnoteObject()
    : properties_(threadSharedSettings(), screenIconMetrics()), dialogs_(std::make_shared<DialogLink>()),
      closedEvents_(EventConnection::create(*this, DIID___Quillnote))
{
    dialogs_->setClosedHandler([this](const DialogClosing& closing) { dialogClosed(closing); });
}

QuillnoteObject::~QuillnoteObject()
{
    // Dialogs still open tell no one when they close; clients that keep the
    // connection point find it cut off.
    dialogs_->setClosedHandler(nullptr);
    if (closedEvents_)
        closedEvents_->detach();
}

HRESULT QuillnoteObject::create(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    try {
        auto* created = new QuillnoteObject();
        const HRESULT hr = created->QueryInterface(iid, object);
        created->Release();
        return hr;
    }
    CATCH_RETURN()
}

void QuillnoteObject::dialogClosed(const DialogClosing& closing)
{
    // A sink may release the object from inside its handler: it lives
    // until the event has gone to every sink.
    AddRef();
    if (closing.checkBox)
        extended_.setCheckBoxValue(*closing.checkBox ? FlagTrue : FlagFalse);
    if (closedEvents_) {
        VARIANT result;
        VariantInit(&result);
        V_VT(&result) = VT_I2;
        V_I2(&result) = closing.result;
        closedEvents_->raise(DISPID_QUILLNOTE_CLOSED, &result, 1);
    }
    Release();
}

// --- IUnknown -------------------------------------------------------------

void* QuillnoteObject::interfaceFor(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__Quillnote || iid == IID__Quillnote2)
        return static_cast<_Quillnote2*>(this);
    if (iid == IID_ISupportErrorInfo)
        return static_cast<ISupportErrorInfo*>(this);
    if (iid == IID_IConnectionPointContainer)
        return static_cast<IConnectionPointContainer*>(this);
    if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        return static_cast<IProvideClassInfo2*>(this);
    return nullptr;
}

STDMETHODIMP QuillnoteObject::InterfaceSupportsErrorInfo(REFIID iid)
{
    return iid == IID__Quillnote || iid == IID__Quillnote2 || iid == IID_IDispatch ? S_OK : S_FALSE;
}

// --- Events -----------------------------------------------------------------

STDMETHODIMP QuillnoteObject::EnumConnectionPoints(IEnumConnectionPoints** points)
{
    return enumerateOnePoint(closedEvents_.get(), points);
}

STDMETHODIMP QuillnoteObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    if (!point)
        return E_POINTER;
    *point = nullptr;
    if (iid != DIID___Quillnote)
        return CONNECT_E_NOCONNECTION;
    if (!closedEvents_)
        return E_OUTOFMEMORY;
    *point = win::ComPtr<IConnectionPoint>(closedEvents_.get()).detach();
    return S_OK;
}

STDMETHODIMP QuillnoteObject::GetClassInfo(ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    QuillnoteTypeInfo* types = nullptr;
    RETURN_IF_FAILED(typeInfo(types));
    *info = win::ComPtr<ITypeInfo>(types->coclass).detach();
    return S_OK;
}

STDMETHODIMP QuillnoteObject::GetGUID(DWORD kind, GUID* guid)
{
    if (!guid)
        return E_POINTER;
    *guid = GUID_NULL;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
        return E_INVALIDARG;
    *guid = DIID___Quillnote;
    return S_OK;
}

// --- IDispatch ------------------------------------------------------------

HRESULT QuillnoteObject::typeInfo(QuillnoteTypeInfo*& out)
{
    if (!typeInfo_.vtable)
        RETURN_IF_FAILED(loadQuillnoteTypeInfo(typeInfo_));
    out = &typeInfo_;
    return S_OK;
}

STDMETHODIMP QuillnoteObject::GetTypeInfoCount(UINT* count) { return readInto(count, 1); }

STDMETHODIMP QuillnoteObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    QuillnoteTypeInfo* types = nullptr;
    RETURN_IF_FAILED(typeInfo(types));
    *info = win::ComPtr<ITypeInfo>(types->dispatch).detach();
    return S_OK;
}

STDMETHODIMP QuillnoteObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (iid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (count > 0 && (!names || !ids))
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        if (!names[i])
            return E_INVALIDARG;
    QuillnoteTypeInfo* types = nullptr;
    RETURN_IF_FAILED(typeInfo(types));
    return types->vtable->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP QuillnoteObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError)
{
    if (iid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (id == DISPID_QUILLNOTE_MSGBOX && (flags & DISPATCH_METHOD))
        return invokeMsgBox(params, result, exception, argError);
    QuillnoteTypeInfo* types = nullptr;
    RETURN_IF_FAILED(typeInfo(types));
    return types->vtable->Invoke(static_cast<_Quillnote2*>(this), id, flags, params, result, exception, argError);
}

HRESULT QuillnoteObject::invokeMsgBox(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    try {
        MsgBoxArguments arguments;
        RETURN_IF_FAILED(readMsgBoxArguments(params, arguments, argError));
        const MsgBoxOutcome outcome =
            showMessage(properties_, arguments.message, arguments.buttons, arguments.title, extended_, dialogs_);
        if (FAILED(outcome.status))
            return exceptionForCaller(outcome.status, outcome.failure, exception);
        VARIANT code;
        VariantInit(&code);
        V_VT(&code) = VT_I2;
        V_I2(&code) = outcome.code;
        // The result is an output parameter: whatever the caller left in it
        // is not ours to release, so it is overwritten, never cleared.
        if (result)
            *result = code;
        return S_OK;
    }
    CATCH_RETURN()
}

// --- _Quillnote -----------------------------------------------------------

STDMETHODIMP QuillnoteObject::MsgBox(BSTR message, short buttons, BSTR title, VARIANT* result)
{
    if (!result)
        return E_POINTER;
    VariantInit(result);
    try {
        const MsgBoxOutcome outcome =
            showMessage(properties_, win::toU16(message), buttons, win::toU16(title), extended_, dialogs_);
        if (FAILED(outcome.status))
            return setCallerError(outcome.status, outcome.failure);
        V_VT(result) = VT_I2;
        V_I2(result) = outcome.code;
        return S_OK;
    } catch (const std::bad_alloc&) {
        const MsgBoxOutcome outcome = outOfMemory();
        return setCallerError(outcome.status, outcome.failure);
    } catch (...) {
        return setCallerError(E_UNEXPECTED, L"The message box could not be shown.");
    }
}

STDMETHODIMP QuillnoteObject::get_BackColorBody(OLE_COLOR* v) { return readInto(v, properties_.backColorBody()); }
STDMETHODIMP QuillnoteObject::put_BackColorBody(OLE_COLOR v)
{
    properties_.setBackColorBody(toColour(v));
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_BackColorButtons(OLE_COLOR* v) { return readInto(v, properties_.backColorButtons()); }
STDMETHODIMP QuillnoteObject::put_BackColorButtons(OLE_COLOR v)
{
    properties_.setBackColorButtons(toColour(v));
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_BackColorHeading(OLE_COLOR* v) { return readInto(v, properties_.backColorHeading()); }
STDMETHODIMP QuillnoteObject::put_BackColorHeading(OLE_COLOR v)
{
    properties_.setBackColorHeading(toColour(v));
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_ForeColorBody(OLE_COLOR* v) { return readInto(v, properties_.foreColorBody()); }
STDMETHODIMP QuillnoteObject::put_ForeColorBody(OLE_COLOR v)
{
    properties_.setForeColorBody(toColour(v));
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_ForeColorHeading(OLE_COLOR* v) { return readInto(v, properties_.foreColorHeading()); }
STDMETHODIMP QuillnoteObject::put_ForeColorHeading(OLE_COLOR v)
{
    properties_.setForeColorHeading(toColour(v));
    return S_OK;
}

STDMETHODIMP QuillnoteObject::get_GradientPaint(VARIANT_BOOL* v) { return readInto(v, properties_.gradientPaint()); }
STDMETHODIMP QuillnoteObject::put_GradientPaint(VARIANT_BOOL v)
{
    properties_.setGradientPaint(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_GradientDirection(short* v) { return readInto(v, properties_.gradientDirection()); }
STDMETHODIMP QuillnoteObject::put_GradientDirection(short v)
{
    properties_.setGradientDirection(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_HeadingType(short* v) { return readInto(v, properties_.headingType()); }
STDMETHODIMP QuillnoteObject::put_HeadingType(short v)
{
    properties_.setHeadingType(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_SolidColorHeading(VARIANT_BOOL* v)
{
    return readInto(v, properties_.solidColorHeading());
}
STDMETHODIMP QuillnoteObject::put_SolidColorHeading(VARIANT_BOOL v)
{
    properties_.setSolidColorHeading(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_TextAlignment(short* v) { return readInto(v, properties_.textAlignment()); }
STDMETHODIMP QuillnoteObject::put_TextAlignment(short v)
{
    properties_.setTextAlignment(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_Moveable(VARIANT_BOOL* v) { return readInto(v, properties_.moveable()); }
STDMETHODIMP QuillnoteObject::put_Moveable(VARIANT_BOOL v)
{
    properties_.setMoveable(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_KeepOnTop(VARIANT_BOOL* v) { return readInto(v, properties_.keepOnTop()); }
STDMETHODIMP QuillnoteObject::put_KeepOnTop(VARIANT_BOOL v)
{
    properties_.setKeepOnTop(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_Modal(VARIANT_BOOL* v) { return readInto(v, properties_.modal()); }
STDMETHODIMP QuillnoteObject::put_Modal(VARIANT_BOOL v)
{
    properties_.setModal(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_TimerSeconds(short* v) { return readInto(v, properties_.timerSeconds()); }
STDMETHODIMP QuillnoteObject::put_TimerSeconds(short v)
{
    properties_.setTimerSeconds(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_SoundBeep(VARIANT_BOOL* v) { return readInto(v, properties_.soundBeep()); }
STDMETHODIMP QuillnoteObject::put_SoundBeep(VARIANT_BOOL v)
{
    properties_.setSoundBeep(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_ControlBox(VARIANT_BOOL* v) { return readInto(v, properties_.controlBox()); }
STDMETHODIMP QuillnoteObject::put_ControlBox(VARIANT_BOOL v)
{
    properties_.setControlBox(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_StartUpPosition(short* v) { return readInto(v, properties_.startUpPosition()); }
STDMETHODIMP QuillnoteObject::put_StartUpPosition(short v)
{
    properties_.setStartUpPosition(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_Top(LONG* v) { return readInto(v, properties_.top()); }
STDMETHODIMP QuillnoteObject::put_Top(LONG v)
{
    properties_.setTop(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_Left(LONG* v) { return readInto(v, properties_.left()); }
STDMETHODIMP QuillnoteObject::put_Left(LONG v)
{
    properties_.setLeft(v);
    return S_OK;
}

STDMETHODIMP QuillnoteObject::get_DefaultTitle(BSTR* value)
{
    if (!value)
        return E_POINTER;
    *value = nullptr;
    win::Bstr copy = win::Bstr::copyOf(properties_.defaultTitle());
    if (!copy.ok())
        return E_OUTOFMEMORY;
    *value = copy.detach();
    return S_OK;
}

STDMETHODIMP QuillnoteObject::put_DefaultTitle(BSTR value)
{
    try {
        properties_.setDefaultTitle(win::toU16(value));
        return S_OK;
    }
    CATCH_RETURN()
}

// --- _Quillnote2 ----------------------------------------------------------

namespace {

HRESULT copyOut(const std::u16string& text, BSTR* value)
{
    if (!value)
        return E_POINTER;
    *value = nullptr;
    win::Bstr copy = win::Bstr::copyOf(text);
    if (!copy.ok())
        return E_OUTOFMEMORY;
    *value = copy.detach();
    return S_OK;
}

} // namespace

STDMETHODIMP QuillnoteObject::get_ShowCountdown(VARIANT_BOOL* v) { return readInto(v, extended_.showCountdown()); }
STDMETHODIMP QuillnoteObject::put_ShowCountdown(VARIANT_BOOL v)
{
    extended_.setShowCountdown(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_TimeoutResult(short* v) { return readInto(v, extended_.timeoutResult()); }
STDMETHODIMP QuillnoteObject::put_TimeoutResult(short v)
{
    extended_.setTimeoutResult(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_ButtonCaptions(BSTR* v) { return copyOut(extended_.buttonCaptions(), v); }
STDMETHODIMP QuillnoteObject::put_ButtonCaptions(BSTR v)
{
    try {
        extended_.setButtonCaptions(win::toU16(v));
        return S_OK;
    }
    CATCH_RETURN()
}
STDMETHODIMP QuillnoteObject::get_CheckBoxText(BSTR* v) { return copyOut(extended_.checkBoxText(), v); }
STDMETHODIMP QuillnoteObject::put_CheckBoxText(BSTR v)
{
    try {
        extended_.setCheckBoxText(win::toU16(v));
        return S_OK;
    }
    CATCH_RETURN()
}
STDMETHODIMP QuillnoteObject::get_CheckBoxValue(VARIANT_BOOL* v) { return readInto(v, extended_.checkBoxValue()); }
STDMETHODIMP QuillnoteObject::put_CheckBoxValue(VARIANT_BOOL v)
{
    extended_.setCheckBoxValue(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_OwnerWindow(LONG* v) { return readInto(v, extended_.ownerWindow()); }
STDMETHODIMP QuillnoteObject::put_OwnerWindow(LONG v)
{
    extended_.setOwnerWindow(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_Theme(short* v) { return readInto(v, extended_.theme()); }
STDMETHODIMP QuillnoteObject::put_Theme(short v)
{
    extended_.setTheme(v);
    return S_OK;
}
STDMETHODIMP QuillnoteObject::get_IsOpen(VARIANT_BOOL* v)
{
    return readInto(v, dialogs_->isOpen() ? VARIANT_TRUE : VARIANT_FALSE);
}
STDMETHODIMP QuillnoteObject::get_Result(short* v) { return readInto(v, dialogs_->result()); }
STDMETHODIMP QuillnoteObject::Close(short result)
{
    try {
        dialogs_->close(result);
        return S_OK;
    }
    CATCH_RETURN()
}

} // namespace quillnote
