#pragma once
// The object's outgoing interface (__Quillnote) through the platform's
// connection points: clients find the point through the object's
// IConnectionPointContainer, advise it with a sink (an IDispatch for
// __Quillnote, as VB's WithEvents, VBScript's WScript.ConnectObject and C++
// clients give) and unadvise it with the cookie they got.
//
// The point is an object of its own that the component object holds; it
// knows its container without holding it (the container holds the point),
// and the container cuts that tie when it goes: a client that keeps the
// point after the object is gone gets errors, never a dead object.

#include "win/ComObject.h"
#include "win/ComPtr.h"

#include <ocidl.h>
#include <olectl.h>

#include <vector>

namespace quillnote {

class EventConnection final : public win::ComObject<IConnectionPoint> {
public:
    // A point for the events `events` (a dispinterface) of `container`.
    static win::ComPtr<EventConnection> create(IConnectionPointContainer& container, REFIID events);

    // The container is going: the point lets go of it and of every sink.
    void detach();

    // Calls `member` with `arguments` (in Invoke's order: the last first)
    // on every sink advised now. Each sink is held for its call, and the
    // list is copied first, so a sink may unadvise, or release the object,
    // from inside the call.
    void raise(DISPID member, VARIANT* arguments, UINT count);

    // IConnectionPoint
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

private:
    EventConnection(IConnectionPointContainer& container, REFIID events) : container_(&container), events_(events) {}
    void* interfaceFor(REFIID iid) override;

    struct Sink {
        DWORD cookie;
        win::ComPtr<IDispatch> dispatch;
    };
    IConnectionPointContainer* container_; // not held: it holds this point
    IID events_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

// The container's answer to EnumConnectionPoints: its one point.
HRESULT enumerateOnePoint(IConnectionPoint* point, IEnumConnectionPoints** out);

} // namespace quillnote
