#pragma once
// IUnknown for the library's heap objects, written once: an interlocked
// reference count (a stray cross-thread Release cannot tear it) that deletes
// the object at zero, QueryInterface through the object's own answer for
// each interface, and a reference on the module for the object's whole life.
// A client may keep an object after everything else of ours is gone (a
// screen reader keeps the last object it reported): the library stays
// loaded until it lets go, instead of the client calling into unloaded code.

#include "ModuleReference.h"

#include <unknwn.h>

namespace quillnote::win {

template <typename... Interfaces>
class ComObject : public Interfaces... {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = interfaceFor(iid);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

protected:
    // Made with one reference, the creator's.
    ComObject() = default;
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    // The object as `iid` (IUnknown included), not yet referenced; null when
    // it does not implement it.
    virtual void* interfaceFor(REFIID iid) = 0;

private:
    LONG refs_ = 1;
    ModuleReference module_;
};

// An object that implements one interface: it answers IUnknown and that.
template <typename Interface>
class SingleInterfaceObject : public ComObject<Interface> {
protected:
    void* interfaceFor(REFIID iid) override
    {
        if (iid == IID_IUnknown || iid == __uuidof(Interface))
            return static_cast<Interface*>(this);
        return nullptr;
    }
};

} // namespace quillnote::win
