#include "Announcement.h"

namespace quillnote {

void announceDialog(HWND dialog, bool alert)
{
    if (!dialog)
        return;
    NotifyWinEvent(EVENT_SYSTEM_DIALOGSTART, dialog, OBJID_WINDOW, CHILDID_SELF);
    if (alert)
        NotifyWinEvent(EVENT_SYSTEM_ALERT, dialog, OBJID_WINDOW, CHILDID_SELF);
}

} // namespace quillnote
