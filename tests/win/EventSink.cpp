#include "EventSink.h"

namespace quillnote::test {

win::ComPtr<EventSink> EventSink::create()
{
    win::ComPtr<EventSink> sink;
    *sink.put() = new EventSink();
    return sink;
}

EventSink::~EventSink() = default;

bool EventSink::connect(IUnknown* object)
{
    win::ComPtr<IConnectionPointContainer> container;
    if (!object || FAILED(object->QueryInterface(IID_PPV_ARGS(container.put()))))
        return false;
    if (FAILED(container->FindConnectionPoint(DIID___Quillnote, point_.put())))
        return false;
    return SUCCEEDED(point_->Advise(static_cast<IDispatch*>(this), &cookie_));
}

void EventSink::disconnect()
{
    if (point_ && cookie_)
        point_->Unadvise(cookie_);
    cookie_ = 0;
    point_.reset();
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___Quillnote) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EventSink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) EventSink::Release()
{
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id != DISPID_QUILLNOTE_CLOSED || !(flags & DISPATCH_METHOD) || !params || params->cArgs != 1)
        return DISP_E_MEMBERNOTFOUND;
    VARIANT result;
    VariantInit(&result);
    if (FAILED(VariantChangeType(&result, &params->rgvarg[0], 0, VT_I2)))
        return DISP_E_TYPEMISMATCH;
    closed_.push_back(V_I2(&result));
    // The sink stays alive through its own action, which may release it.
    AddRef();
    if (onClosed)
        onClosed(V_I2(&result));
    Release();
    return S_OK;
}

} // namespace quillnote::test
