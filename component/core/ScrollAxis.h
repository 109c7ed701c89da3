#pragma once
// One direction in which a message that does not fit its area scrolls, in
// pixels: how far the text reaches, how much of it is in view, one step
// (a line down, or a few characters across) and where the view stands.
// Every request lands on a position between the first and the last, so a
// view never shows space beyond the text.

namespace quillnote {

enum class ScrollRequest { StepBack, StepForward, PageBack, PageForward, Start, End, To };

struct ScrollAxis {
    int content = 0;  // the text's extent
    int view = 0;     // the visible extent
    int step = 1;     // one line or a few characters
    int position = 0; // how far the text is scrolled

    // Does the text reach beyond its view?
    bool scrolls() const { return view > 0 && content > view; }
    // The furthest position: the text's end at the view's end.
    int last() const;
    // A page keeps one step of the old view in the new one.
    int page() const;
    int clamp(long long wanted) const;
    // Where a request moves the view; `to` is the position for To.
    int target(ScrollRequest request, long long to = 0) const;
    // Where a turn of the wheel moves the view: three steps per notch
    // (`delta` in notches of `notch`), forward for a negative delta.
    int wheelTarget(int delta, int notch) const;
};

} // namespace quillnote
