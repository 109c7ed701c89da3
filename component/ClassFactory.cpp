#include "ClassFactory.h"

#include "HResult.h"
#include "Module.h"
#include "QuillnoteObject.h"
#include "Quillnote.h"

namespace quillnote {

namespace {

const ClassEntry g_classes[] = {
    {&CLSID_Quillnote, &QuillnoteObject::create},
};

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(CreateInstanceFunction create) : create_(create) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

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
            lockModule();
        else
            unlockModule();
        return S_OK;
    }

private:
    ~ClassFactory() = default;

    LONG refs_ = 1;
    CreateInstanceFunction create_;
    // A factory that a caller holds keeps the library loaded too.
    ModuleReference module_;
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
