// The component's GUID definitions for projects that compile only C++.
#include "Quillnote_i.c"
