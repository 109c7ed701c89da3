#include "EventConnection.h"

#include "win/HResult.h"

#include <new>

namespace quillnote {

namespace {

// An enumerator over a copy of a list of items, with the platform's
// Next/Skip/Reset/Clone; Traits say how an item is copied out and freed.
template <typename Interface, typename Item, typename Traits>
class ListEnumerator final : public win::ComObject<Interface> {
public:
    static HRESULT create(std::vector<Item> items, Interface** out)
    {
        if (!out)
            return E_POINTER;
        *out = new (std::nothrow) ListEnumerator(std::move(items));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    STDMETHODIMP Next(ULONG count, Item* items, ULONG* fetched) override
    {
        if (!items || (count > 1 && !fetched))
            return E_POINTER;
        ULONG got = 0;
        for (; got < count && position_ < items_.size(); ++got, ++position_)
            items[got] = Traits::copy(items_[position_]);
        if (fetched)
            *fetched = got;
        return got == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        const size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Interface** out) override
    {
        const HRESULT hr = create(items_, out);
        if (SUCCEEDED(hr))
            static_cast<ListEnumerator*>(*out)->position_ = position_;
        return hr;
    }

private:
    explicit ListEnumerator(std::vector<Item> items) : items_(std::move(items))
    {
        for (Item& item : items_)
            Traits::hold(item);
    }
    ~ListEnumerator() override
    {
        for (Item& item : items_)
            Traits::free(item);
    }
    void* interfaceFor(REFIID iid) override
    {
        if (iid == IID_IUnknown || iid == __uuidof(Interface))
            return static_cast<Interface*>(this);
        return nullptr;
    }

    std::vector<Item> items_;
    size_t position_ = 0;
};

struct PointTraits {
    static void hold(IConnectionPoint* point) { point->AddRef(); }
    static void free(IConnectionPoint* point) { point->Release(); }
    static IConnectionPoint* copy(IConnectionPoint* point)
    {
        point->AddRef();
        return point;
    }
};

struct ConnectionTraits {
    static void hold(CONNECTDATA& data) { data.pUnk->AddRef(); }
    static void free(CONNECTDATA& data) { data.pUnk->Release(); }
    static CONNECTDATA copy(const CONNECTDATA& data)
    {
        data.pUnk->AddRef();
        return data;
    }
};

using PointEnumerator = ListEnumerator<IEnumConnectionPoints, IConnectionPoint*, PointTraits>;
using ConnectionEnumerator = ListEnumerator<IEnumConnections, CONNECTDATA, ConnectionTraits>;

} // namespace

win::ComPtr<EventConnection> EventConnection::create(IConnectionPointContainer& container, REFIID events)
{
    win::ComPtr<EventConnection> point;
    *point.put() = new (std::nothrow) EventConnection(container, events);
    return point;
}

void* EventConnection::interfaceFor(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint)
        return static_cast<IConnectionPoint*>(this);
    return nullptr;
}

void EventConnection::detach()
{
    container_ = nullptr;
    sinks_.clear();
}

void EventConnection::raise(DISPID member, VARIANT* arguments, UINT count)
{
    std::vector<win::ComPtr<IDispatch>> sinks;
    try {
        for (const Sink& sink : sinks_)
            sinks.push_back(sink.dispatch);
    } catch (const std::bad_alloc&) {
        return; // no memory to tell them with
    }
    for (const auto& sink : sinks) {
        DISPPARAMS params = {arguments, nullptr, count, 0};
        // What a sink answers is its own affair: the event was raised.
        sink->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
}

STDMETHODIMP EventConnection::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = events_;
    return S_OK;
}

STDMETHODIMP EventConnection::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    *container = container_;
    if (!container_)
        return E_UNEXPECTED;
    container_->AddRef();
    return S_OK;
}

STDMETHODIMP EventConnection::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    if (!container_)
        return E_UNEXPECTED;
    // The sink implements the events as a dispinterface: the events' own
    // IID, or IDispatch for clients that answer only that.
    win::ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(events_, dispatch.putVoid())) &&
        FAILED(sink->QueryInterface(IID_IDispatch, dispatch.putVoid())))
        return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.push_back(Sink{nextCookie_, std::move(dispatch)});
    }
    CATCH_RETURN()
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP EventConnection::Unadvise(DWORD cookie)
{
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            // The sink goes after the list no longer names it: its release
            // may call back into this point.
            win::ComPtr<IDispatch> leaving = std::move(it->dispatch);
            sinks_.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP EventConnection::EnumConnections(IEnumConnections** connections)
{
    if (!connections)
        return E_POINTER;
    *connections = nullptr;
    try {
        std::vector<CONNECTDATA> list;
        for (const Sink& sink : sinks_)
            list.push_back(CONNECTDATA{sink.dispatch.get(), sink.cookie});
        return ConnectionEnumerator::create(std::move(list), connections);
    }
    CATCH_RETURN()
}

HRESULT enumerateOnePoint(IConnectionPoint* point, IEnumConnectionPoints** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    try {
        std::vector<IConnectionPoint*> points;
        if (point)
            points.push_back(point);
        return PointEnumerator::create(std::move(points), out);
    }
    CATCH_RETURN()
}

} // namespace quillnote
