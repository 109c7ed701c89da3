#pragma once
// Resource identifiers of the demonstration program (shared by its .rc files
// and the window code, which loads them from the program's own module).

#define IDI_QUILLNOTE_SAMPLE 1
#define IDB_DOWN_ARROW 101
