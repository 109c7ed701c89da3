' Sets a few properties, asks a question and shows a modeless message.
' A modeless dialog lives on the script's thread and goes when the script
' ends, so the script keeps it on screen with a modal countdown: the
' countdown's dialog pumps messages for both and closes itself after
' 5 seconds. Run with the cscript of the DLL's bitness.
Option Explicit
Dim box, answer
Set box = CreateObject("QuillnoteLib.Quillnote")

box.BackColorHeading = &H800000          ' navy heading
box.HeadingType = 1                      ' etched line under the heading
box.GradientPaint = True                 ' shaded body
box.TimerSeconds = 30                    ' no answer after 30 seconds returns 0
answer = box.MsgBox("Save the changes?", vbYesNoCancel + vbQuestion, "Quillnote sample")
If answer = vbYes Then
    WScript.Echo "answer: Yes"
ElseIf answer = vbNo Then
    WScript.Echo "answer: No"
ElseIf answer = vbCancel Then
    WScript.Echo "answer: Cancel"
Else
    WScript.Echo "answer: none"
End If

box.Modal = False                        ' returns 0 at once; the dialog stays up
box.TimerSeconds = 0
box.MsgBox "Saved.", vbInformation, "Saved"

box.Modal = True                         ' keeps the script, and "Saved", going
box.TimerSeconds = 5
box.StartUpPosition = 0                  ' at Top and Left (twips), beside "Saved"
box.Top = 600
box.Left = 600
box.MsgBox "This sample ends when this countdown does.", vbOKOnly, "Closing"
WScript.Echo "done"
