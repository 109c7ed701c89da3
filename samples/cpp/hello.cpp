// Creates a Quillnote object without any registration (the program's
// manifest names the assembly beside it), asks a question and prints the
// answer: 6 Yes, 7 No, 2 Cancel, 0 when the countdown closed the question.
// Usage: hello [seconds]   (with seconds, the question closes itself after that long)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "Quillnote.h"

// Prints what failed with its HRESULT and the system's text for it.
static int fail(const char* what, HRESULT hr)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::fprintf(stderr, "%s failed: HRESULT 0x%08lX: %s\n", what, static_cast<unsigned long>(hr),
                 text ? text : "(the system has no text for this code)\n");
    LocalFree(text);
    return 1;
}

static int ask(_Quillnote* box, short seconds)
{
    box->put_BackColorHeading(0x800000);  // navy heading
    box->put_GradientPaint(VARIANT_TRUE); // shaded body
    box->put_TimerSeconds(seconds);       // 0: no countdown
    BSTR message = SysAllocString(L"Save the changes?");
    BSTR title = SysAllocString(L"Quillnote sample");
    VARIANT answer;
    VariantInit(&answer);
    HRESULT hr = box->MsgBox(message, MB_YESNOCANCEL | MB_ICONQUESTION, title, &answer);
    SysFreeString(title);
    SysFreeString(message);
    if (FAILED(hr))
        return fail("MsgBox", hr);
    std::printf("answer %d\n", V_VT(&answer) == VT_I2 ? V_I2(&answer) : -1);
    return 0;
}

int main(int argc, char** argv)
{
    short seconds = argc > 1 ? static_cast<short>(std::atoi(argv[1])) : 0;
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr))
        return fail("CoInitializeEx", hr);
    _Quillnote* box = nullptr;
    hr = CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID__Quillnote,
                          reinterpret_cast<void**>(&box));
    int status = FAILED(hr) ? fail("Creating QuillnoteLib.Quillnote", hr) : ask(box, seconds);
    if (box)
        box->Release();
    CoUninitialize();
    return status;
}
