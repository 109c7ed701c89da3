#include "RowCoverage.h"

namespace quillnote {

const std::vector<RowCoverage::Run>& RowCoverage::runsOf(int y) const
{
    static const std::vector<Run> none;
    return y >= 0 && static_cast<size_t>(y) < rows_.size() ? rows_[static_cast<size_t>(y)] : none;
}

} // namespace quillnote
