# Running the cross-built Windows tests under Wine.
#
# Every test goes through a wrapper (the CMAKE_CROSSCOMPILING_EMULATOR) that
# makes sure the build's own Wine prefix exists, starts the wineserver with
# its output detached (otherwise every test waits for it), provides a display
# through Xvfb when none is set, and then runs the program with the loader of
# the right bitness.

set(QUILLNOTE_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix in which the tests run")
set(QUILLNOTE_WINE_DIR "/usr/lib/wine" CACHE PATH "Folder of Wine's loaders")

if(QUILLNOTE_BITNESS EQUAL 64)
    set(QUILLNOTE_WINE_LOADER "${QUILLNOTE_WINE_DIR}/wine64")
else()
    set(QUILLNOTE_WINE_LOADER "${QUILLNOTE_WINE_DIR}/wine")
endif()

# Wine of one bitness can be missing or unable to start: a kernel built
# without 32-bit support cannot execute the 32-bit loader at all, unless the
# set-up (scripts/ensure-32bit.sh) has made it run through qemu-user. Tests of
# that bitness are then reported as skipped with the reason, not as passed.
# The set-up notes how 32-bit programs run in a file of its own; the tree is
# configured again when that changes (after a reboot, say), so that the tests
# run or skip as the machine now allows.
set(QUILLNOTE_WINE32_STATUS "" CACHE FILEPATH "File in which the set-up notes how 32-bit programs run here")
set(_wine32_status "")
if(QUILLNOTE_WINE32_STATUS AND EXISTS "${QUILLNOTE_WINE32_STATUS}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QUILLNOTE_WINE32_STATUS}")
    file(STRINGS "${QUILLNOTE_WINE32_STATUS}" _wine32_status LIMIT_COUNT 1)
endif()
execute_process(COMMAND "${QUILLNOTE_WINE_LOADER}" --version
    RESULT_VARIABLE _wine_result OUTPUT_QUIET ERROR_VARIABLE _wine_error)
if(QUILLNOTE_BITNESS EQUAL 32 AND _wine32_status MATCHES "^none: (.*)")
    set(_wine_error "${CMAKE_MATCH_1}")
endif()
if(_wine_result EQUAL 0)
    set(QUILLNOTE_WINE_RUNS TRUE)
    set(QUILLNOTE_WINE_SKIP_REASON "")
else()
    set(QUILLNOTE_WINE_RUNS FALSE)
    string(STRIP "${_wine_error}" _wine_error)
    set(QUILLNOTE_WINE_SKIP_REASON
        "the ${QUILLNOTE_BITNESS}-bit Wine loader ${QUILLNOTE_WINE_LOADER} does not start on this machine")
    message(STATUS "Windows tests of this build are skipped: ${QUILLNOTE_WINE_SKIP_REASON}: ${_wine_error}")
endif()

set(QUILLNOTE_PREFIX_SCRIPT "${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh")
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(QUILLNOTE_WINE_RUN "${CMAKE_BINARY_DIR}/wine-run.sh")
set(CMAKE_CROSSCOMPILING_EMULATOR "${QUILLNOTE_WINE_RUN}")

# Adds the GoogleTest program `target` to ctest, one ctest entry per test
# case where Wine runs, or one skipped entry where it cannot.
function(quillnote_add_gtest target)
    cmake_parse_arguments(ARG "" "" "PROPERTIES" ${ARGN})
    if(QUILLNOTE_WINE_RUNS)
        gtest_discover_tests(${target}
            DISCOVERY_MODE PRE_TEST
            DISCOVERY_TIMEOUT 120
            PROPERTIES SKIP_RETURN_CODE 77 ${ARG_PROPERTIES})
    else()
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES SKIP_RETURN_CODE 77 ${ARG_PROPERTIES})
    endif()
endfunction()
