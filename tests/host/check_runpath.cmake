# Every ELF file built, and every one installed, searches for libraries only
# through entries based on $ORIGIN: no empty entry (the working directory), no
# absolute or relative path. Then a library planted in the working directory
# under the name of one the module needs is shown not to be loaded when netport
# loads the module, while it is loaded where the working directory is searched
# on purpose.
# -DBUILD_DIR=... -DPREFIX=... -DPLANTED=<the planted library> -DWORK=<a scratch dir>
include(${CMAKE_CURRENT_LIST_DIR}/install_fresh.cmake)

function(check_runpaths dir)
    file(GLOB_RECURSE files LIST_DIRECTORIES false ${dir}/*)
    set(checked 0)
    foreach(file IN LISTS files)
        if(IS_SYMLINK ${file})
            continue()
        endif()
        file(READ ${file} magic LIMIT 4 HEX)
        if(NOT magic STREQUAL "7f454c46")
            continue()
        endif()
        execute_process(COMMAND readelf -d ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "readelf failed on ${file}")
        endif()
        math(EXPR checked "${checked} + 1")
        string(REGEX MATCHALL "Library (runpath|rpath): \\[[^]\n]*\\]" paths "${dynamic}")
        foreach(path IN LISTS paths)
            string(REGEX REPLACE "^Library (runpath|rpath): \\[(.*)\\]$" "\\2" value "${path}")
            string(REPLACE ":" ";" entries "${value}:")
            list(POP_BACK entries)
            foreach(entry IN LISTS entries)
                if(NOT entry MATCHES "^\\$ORIGIN(/|$)")
                    message(FATAL_ERROR "${file} searches \"${entry}\" (${path})")
                endif()
            endforeach()
            if(value STREQUAL "" OR value MATCHES "::" OR value MATCHES "^:" OR value MATCHES ":$")
                message(FATAL_ERROR "${file} has an empty search entry: ${path}")
            endif()
        endforeach()
    endforeach()
    if(checked LESS 3)
        message(FATAL_ERROR "only ${checked} ELF files found in ${dir}")
    endif()
    message(STATUS "${checked} ELF files in ${dir} search only $ORIGIN")
endfunction()

check_runpaths(${BUILD_DIR}/bin)
install_fresh(${BUILD_DIR} ${PREFIX})
check_runpaths(${PREFIX})

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{XDG_STATE_HOME} ${WORK}/state)
get_filename_component(planted_name ${PLANTED} NAME)
file(COPY_FILE ${PLANTED} ${WORK}/${planted_name})
set(mark ${WORK}/planted-library-was-loaded)
foreach(netport ${BUILD_DIR}/bin/netport ${PREFIX}/bin/netport)
    execute_process(COMMAND ${netport} --store ${WORK}/store delete no-such-port
        WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(EXISTS ${mark})
        message(FATAL_ERROR "${netport} loaded ${planted_name} from the working directory")
    endif()
    if(NOT out MATCHES "delete: failed, last error 1801")
        message(FATAL_ERROR "${netport} delete beside the planted library: ${rc}\n${out}${err}")
    endif()
endforeach()
# The planted library is one the loader takes when the working directory is
# searched: the check above would have seen it.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=.
    ${BUILD_DIR}/bin/netport --store ${WORK}/store delete no-such-port
    WORKING_DIRECTORY ${WORK} OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${mark})
    message(FATAL_ERROR "the planted ${planted_name} is not loaded even from a searched directory")
endif()
message(STATUS "a planted ${planted_name} in the working directory is not loaded")
