#pragma once
// Resource identifiers of the demonstration program (shared by its .rc files
// and the window code, which loads them from the program's own module).

#define IDI_QUILLNOTE_SAMPLE 1
#define IDB_DOWN_ARROW 101

// The "Version 1.1 Properties" window and its controls.
#define IDD_VERSION11 200
#define IDC_SHOW_COUNTDOWN 201
#define IDC_TIMEOUT_RESULT 202
#define IDC_BUTTON_CAPTIONS 203
#define IDC_CHECKBOX_TEXT 204
#define IDC_CHECKBOX_VALUE 205
#define IDC_OWNED_BY_WINDOW 206
#define IDC_THEME 207
