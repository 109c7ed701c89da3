#pragma once
// The one generic class factory and the table of creatable classes.

#include <unknwn.h>

namespace quillnote {

using CreateInstanceFunction = HRESULT (*)(REFIID iid, void** object);

struct ClassEntry {
    const CLSID* clsid;
    CreateInstanceFunction create;
};

// The factory for clsid, through DllGetClassObject.
HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** object);

} // namespace quillnote
