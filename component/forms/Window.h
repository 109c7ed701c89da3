#pragma once
// One window base for the form layer: it stores `this` at WM_NCCREATE, owns
// its window handle and routes every message to handleMessage.

#include <windows.h>

#include <string>

namespace quillnote::forms {

// The module that holds the form layer (the component library), for window
// classes and resources.
HINSTANCE thisModule();

// Sends what the calling thread has drawn on its windows to the screen now.
// A window system that keeps each window's picture on the client side (as
// Wine does) sends it to the display only when the thread next waits for
// messages, or after 50 ms of drawing without a wait: a paint made outside
// the message loop (a dialog's first paint, at its activation, or a dialog
// left to a caller that does not pump messages) would otherwise stay off the
// screen while the thread goes on with other work, though no window waits
// for a paint any more.
void showWhatWasDrawn();

// Unregisters every window class the form layer registered, for a library
// that is being unloaded: a class left behind would point at code that is
// gone.
void unregisterWindowClasses();

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool alive() const { return hwnd_ != nullptr; }
    void destroy();
    // The window's own text. Windows without a title bar do not show it, but
    // accessibility tools and tests read it.
    virtual void setText(const std::u16string& text);
    // Asks for a repaint of the window, or of `rect` in it. A window that is
    // not on the screen is painted whole when it shows, and one that has not
    // painted since it was made is waiting to be painted whole, so nothing
    // is asked of the window system for them: each request costs a round
    // trip to it.
    void requestRepaint(const RECT* rect = nullptr) const;

protected:
    // Creates the window of a class registered by registerClass.
    bool createWindow(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y, int width, int height,
                      HWND parent, UINT_PTR id = 0, const wchar_t* text = L"");
    static bool registerClass(const wchar_t* className, UINT classStyle, HBRUSH background);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Bracket every message; a form deletes itself only when no message of
    // its windows is being handled any more (see Form).
    virtual void beginDispatch() {}
    virtual void endDispatch() {}
    // The window handle is gone (WM_NCDESTROY).
    virtual void onDestroyed() {}

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // The window was painted whole other than through its own WM_PAINT (its
    // form painted it together with its siblings): later repaints are asked.
    void markPainted() { painted_ = true; }
    // False until the window's first paint: until then it waits to be
    // painted whole, so whatever is drawn on it before is drawn again.
    bool paintedSinceMade() const { return painted_; }

    // For subclassed system controls: the class's own window procedure.
    bool subclass(HWND existing);
    WNDPROC originalProc_ = nullptr;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool painted_ = false; // a WM_PAINT of this window was handled
};

} // namespace quillnote::forms
