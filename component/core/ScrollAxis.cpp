#include "ScrollAxis.h"

#include <algorithm>

namespace quillnote {

namespace {
constexpr int WheelSteps = 3;
} // namespace

int ScrollAxis::last() const { return std::max(0, content - view); }

int ScrollAxis::page() const
{
    const int one = std::max(1, step);
    return std::max(one, view - one);
}

int ScrollAxis::clamp(long long wanted) const { return static_cast<int>(std::clamp<long long>(wanted, 0, last())); }

int ScrollAxis::target(ScrollRequest request, long long to) const
{
    const long long one = std::max(1, step);
    switch (request) {
    case ScrollRequest::StepBack:
        return clamp(position - one);
    case ScrollRequest::StepForward:
        return clamp(position + one);
    case ScrollRequest::PageBack:
        return clamp(static_cast<long long>(position) - page());
    case ScrollRequest::PageForward:
        return clamp(static_cast<long long>(position) + page());
    case ScrollRequest::Start:
        return 0;
    case ScrollRequest::End:
        return last();
    case ScrollRequest::To:
        return clamp(to);
    }
    return clamp(position);
}

int ScrollAxis::wheelTarget(int delta, int notch) const
{
    if (notch <= 0)
        return clamp(position);
    const long long moved = -static_cast<long long>(delta) * WheelSteps * std::max(1, step) / notch;
    return clamp(position + moved);
}

} // namespace quillnote
