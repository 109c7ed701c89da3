// Sets a few properties, asks a question and shows a modeless message.
// A modeless dialog lives on the script's thread and goes when the script
// ends, so the script keeps it on screen with a modal countdown: the
// countdown's dialog pumps messages for both and closes itself after
// 5 seconds. Run with the cscript of the DLL's bitness.
var YesNoCancel = 3, Question = 32, Information = 64, OkOnly = 0;
var Yes = 6, No = 7, Cancel = 2;
var box = new ActiveXObject("QuillnoteLib.Quillnote");

box.BackColorHeading = 0x800000;         // navy heading
box.HeadingType = 1;                     // etched line under the heading
box.GradientPaint = true;                // shaded body
box.TimerSeconds = 30;                   // no answer after 30 seconds returns 0
var answer = box.MsgBox("Save the changes?", YesNoCancel + Question, "Quillnote sample");
var names = {};
names[Yes] = "Yes";
names[No] = "No";
names[Cancel] = "Cancel";
WScript.Echo("answer: " + (names[answer] || "none"));

box.Modal = false;                       // returns 0 at once; the dialog stays up
box.TimerSeconds = 0;
box.MsgBox("Saved.", Information, "Saved");

box.Modal = true;                        // keeps the script, and "Saved", going
box.TimerSeconds = 5;
box.StartUpPosition = 0;                 // at Top and Left (twips), beside "Saved"
box.Top = 600;
box.Left = 600;
box.MsgBox("This sample ends when this countdown does.", OkOnly, "Closing");
WScript.Echo("done");
