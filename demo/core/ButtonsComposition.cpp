#include "ButtonsComposition.h"

#include <cstddef>

namespace quillnote::demo {

namespace {

template <std::size_t N>
std::int16_t firstSelected(const std::array<bool, N>& selected, const std::array<std::int16_t, N>& values)
{
    for (std::size_t i = 0; i < N; ++i)
        if (selected[i])
            return values[i];
    return 0;
}

} // namespace

std::int16_t composeButtons(const OptionGroups& groups)
{
    return static_cast<std::int16_t>(firstSelected(groups.icon, IconValues) +
                                     firstSelected(groups.buttonSet, ButtonSetValues) +
                                     firstSelected(groups.defaultButton, DefaultButtonValues));
}

} // namespace quillnote::demo
