# Compiles each of FILES for Windows (syntax only) and fails naming every file
# that does not compile cleanly, with the compiler's first lines about it.
set(flags -fsyntax-only -std=c++17 -Wall -Wextra -Werror
    # As Qt's own Windows builds define them for their users.
    -DUNICODE -D_UNICODE -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB
    -I${SOURCE_DIR} -I${AUTOGEN}/include)
foreach(dir IN LISTS QT_INCLUDES)
    list(APPEND flags -isystem ${dir})
endforeach()

set(failed)
foreach(file IN LISTS FILES)
    execute_process(COMMAND ${COMPILER} ${flags} ${file}
        RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
    if(rc EQUAL 0 AND err STREQUAL "")
        message(STATUS "ok: ${file}")
    else()
        string(SUBSTRING "${err}" 0 3000 excerpt)
        message("FAILED: ${file}\n${excerpt}")
        list(APPEND failed ${file})
    endif()
endforeach()
list(LENGTH FILES count)
if(failed)
    message(FATAL_ERROR "these sources do not compile for Windows: ${failed}")
endif()
message(STATUS "${count} sources compile for Windows")
