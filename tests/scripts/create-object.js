// Creates the component by its ProgID and prints what it reads back.
var box = new ActiveXObject("QuillnoteLib.Quillnote");
WScript.Echo("created " + box.StartUpPosition);
