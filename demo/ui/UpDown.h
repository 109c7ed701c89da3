#pragma once
// The platform's up-down control (comctl32) bound to its buddy: the buddy's
// text always shows the value, and for a text-box buddy a whole number typed
// into it is what the up-down reads as its value.

#include "Selectors.h"

#include <windows.h>

#include <cstdint>

namespace quillnote::demo {

class UpDown {
public:
    // Binds the created up-down to its buddy with its range, increment and
    // value. The buddy's text is written at once.
    void bind(HWND upDown, HWND buddy, const UpDownRange& range);

    HWND hwnd() const { return upDown_; }
    HWND buddy() const { return buddy_; }
    const UpDownRange& range() const { return range_; }

    std::int32_t value() const;
    // Sets the value (clamped to the range) and writes it into the buddy.
    void setValue(std::int32_t value);

private:
    HWND upDown_ = nullptr;
    HWND buddy_ = nullptr;
    UpDownRange range_{0, 0, 1, 0};
};

} // namespace quillnote::demo
