#include "RowCoverage.h"

#include <algorithm>

namespace quillnote {

const std::vector<RowCoverage::Run>& RowCoverage::runsOf(int y) const
{
    static const std::vector<Run> none;
    return y >= 0 && static_cast<size_t>(y) < rows_.size() ? rows_[static_cast<size_t>(y)] : none;
}

void RowCoverage::join(std::vector<Run>& runs, size_t first, size_t last, Run joined)
{
    if (last == first) {
        runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(first), joined);
        return;
    }
    runs[first] = joined;
    runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(first + 1), runs.begin() + static_cast<std::ptrdiff_t>(last));
}

} // namespace quillnote
