# Cross build for 64-bit Windows with Debian's MinGW-w64. The -posix
# compilers carry the thread support that GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLNOTE_TRIPLET x86_64-w64-mingw32)
set(QUILLNOTE_BITNESS 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
