# Fails when a C++ file of the project is not formatted as .clang-format says.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h
    ${SOURCE_DIR}/spooler/*.cpp ${SOURCE_DIR}/spooler/*.h
    ${SOURCE_DIR}/monitorui/*.cpp ${SOURCE_DIR}/monitorui/*.h
    ${SOURCE_DIR}/toolkit/*.cpp ${SOURCE_DIR}/toolkit/*.h
    ${SOURCE_DIR}/wizard/*.cpp ${SOURCE_DIR}/wizard/*.h
    ${SOURCE_DIR}/properties/*.cpp ${SOURCE_DIR}/properties/*.h
    ${SOURCE_DIR}/forms/*.cpp ${SOURCE_DIR}/forms/*.h
    ${SOURCE_DIR}/host/*.cpp ${SOURCE_DIR}/host/*.h
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
    ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "not formatted:\n${err}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
