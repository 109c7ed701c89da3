' Creates a Quillnote object, changes a few properties and prints all 20.
Option Explicit
Dim box
Set box = CreateObject("QuillnoteLib.Quillnote")

box.BackColorHeading = &H800000     ' navy heading
box.GradientPaint = True
box.GradientDirection = 7          ' "Circle, Center, Fade Out", stored as code 8
box.TimerSeconds = 10
box.DefaultTitle = "Quillnote sample"

Sub Show(name, value)
    WScript.Echo Left(name & Space(18), 18) & value
End Sub

Show "BackColorBody", "&H" & Hex(box.BackColorBody)
Show "BackColorButtons", "&H" & Hex(box.BackColorButtons)
Show "BackColorHeading", "&H" & Hex(box.BackColorHeading)
Show "ForeColorBody", "&H" & Hex(box.ForeColorBody)
Show "ForeColorHeading", "&H" & Hex(box.ForeColorHeading)
Show "GradientPaint", box.GradientPaint
Show "GradientDirection", box.GradientDirection
Show "HeadingType", box.HeadingType
Show "SolidColorHeading", box.SolidColorHeading
Show "TextAlignment", box.TextAlignment
Show "Moveable", box.Moveable
Show "KeepOnTop", box.KeepOnTop
Show "Modal", box.Modal
Show "TimerSeconds", box.TimerSeconds
Show "SoundBeep", box.SoundBeep
Show "ControlBox", box.ControlBox
Show "StartUpPosition", box.StartUpPosition
Show "Top", box.Top
Show "Left", box.Left
Show "DefaultTitle", box.DefaultTitle
