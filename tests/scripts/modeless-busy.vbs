' A modeless message from a script host that runs on without pumping
' messages (a busy loop, as a host that sleeps): the dialog must be on the
' screen, painted, for the whole time. The body is magenta so that a picture
' of the screen can find it.
Set box = CreateObject("QuillnoteLib.Quillnote")
box.SoundBeep = False
box.Modal = False
box.BackColorBody = &HFF00FF
result = box.MsgBox("A script host that does not pump messages")
WScript.Echo "returned " & result
started = Timer
Do While Timer < started + 3 And Timer >= started
Loop
WScript.Echo "done"
