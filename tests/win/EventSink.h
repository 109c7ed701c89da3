#pragma once
// A client's sink for the object's events (__Quillnote), as C++ and script
// clients give one: an IDispatch whose Invoke records each Closed and, when
// asked, runs an action of the test inside the event.

#include "Quillnote.h"
#include "win/ComPtr.h"

#include <ocidl.h>

#include <functional>
#include <vector>

namespace quillnote::test {

class EventSink final : public IDispatch {
public:
    static win::ComPtr<EventSink> create();

    // The results of the Closed events received, in order.
    const std::vector<short>& closed() const { return closed_; }
    // Runs inside each Closed, after it is recorded.
    std::function<void(short)> onClosed;

    // Advises the object's connection point; false when it cannot.
    bool connect(IUnknown* object);
    void disconnect();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    EventSink() = default;
    virtual ~EventSink();

    LONG refs_ = 1;
    std::vector<short> closed_;
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

} // namespace quillnote::test
