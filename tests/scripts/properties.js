// Late-bound use of the component from JScript: defaults, setter rules and
// non-Latin text through DefaultTitle.
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
check("BackColorBody", o.BackColorBody, -2147483633);
check("BackColorHeading", o.BackColorHeading, -2147483646);
check("ForeColorHeading", o.ForeColorHeading, -2147483634);
check("Modal", o.Modal, true);
check("StartUpPosition", o.StartUpPosition, 2);

o.BackColorHeading = -1;
check("BackColorHeading -1", o.BackColorHeading, -2147483646);
o.BackColorButtons = -7;
check("BackColorButtons -7", o.BackColorButtons, -7);
o.GradientDirection = 9;
check("GradientDirection 9", o.GradientDirection, 10);
o.GradientDirection = 4;
check("GradientDirection 4", o.GradientDirection, 4);
o.StartUpPosition = 3;
check("StartUpPosition 3", o.StartUpPosition, 2);
o.Top = 12000;
check("Top", o.Top, 12000);

var texts = [
    "\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",
    "\u65e5\u672c\u8a9e\u306e\u984c\u540d",
    "\u0627\u0644\u0639\u0631\u0628\u064a\u0629",
    "\ud83d\ude00 emoji",
    ""
];
for (var i = 0; i < texts.length; i++) {
    o.DefaultTitle = texts[i];
    check("DefaultTitle " + i, o.DefaultTitle, texts[i]);
}
var big = "\u4e2d";
while (big.length < 512 * 1024) big += big;
o.DefaultTitle = big;
check("DefaultTitle 1 MB", o.DefaultTitle.length, big.length);
check("DefaultTitle 1 MB content", o.DefaultTitle === big, true);

// A real call from the script host: the dialog closes itself after a second.
o.SoundBeep = false;
o.TimerSeconds = 1;
check("MsgBox closed by its countdown", o.MsgBox("Closes by itself", 4, "\u0395\u03bb\u03bb\u03ac\u03b4\u03b1"), 0);
check("MsgBox without its optional arguments", o.MsgBox("Closes by itself"), 0);

WScript.Echo(passed + " passed, " + failed + " failed");
WScript.Quit(failed);
