#include "ClassFactory.h"

#include "Module.h"
#include "Quillnote.h"
#include "QuillnoteObject.h"
#include "win/ComObject.h"
#include "win/HResult.h"

namespace quillnote {

namespace {

const ClassEntry g_classes[] = {
    {&CLSID_Quillnote, &QuillnoteObject::create},
};

class ClassFactory final : public win::SingleInterfaceObject<IClassFactory> {
public:
    explicit ClassFactory(CreateInstanceFunction create) : create_(create) {}

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return create_(iid, object);
    }

    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            lockServer();
        else
            unlockServer();
        return S_OK;
    }

private:
    CreateInstanceFunction create_;
};

} // namespace

HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (const auto& entry : g_classes) {
        if (*entry.clsid == clsid) {
            try {
                auto* factory = new ClassFactory(entry.create);
                const HRESULT hr = factory->QueryInterface(iid, object);
                factory->Release();
                return hr;
            }
            CATCH_RETURN()
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace quillnote
