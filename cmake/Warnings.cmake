# One set of warnings for every target of ours, native and cross-built:
# each links quillnote_warnings (privately) instead of naming flags itself.
add_library(quillnote_warnings INTERFACE)
target_compile_options(quillnote_warnings INTERFACE -Wall -Wextra -Wshadow=local)
