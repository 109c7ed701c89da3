' Asks a question with captions of its own, a countdown on the default
' button and a check box (members of version 1.1), then prints the answer
' and what the user left in the check box. Any key or click stops the
' countdown; with no answer after 10 seconds the question answers Cancel.
' Run with the cscript of the DLL's bitness.
Option Explicit
Dim box, answer
Set box = CreateObject("QuillnoteLib.Quillnote")

box.ButtonCaptions = "&Save|Do&n't save|Cancel"  ' in place of Yes, No, Cancel
box.TimerSeconds = 10                            ' the countdown's length
box.ShowCountdown = True                         ' "Save (10)", "Save (9)", ...
box.TimeoutResult = vbCancel                     ' what the countdown answers
box.CheckBoxText = "&Don't ask again"
box.CheckBoxValue = False
answer = box.MsgBox("Save the changes to the report?", vbYesNoCancel + vbQuestion, "Quillnote sample")
If answer = vbYes Then
    WScript.Echo "answer: Save"
ElseIf answer = vbNo Then
    WScript.Echo "answer: Don't save"
Else
    WScript.Echo "answer: Cancel"
End If
WScript.Echo "don't ask again: " & box.CheckBoxValue
