#include "ShowAction.h"

#include "Text.h"
#include "win/Bstr.h"

#include <cstdio>
#include <string_view>

namespace quillnote::demo {

namespace {

OLE_COLOR oleColour(Colour colour) { return static_cast<OLE_COLOR>(colour); }
VARIANT_BOOL variantBool(Flag flag) { return static_cast<VARIANT_BOOL>(flag); }

std::wstring systemMessage(HRESULT result)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    // The system's texts end with a full stop and a line break; the report
    // puts the text in brackets.
    while (!text.empty() && std::wstring_view(L"\r\n .").find(text.back()) != std::wstring_view::npos)
        text.pop_back();
    return text;
}

VARIANT_BOOL variantBool(bool on) { return on ? VARIANT_TRUE : VARIANT_FALSE; }

// The members of version 1.1, in the order of their interface. Returns
// false when a text cannot be copied (the call is not made then).
bool writeVersion11(_Quillnote2& box, const Version11Values& v, HWND window)
{
    const win::Bstr captions = win::Bstr::copyOf(v.buttonCaptions);
    const win::Bstr checkBoxText = win::Bstr::copyOf(v.checkBoxText);
    if (!captions.ok() || !checkBoxText.ok())
        return false;
    box.put_ShowCountdown(variantBool(v.showCountdown));
    box.put_TimeoutResult(v.timeoutResult);
    box.put_ButtonCaptions(captions.get());
    box.put_CheckBoxText(checkBoxText.get());
    box.put_CheckBoxValue(variantBool(v.checkBoxValue));
    // A window handle's significant bits fit 32 bits on every Windows.
    box.put_OwnerWindow(v.ownedByWindow && window ? HandleToLong(window) : 0);
    box.put_Theme(v.theme);
    return true;
}

} // namespace

HRESULT ShowAction::ensureObject()
{
    if (demoBox_)
        return S_OK;
    win::ComPtr<_Quillnote> created;
    HRESULT result = services_.createQuillnote ? services_.createQuillnote(created) : E_NOTIMPL;
    if (SUCCEEDED(result) && !created)
        result = E_POINTER;
    if (SUCCEEDED(result))
        demoBox_ = std::move(created);
    return result;
}

void ShowAction::writeAndCall(const PropertyValues& v, Version11Values& version11, HWND window,
                              const std::u16string& message, const std::u16string& title)
{
    // The working reference: the object stays in demoBox_ when it goes.
    const win::ComPtr<_Quillnote> box = demoBox_;
    if (!box)
        return;
    // The component's setters never fail (they correct what is out of
    // range), so their results tell nothing and every property is written.
    box->put_BackColorHeading(oleColour(v.backColorHeading));
    box->put_BackColorBody(oleColour(v.backColorBody));
    box->put_BackColorButtons(oleColour(v.backColorButtons));
    box->put_ForeColorHeading(oleColour(v.foreColorHeading));
    box->put_ForeColorBody(oleColour(v.foreColorBody));
    box->put_GradientPaint(variantBool(v.gradientPaint));
    box->put_GradientDirection(v.gradientDirection);
    box->put_HeadingType(v.headingType);
    box->put_TextAlignment(v.textAlignment);
    box->put_SolidColorHeading(variantBool(v.solidColorHeading));
    box->put_ControlBox(variantBool(v.controlBox));
    box->put_KeepOnTop(variantBool(v.keepOnTop));
    box->put_SoundBeep(variantBool(v.soundBeep));
    box->put_StartUpPosition(v.startUpPosition);
    box->put_Left(v.left);
    box->put_Top(v.top);
    box->put_Moveable(variantBool(v.moveable));
    box->put_Modal(variantBool(v.modal));
    box->put_TimerSeconds(v.timerSeconds);

    win::ComPtr<_Quillnote2> box2;
    if (FAILED(box->QueryInterface(IID_PPV_ARGS(box2.put()))))
        box2.reset();
    if (box2 && !writeVersion11(*box2.get(), version11, window))
        return;

    const win::Bstr messageText = win::Bstr::copyOf(message);
    const win::Bstr titleText = win::Bstr::copyOf(title);
    if (!messageText.ok() || !titleText.ok())
        return;
    VARIANT result;
    VariantInit(&result);
    box->MsgBox(messageText.get(), v.buttons, titleText.get(), &result);
    VariantClear(&result);

    VARIANT_BOOL left = VARIANT_FALSE;
    if (box2 && SUCCEEDED(box2->get_CheckBoxValue(&left)))
        version11.checkBoxValue = left != VARIANT_FALSE;
}

std::wstring creationFailureText(HRESULT result)
{
    wchar_t code[16] = {};
    std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(result));
    std::wstring text = L"The Quillnote component could not be created (" + std::wstring(code);
    const std::wstring cause = systemMessage(result);
    if (!cause.empty())
        text += L": " + cause;
    text += L").\n\nKeep Quillnote.dll and Quillnote.manifest in the folder of QuillnoteSample.exe, "
            L"or register the component with regsvr32 Quillnote.dll.\n\nThe message was not shown.";
    return text;
}

std::wstring unconvertibleText(Control field, const std::u16string& text)
{
    const std::wstring name = toWide(fieldName(field));
    std::wstring report = name + L": \"" + toWide(text) + L"\" ";
    if (field == Control::TimerSeconds)
        report += L"is not a number of seconds that fits the property (-32768 to 32767).";
    else
        report += L"is not a colour: its number does not fit a 32-bit colour value "
                  L"(-2147483648 to 2147483647; for example 255 or &H8000000F).";
    report += L"\n\nThe message was not shown.";
    return report;
}

} // namespace quillnote::demo
