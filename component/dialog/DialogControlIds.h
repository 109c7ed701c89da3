#pragma once
// Control IDs of the dialog's child windows, so that tools and tests find
// them with GetDlgItem: the heading strip and the body are children of the
// dialog, the four buttons, the check box and the two scroll bars of a
// message that does not fit children of the body.

namespace quillnote::dialog_ids {

constexpr int HeadingStrip = 100;
constexpr int Body = 101;
constexpr int FirstButton = 110; // MsgButton(i) is FirstButton + i
constexpr int CheckBox = 115;
constexpr int DownScrollBar = 120;
constexpr int AcrossScrollBar = 121;

} // namespace quillnote::dialog_ids
