// Late-bound use of the members of version 1.1 from JScript: texts in any
// script, setter rules, and the results of a modeless dialog.
var passed = 0, failed = 0;
function check(name, actual, expected) {
    if (actual === expected) {
        passed++;
    } else {
        failed++;
        WScript.Echo("FAIL " + name + ": got " + actual + ", expected " + expected);
    }
}

var o = new ActiveXObject("QuillnoteLib.Quillnote");
check("TimeoutResult", o.TimeoutResult, 0);
o.TimeoutResult = -1;
check("TimeoutResult negative", o.TimeoutResult, -1);
var captions = "\u05E9\u05DC\u05D5\u05DD|\u4E2D\u6587|\uD83D\uDE00";
o.ButtonCaptions = captions;
check("ButtonCaptions in other scripts", o.ButtonCaptions, captions);
o.ButtonCaptions = "";
o.Theme = -5;
check("Theme negative", o.Theme, 0);
o.CheckBoxValue = true;
check("CheckBoxValue", o.CheckBoxValue, true);

o.SoundBeep = false;
o.Modal = false;
check("MsgBox modeless", o.MsgBox("Keep going?", 4, "Script"), 0);
check("IsOpen", o.IsOpen, true);
o.Close(6);
check("IsOpen after Close", o.IsOpen, false);
check("Result after Close", o.Result, 6);

WScript.Echo(passed + " passed, " + failed + " failed");
WScript.Quit(failed);
