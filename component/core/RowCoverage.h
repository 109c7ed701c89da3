#pragma once
// Which pixels of each row a run of drawings has covered, so that a drawing
// can be laid under those before it: only the pixels still uncovered take
// its colour. Drawing shapes from the last to the first this way gives the
// picture of drawing them from the first to the last, each pixel written
// once however much the shapes overlap.

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace quillnote {

class RowCoverage {
public:
    // A run of pixels of a row, from the first to the last.
    using Run = std::pair<int, int>;

    // Marks pixels a..b of row y covered (both included; pixels and rows
    // count from 0), after calling paint(from, to) for each run of them that
    // was not covered yet.
    template <typename Paint>
    void cover(int y, int a, int b, Paint&& paint)
    {
        a = std::max(a, 0);
        b = std::min(b, std::numeric_limits<int>::max() - 1);
        if (a > b || y < 0)
            return;
        if (static_cast<size_t>(y) >= rows_.size())
            rows_.resize(static_cast<size_t>(y) + 1);
        std::vector<Run>& runs = rows_[static_cast<size_t>(y)];
        // The runs that overlap or touch a..b: the gaps between them within
        // a..b are painted, and they become one run with it.
        size_t first = 0;
        while (first < runs.size() && runs[first].second + 1 < a)
            ++first;
        size_t last = first;
        int from = a, low = a, high = b;
        for (; last < runs.size() && runs[last].first - 1 <= b; ++last) {
            const Run& run = runs[last];
            if (run.first > from)
                paint(from, run.first - 1);
            from = std::max(from, run.second + 1);
            low = std::min(low, run.first);
            high = std::max(high, run.second);
        }
        if (from <= b)
            paint(from, b);
        // The runs that overlapped or touched a..b become one with it; with
        // none, a..b goes in between the runs before and after it.
        const auto at = runs.begin() + static_cast<std::ptrdiff_t>(first);
        if (last == first) {
            runs.insert(at, Run{low, high});
        } else {
            *at = Run{low, high};
            runs.erase(at + 1, runs.begin() + static_cast<std::ptrdiff_t>(last));
        }
    }

    // The covered runs of a row, left to right, none touching another.
    const std::vector<Run>& runsOf(int y) const;

private:
    std::vector<std::vector<Run>> rows_;
};

} // namespace quillnote
