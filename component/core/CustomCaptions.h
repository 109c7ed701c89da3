#pragma once
// Captions a caller gives the buttons ("&Save|Do&n't save|Cancel"), and the
// countdown shown after the default button's caption.

#include <cstddef>
#include <string>
#include <vector>

namespace quillnote {

// The longest caption a button takes, in characters; a longer one is cut
// and ends in an ellipsis.
constexpr std::size_t MaxCaptionLength = 40;

// The captions of the shown buttons: entry i of `given` (split at "|") for
// button i where it is there and not empty, the standard caption otherwise.
// As many captions as `standard` has; entries beyond them are ignored.
std::vector<std::u16string> captionsOfButtons(const std::u16string& given, const std::vector<std::u16string>& standard);

// A caption cut to MaxCaptionLength characters, the last of them an
// ellipsis, never between the two halves of a surrogate pair nor after a
// lone "&" that would take the ellipsis as its access key.
std::u16string cutCaption(const std::u16string& caption);

// The caption with the seconds left after it: "OK (5)".
std::u16string countdownCaption(const std::u16string& caption, int secondsLeft);

} // namespace quillnote
