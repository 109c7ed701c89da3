#pragma once
// Resource identifiers of the component library.

#define IDI_QUILLNOTE 101
#define IDW_CHIME 103
#define IDB_CLOSEBOX_UP 201
#define IDB_CLOSEBOX_DOWN 202
