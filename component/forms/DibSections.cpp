#include "DibSections.h"

#include "win/SrwGuard.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace quillnote::forms {

namespace {

// A dialog uses four pictures at most (the body's and the heading's, each
// with a back buffer); two dialogs' worth are kept. A dialog's body is
// usually well under 1 MB; one that fills a large screen is made anew each
// time rather than held for the life of the process.
constexpr std::size_t MostKept = 8;
constexpr std::size_t MostBytesEach = std::size_t{4} << 20;
constexpr std::size_t MostBytesKept = std::size_t{8} << 20;
// A kept bitmap serves a picture of at least a quarter of its area, so that
// a small picture does not take a large bitmap from a large one.
constexpr std::size_t MostAreaPerUse = 4;

SRWLOCK g_lock = SRWLOCK_INIT;
std::vector<DibSection>* g_kept = nullptr; // oldest first

std::size_t areaOf(int width, int height) { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }
std::size_t bytesOf(const DibSection& s) { return areaOf(s.width, s.height) * 4; }

DibSection newDibSection(int width, int height)
{
    const BITMAPINFO info = topDownDibInfo(width, height);
    void* bits = nullptr;
    DibSection section;
    section.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section.bitmap || !bits)
        return DibSection{};
    section.bits = static_cast<std::uint32_t*>(bits);
    section.width = width;
    section.height = height;
    return section;
}

} // namespace

DibSection takeDibSection(int width, int height)
{
    if (width <= 0 || height <= 0)
        return DibSection{};
    {
        win::ExclusiveGuard taking(g_lock);
        if (g_kept) {
            const std::size_t wanted = areaOf(width, height);
            std::size_t best = g_kept->size();
            for (std::size_t i = 0; i < g_kept->size(); ++i) {
                const DibSection& s = (*g_kept)[i];
                const std::size_t area = areaOf(s.width, s.height);
                if (s.width >= width && s.height >= height && area / MostAreaPerUse <= wanted &&
                    (best == g_kept->size() || area < areaOf((*g_kept)[best].width, (*g_kept)[best].height)))
                    best = i;
            }
            if (best < g_kept->size()) {
                DibSection found = std::move((*g_kept)[best]);
                g_kept->erase(g_kept->begin() + static_cast<std::ptrdiff_t>(best));
                return found;
            }
        }
    }
    return newDibSection(width, height);
}

void keepDibSection(DibSection section)
{
    if (!section.bitmap || bytesOf(section) > MostBytesEach)
        return; // destroyed here
    win::ExclusiveGuard keeping(g_lock);
    // Called as canvases go, destructors among them: a store that cannot
    // grow lets the bitmap go instead.
    try {
        if (!g_kept)
            g_kept = new std::vector<DibSection>;
        g_kept->push_back(std::move(section));
    } catch (...) {
        return;
    }
    std::size_t bytes = 0;
    for (const DibSection& s : *g_kept)
        bytes += bytesOf(s);
    while (g_kept->size() > MostKept || bytes > MostBytesKept) {
        bytes -= bytesOf(g_kept->front());
        g_kept->erase(g_kept->begin());
    }
}

void releaseKeptDibSections()
{
    std::vector<DibSection>* kept = nullptr;
    {
        win::ExclusiveGuard releasing(g_lock);
        kept = std::exchange(g_kept, nullptr);
    }
    delete kept;
}

} // namespace quillnote::forms
