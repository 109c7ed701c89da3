#pragma once
// Control IDs of the dialog's child windows, so that tools and tests find
// them with GetDlgItem: the heading strip and the body are children of the
// dialog, the four buttons children of the body.

namespace quillnote::dialog_ids {

constexpr int HeadingStrip = 100;
constexpr int Body = 101;
constexpr int FirstButton = 110; // MsgButton(i) is FirstButton + i

} // namespace quillnote::dialog_ids
