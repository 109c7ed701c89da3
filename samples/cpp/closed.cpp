// Shows a modeless question (version 1.1 of the component) and learns its
// answer from the Closed event, while the program's own message loop runs:
// the event sink ends the loop. Prints "closed <code>": 1 OK, 2 Cancel, and
// 32000 (the TimeoutResult set here) when the countdown closed it.
// Usage: closed [seconds]   (the countdown's length, 10 by default)
#include <windows.h>
#include <ocidl.h>

#include <cstdio>
#include <cstdlib>

#include "Quillnote.h"

// Prints what failed with its HRESULT.
static int fail(const char* what, HRESULT hr)
{
    std::fprintf(stderr, "%s failed: HRESULT 0x%08lX\n", what, static_cast<unsigned long>(hr));
    return 1;
}

// Receives the events of __Quillnote. It lives on main's stack, so its
// reference count only has to be right, not to free it.
class ClosedSink : public IDispatch {
public:
    short result = 0;
    bool closed = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID___Quillnote)) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (member != DISPID_QUILLNOTE_CLOSED)
            return DISP_E_MEMBERNOTFOUND;
        if (!arguments || arguments->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        VARIANT code;
        VariantInit(&code);
        if (SUCCEEDED(VariantChangeType(&code, &arguments->rgvarg[0], 0, VT_I2)))
            result = V_I2(&code);
        closed = true;
        PostQuitMessage(0); // ends the loop in main
        return S_OK;
    }

private:
    ULONG references_ = 1;
};

static int ask(_Quillnote2* box, short seconds)
{
    ClosedSink sink;
    IConnectionPointContainer* container = nullptr;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    HRESULT hr = box->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
    if (SUCCEEDED(hr))
        hr = container->FindConnectionPoint(DIID___Quillnote, &point);
    if (SUCCEEDED(hr))
        hr = point->Advise(&sink, &cookie);
    if (container)
        container->Release();
    if (FAILED(hr)) {
        if (point)
            point->Release();
        return fail("Connecting to the Closed event", hr);
    }

    box->put_Modal(VARIANT_FALSE);        // MsgBox returns at once
    box->put_TimerSeconds(seconds);       // the countdown ...
    box->put_ShowCountdown(VARIANT_TRUE); // ... shown on the default button
    box->put_TimeoutResult(32000);        // what it answers
    BSTR message = SysAllocString(L"Print the report now?");
    BSTR title = SysAllocString(L"Quillnote sample");
    VARIANT shown;
    VariantInit(&shown);
    hr = box->MsgBox(message, MB_OKCANCEL | MB_ICONQUESTION, title, &shown);
    SysFreeString(title);
    SysFreeString(message);
    if (SUCCEEDED(hr)) {
        // The dialog answers the user and counts down while this loop runs.
        MSG msg;
        while (!sink.closed && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::printf("closed %d\n", sink.result);
    }
    point->Unadvise(cookie);
    point->Release();
    return FAILED(hr) ? fail("MsgBox", hr) : 0;
}

int main(int argc, char** argv)
{
    short seconds = argc > 1 ? static_cast<short>(std::atoi(argv[1])) : 10;
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr))
        return fail("CoInitializeEx", hr);
    _Quillnote2* box = nullptr;
    hr = CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID__Quillnote2,
                          reinterpret_cast<void**>(&box));
    int status = FAILED(hr) ? fail("Creating QuillnoteLib.Quillnote (version 1.1)", hr) : ask(box, seconds);
    if (box)
        box->Release();
    CoUninitialize();
    return status;
}
