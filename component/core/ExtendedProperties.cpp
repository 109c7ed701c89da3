#include "ExtendedProperties.h"

#include "PropertyRules.h"

namespace quillnote {

void ExtendedProperties::setTheme(std::int16_t v)
{
    theme_ = inRangeOr(v, ThemeChoice::AsSet, ThemeChoice::Dark, ThemeChoice::AsSet);
}

} // namespace quillnote
