#pragma once
// The Quillnote class: the dual interface _Quillnote2 (the members of
// version 1.0's _Quillnote and those of 1.1) over the portable property
// rules, with IDispatch answered from the embedded type library. A call that
// fails tells why through the thread's error object (ISupportErrorInfo) and,
// late bound, through EXCEPINFO. The event Closed goes out through a
// connection point; IProvideClassInfo2 names the class and its events for
// clients that connect to them by the object alone.

#include "EventConnection.h"
#include "Quillnote.h"
#include "TypeInfo.h"
#include "core/ExtendedProperties.h"
#include "core/QuillnoteProperties.h"
#include "dialog/DialogLink.h"
#include "win/ComObject.h"

#include <ocidl.h>

#include <memory>

namespace quillnote {

class QuillnoteObject final
    : public win::ComObject<_Quillnote2, ISupportErrorInfo, IConnectionPointContainer, IProvideClassInfo2> {
public:
    // Creates an object and returns its interface iid.
    static HRESULT create(REFIID iid, void** object);

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // _Quillnote
    STDMETHODIMP MsgBox(BSTR message, short buttons, BSTR title, VARIANT* result) override;
    STDMETHODIMP get_BackColorBody(OLE_COLOR* value) override;
    STDMETHODIMP put_BackColorBody(OLE_COLOR value) override;
    STDMETHODIMP get_BackColorButtons(OLE_COLOR* value) override;
    STDMETHODIMP put_BackColorButtons(OLE_COLOR value) override;
    STDMETHODIMP get_BackColorHeading(OLE_COLOR* value) override;
    STDMETHODIMP put_BackColorHeading(OLE_COLOR value) override;
    STDMETHODIMP get_ForeColorBody(OLE_COLOR* value) override;
    STDMETHODIMP put_ForeColorBody(OLE_COLOR value) override;
    STDMETHODIMP get_ForeColorHeading(OLE_COLOR* value) override;
    STDMETHODIMP put_ForeColorHeading(OLE_COLOR value) override;
    STDMETHODIMP get_GradientPaint(VARIANT_BOOL* value) override;
    STDMETHODIMP put_GradientPaint(VARIANT_BOOL value) override;
    STDMETHODIMP get_GradientDirection(short* value) override;
    STDMETHODIMP put_GradientDirection(short value) override;
    STDMETHODIMP get_HeadingType(short* value) override;
    STDMETHODIMP put_HeadingType(short value) override;
    STDMETHODIMP get_SolidColorHeading(VARIANT_BOOL* value) override;
    STDMETHODIMP put_SolidColorHeading(VARIANT_BOOL value) override;
    STDMETHODIMP get_TextAlignment(short* value) override;
    STDMETHODIMP put_TextAlignment(short value) override;
    STDMETHODIMP get_Moveable(VARIANT_BOOL* value) override;
    STDMETHODIMP put_Moveable(VARIANT_BOOL value) override;
    STDMETHODIMP get_KeepOnTop(VARIANT_BOOL* value) override;
    STDMETHODIMP put_KeepOnTop(VARIANT_BOOL value) override;
    STDMETHODIMP get_Modal(VARIANT_BOOL* value) override;
    STDMETHODIMP put_Modal(VARIANT_BOOL value) override;
    STDMETHODIMP get_TimerSeconds(short* value) override;
    STDMETHODIMP put_TimerSeconds(short value) override;
    STDMETHODIMP get_SoundBeep(VARIANT_BOOL* value) override;
    STDMETHODIMP put_SoundBeep(VARIANT_BOOL value) override;
    STDMETHODIMP get_ControlBox(VARIANT_BOOL* value) override;
    STDMETHODIMP put_ControlBox(VARIANT_BOOL value) override;
    STDMETHODIMP get_StartUpPosition(short* value) override;
    STDMETHODIMP put_StartUpPosition(short value) override;
    STDMETHODIMP get_Top(LONG* value) override;
    STDMETHODIMP put_Top(LONG value) override;
    STDMETHODIMP get_Left(LONG* value) override;
    STDMETHODIMP put_Left(LONG value) override;
    STDMETHODIMP get_DefaultTitle(BSTR* value) override;
    STDMETHODIMP put_DefaultTitle(BSTR value) override;

    // _Quillnote2
    STDMETHODIMP get_ShowCountdown(VARIANT_BOOL* value) override;
    STDMETHODIMP put_ShowCountdown(VARIANT_BOOL value) override;
    STDMETHODIMP get_TimeoutResult(short* value) override;
    STDMETHODIMP put_TimeoutResult(short value) override;
    STDMETHODIMP get_ButtonCaptions(BSTR* value) override;
    STDMETHODIMP put_ButtonCaptions(BSTR value) override;
    STDMETHODIMP get_CheckBoxText(BSTR* value) override;
    STDMETHODIMP put_CheckBoxText(BSTR value) override;
    STDMETHODIMP get_CheckBoxValue(VARIANT_BOOL* value) override;
    STDMETHODIMP put_CheckBoxValue(VARIANT_BOOL value) override;
    STDMETHODIMP get_OwnerWindow(LONG* value) override;
    STDMETHODIMP put_OwnerWindow(LONG value) override;
    STDMETHODIMP get_Theme(short* value) override;
    STDMETHODIMP put_Theme(short value) override;
    STDMETHODIMP get_IsOpen(VARIANT_BOOL* value) override;
    STDMETHODIMP get_Result(short* value) override;
    STDMETHODIMP Close(short result) override;

private:
    QuillnoteObject();
    ~QuillnoteObject() override;

    void* interfaceFor(REFIID iid) override;
    HRESULT typeInfo(QuillnoteTypeInfo*& out);
    HRESULT invokeMsgBox(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError);
    // A dialog of this object closed with an answer: the check box's state
    // is kept and Closed is raised.
    void dialogClosed(const DialogClosing& closing);

    QuillnoteProperties properties_;
    ExtendedProperties extended_;
    QuillnoteTypeInfo typeInfo_;
    std::shared_ptr<DialogLink> dialogs_;
    win::ComPtr<EventConnection> closedEvents_;
};

} // namespace quillnote
