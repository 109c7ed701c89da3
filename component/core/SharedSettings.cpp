#include "SharedSettings.h"

namespace quillnote {

SharedSettings& threadSharedSettings()
{
    // Trivially destructible, so it needs no per-thread clean-up when a
    // thread that used the component ends.
    static thread_local SharedSettings settings;
    return settings;
}

} // namespace quillnote
