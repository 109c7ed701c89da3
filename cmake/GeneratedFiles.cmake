# Files that a script generates and the repository keeps: a test checks that
# the committed files are exactly what the script makes (its --check mode).
function(quillnote_add_generator_check name script)
    find_package(Python3 COMPONENTS Interpreter)
    if(Python3_FOUND)
        add_test(NAME ${name} COMMAND ${Python3_EXECUTABLE} ${script} --check)
    endif()
endfunction()
