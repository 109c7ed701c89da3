' Late-bound use of the component from VBScript: defaults, setter rules,
' the types a script sees and the settings shared on one thread.
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

Dim o, p
Set o = CreateObject("QuillnoteLib.Quillnote")

Check "BackColorBody", o.BackColorBody, &H8000000F
Check "BackColorButtons", o.BackColorButtons, &H8000000F
Check "BackColorHeading", o.BackColorHeading, &H80000002
Check "ForeColorBody", o.ForeColorBody, &H80000012
Check "ForeColorHeading", o.ForeColorHeading, &H8000000E
Check "GradientPaint", o.GradientPaint, False
Check "GradientDirection", o.GradientDirection, 1
Check "HeadingType", o.HeadingType, 0
Check "SolidColorHeading", o.SolidColorHeading, False
Check "TextAlignment", o.TextAlignment, 0
Check "Moveable", o.Moveable, False
Check "KeepOnTop", o.KeepOnTop, True
Check "Modal", o.Modal, True
Check "TimerSeconds", o.TimerSeconds, 0
Check "SoundBeep", o.SoundBeep, True
Check "ControlBox", o.ControlBox, True
Check "StartUpPosition", o.StartUpPosition, 2
Check "Top", o.Top, 0
Check "Left", o.Left, 0
Check "DefaultTitle", o.DefaultTitle, ""

' Colours are signed Longs both ways.
Check "TypeName colour", TypeName(o.BackColorBody), "Long"
o.BackColorHeading = -1
Check "BackColorHeading -1", o.BackColorHeading, &H80000002
o.BackColorBody = -2
Check "BackColorBody -2", o.BackColorBody, -2
Check "TypeName -2", TypeName(o.BackColorBody), "Long"
o.ForeColorBody = &HFF&
Check "ForeColorBody red", o.ForeColorBody, 255
o.ForeColorHeading = -1
Check "ForeColorHeading -1", o.ForeColorHeading, &H8000000E

o.GradientDirection = 0
Check "GradientDirection 0", o.GradientDirection, 1
o.GradientDirection = 17
Check "GradientDirection 17", o.GradientDirection, 1
o.GradientDirection = 5
Check "GradientDirection 5", o.GradientDirection, 6
o.GradientDirection = 16
Check "GradientDirection 16", o.GradientDirection, 15
Check "TypeName direction", TypeName(o.GradientDirection), "Integer"
o.HeadingType = 2
Check "HeadingType 2", o.HeadingType, 0
o.TextAlignment = 3
Check "TextAlignment 3", o.TextAlignment, 0
o.StartUpPosition = -1
Check "StartUpPosition -1", o.StartUpPosition, 2
o.TimerSeconds = -5
Check "TimerSeconds -5", o.TimerSeconds, 0
o.TimerSeconds = 32767
Check "TimerSeconds 32767", o.TimerSeconds, 32767
o.Top = -1
Check "Top -1", o.Top, 0
o.Left = 70000
Check "Left 70000", o.Left, 70000
Check "TypeName Left", TypeName(o.Left), "Long"
o.Modal = 1
Check "Modal 1 is True", CBool(o.Modal), True
Check "TypeName Modal", TypeName(o.Modal), "Boolean"

Dim t
t = "My title"
o.DefaultTitle = t
t = "changed"
Check "DefaultTitle copy", o.DefaultTitle, "My title"

' A second object on the same thread resets the shared settings.
o.Modal = False
o.ControlBox = False
Set p = CreateObject("QuillnoteLib.Quillnote")
Check "shared Modal reset", o.Modal, True
Check "own ControlBox kept", o.ControlBox, False
p.KeepOnTop = False
Check "shared KeepOnTop", o.KeepOnTop, False

' A real call from the script host: the dialog closes itself after a second.
o.SoundBeep = False
o.TimerSeconds = 1
Check "MsgBox countdown", o.MsgBox("Closes by itself", vbYesNo + vbQuestion, "VBScript"), 0
Check "MsgBox result type", TypeName(o.MsgBox("Closes by itself")), "Integer"

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
