# Settings shared by both MinGW-w64 toolchains.
set(CMAKE_C_COMPILER ${QUILLNOTE_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLNOTE_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLNOTE_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLNOTE_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every binary is linked statically against the MinGW runtime, so neither the
# component nor a test needs runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
