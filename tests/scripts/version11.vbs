' Late-bound use of the members of version 1.1 from VBScript: defaults,
' setter rules, and the results of a modeless dialog. (Events reach a
' script through WScript.ConnectObject, which Wine 8's script host does not
' implement; the C++ tests connect to them the same way.)
Option Explicit
Dim passed, failed
passed = 0
failed = 0

Sub Check(name, actual, expected)
    If actual = expected Then
        passed = passed + 1
    Else
        failed = failed + 1
        WScript.Echo "FAIL " & name & ": got " & actual & ", expected " & expected
    End If
End Sub

Dim o
Set o = CreateObject("QuillnoteLib.Quillnote")

Check "ShowCountdown", o.ShowCountdown, False
Check "TimeoutResult", o.TimeoutResult, 0
Check "ButtonCaptions", o.ButtonCaptions, ""
Check "CheckBoxText", o.CheckBoxText, ""
Check "CheckBoxValue", o.CheckBoxValue, False
Check "OwnerWindow", o.OwnerWindow, 0
Check "Theme", o.Theme, 0
Check "IsOpen", o.IsOpen, False
Check "Result", o.Result, 0
Check "TypeName Result", TypeName(o.Result), "Integer"
Check "TypeName OwnerWindow", TypeName(o.OwnerWindow), "Long"

o.ShowCountdown = True
Check "ShowCountdown set", o.ShowCountdown, True
o.TimeoutResult = 32000
Check "TimeoutResult set", o.TimeoutResult, 32000
o.Theme = 7
Check "Theme out of range", o.Theme, 0
o.Theme = 2
Check "Theme dark", o.Theme, 2
o.ButtonCaptions = "&Save|Do&n't save|Cancel"
Check "ButtonCaptions set", o.ButtonCaptions, "&Save|Do&n't save|Cancel"
o.CheckBoxText = "&Don't show this again"
Check "CheckBoxText set", o.CheckBoxText, "&Don't show this again"
o.OwnerWindow = 12345
Check "OwnerWindow set", o.OwnerWindow, 12345
o.OwnerWindow = 0
o.Theme = 0
o.ShowCountdown = False
o.ButtonCaptions = ""
o.CheckBoxText = ""

' A modeless dialog: open until Close, which gives it its result.
o.SoundBeep = False
o.Modal = False
Check "MsgBox modeless", o.MsgBox("Keep going?", 4, "Script"), 0
Check "IsOpen while shown", o.IsOpen, True
o.Close 7
Check "IsOpen after Close", o.IsOpen, False
Check "Result after Close", o.Result, 7
o.Close 6
Check "Close without a dialog", o.Result, 7

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
