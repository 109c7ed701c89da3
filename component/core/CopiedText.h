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

#include <optional>
#include <string>
#include <vector>

namespace quillnote {

// A check box of the dialog: its caption and whether it is checked.
struct CopiedCheckBox {
    std::u16string caption;
    bool checked = false;
};

// A dialog with a check box has it on a line of its own after the message,
// "[x] " or "[ ] " before its caption (without its access-key marker).
std::u16string copiedText(const std::u16string& heading, const std::u16string& message,
                          const std::vector<std::u16string>& buttonCaptions,
                          const std::optional<CopiedCheckBox>& checkBox = std::nullopt);

// A caption as it reads: each '&' that marks an access key removed, "&&" as
// one '&'.
std::u16string withoutAccessMarkers(const std::u16string& caption);

} // namespace quillnote
