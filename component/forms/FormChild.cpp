#include "FormChild.h"

#include "Form.h"

namespace quillnote::forms {

void FormChild::setLeft(double twips)
{
    bounds_.left = twips;
    placeWindow();
}

void FormChild::setTop(double twips)
{
    bounds_.top = twips;
    placeWindow();
}

void FormChild::setWidth(double twips)
{
    bounds_.width = twips;
    placeWindow();
}

void FormChild::setHeight(double twips)
{
    bounds_.height = twips;
    placeWindow();
}

void FormChild::setPlace(const TwipsRect& bounds)
{
    bounds_ = bounds;
    placeWindow();
}

void FormChild::placeWindow()
{
    if (alive()) {
        const Units& u = form_.units();
        SetWindowPos(hwnd(), nullptr, u.xPixels(bounds_.left), u.yPixels(bounds_.top), u.xPixels(bounds_.width),
                     u.yPixels(bounds_.height), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    boundsChanged();
}

void FormChild::beginDispatch() { form_.enter(); }
void FormChild::endDispatch() { form_.leave(); }

} // namespace quillnote::forms
