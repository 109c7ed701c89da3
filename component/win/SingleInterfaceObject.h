#pragma once
// IUnknown for a heap object of ours that implements one interface: the
// reference count (interlocked, so that a stray cross-thread Release cannot
// tear it) deletes the object at zero, and QueryInterface answers IUnknown
// and that interface.

#include <unknwn.h>

namespace quillnote::win {

template <typename Interface>
class SingleInterfaceObject : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
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

protected:
    SingleInterfaceObject() = default;
    virtual ~SingleInterfaceObject() = default;
    SingleInterfaceObject(const SingleInterfaceObject&) = delete;
    SingleInterfaceObject& operator=(const SingleInterfaceObject&) = delete;

private:
    LONG refs_ = 1;
};

} // namespace quillnote::win
