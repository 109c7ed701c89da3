# Makes the release archive Quillnote-<version>-windows.zip from two built
# Windows trees, run as a script:
#   cmake -DX86_TREE=<i686 tree> -DX64_TREE=<x86_64 tree> -DOUTPUT_DIR=<folder>
#         -P cmake/MakeArchive.cmake
# The archive holds one install prefix per architecture (x86/, x64/: the DLL
# and its assembly manifest, the header and GUIDs, the type library and the
# CMake package), the samples, the README, the documentation (docs/) and the
# licence; nothing else of the build trees.
cmake_minimum_required(VERSION 3.25)
foreach(var IN ITEMS X86_TREE X64_TREE OUTPUT_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "MakeArchive.cmake needs -D${var}=...")
    endif()
endforeach()
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# Both trees must be of the same version; it names the archive.
foreach(tree IN ITEMS "${X86_TREE}" "${X64_TREE}")
    if(NOT EXISTS "${tree}/CMakeCache.txt" OR NOT EXISTS "${tree}/bin/Quillnote.dll")
        message(FATAL_ERROR "${tree} is not a built Windows tree (no CMakeCache.txt or bin/Quillnote.dll)")
    endif()
    load_cache("${tree}" READ_WITH_PREFIX tree_ CMAKE_PROJECT_VERSION)
    if(DEFINED version AND NOT version STREQUAL tree_CMAKE_PROJECT_VERSION)
        message(FATAL_ERROR "the trees are of different versions: ${version} and ${tree_CMAKE_PROJECT_VERSION}")
    endif()
    set(version "${tree_CMAKE_PROJECT_VERSION}")
endforeach()

set(name "Quillnote-${version}-windows")
set(staging "${OUTPUT_DIR}/${name}.staging")
set(root "${staging}/${name}")
file(REMOVE_RECURSE "${staging}")
file(MAKE_DIRECTORY "${root}")

foreach(pair IN ITEMS "x86=${X86_TREE}" "x64=${X64_TREE}")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 arch)
    list(GET pair 1 tree)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${tree}" --prefix "${root}/${arch}" --component quillnote
        RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "installing ${tree} failed")
    endif()
endforeach()

file(COPY "${source_dir}/README.md" "${source_dir}/LICENSE" DESTINATION "${root}")
file(COPY "${source_dir}/samples" "${source_dir}/docs" DESTINATION "${root}")

set(archive "${OUTPUT_DIR}/${name}.zip")
file(REMOVE "${archive}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${archive}" --format=zip "${name}"
    WORKING_DIRECTORY "${staging}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "making ${archive} failed")
endif()
file(REMOVE_RECURSE "${staging}")
message(STATUS "${archive}")
