#pragma once
// The text that Ctrl+C (or Ctrl+Insert) puts on the clipboard, in the
// platform message box's well-known layout:
//
//   ---------------------------
//   Heading
//   ---------------------------
//   Message
//   ---------------------------
//   OK   Cancel
//   ---------------------------
//
// Lines end with CR LF; each button caption is followed by three spaces; the
// captions lose their access-key markers ("&Yes" is "Yes", "&&" is "&").

#include <string>
#include <vector>

namespace quillnote {

std::u16string copiedText(const std::u16string& heading, const std::u16string& message,
                          const std::vector<std::u16string>& buttonCaptions);

// A caption as it reads: each '&' that marks an access key removed, "&&" as
// one '&'.
std::u16string withoutAccessMarkers(const std::u16string& caption);

} // namespace quillnote
