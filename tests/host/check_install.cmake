# Installs the build into a fresh prefix and runs the installed netport, which
# must find the installed module and catalogues without options.
# -DBUILD_DIR=... -DPREFIX=... -DVERSION=the project's version -DSTATE=the log's
# XDG_STATE_HOME
include(${CMAKE_CURRENT_LIST_DIR}/install_fresh.cmake)
install_fresh(${BUILD_DIR} ${PREFIX})
set(netport ${PREFIX}/bin/netport)
set(ENV{XDG_STATE_HOME} ${STATE})
execute_process(COMMAND ${netport} --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^netport ${VERSION}\nmodule ${VERSION} \\([^)]*/lib[^/]*/libnetportui.so\\)\n")
    message(FATAL_ERROR "installed netport --version: ${rc}\n${out}")
endif()
execute_process(COMMAND ${netport} --store ${PREFIX}/ports.db list
    OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "no ports in")
    message(FATAL_ERROR "installed netport list: ${rc}\n${out}")
endif()
execute_process(COMMAND ${netport} --verbose tour --language de
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 240)
if(NOT rc EQUAL 0 OR NOT out MATCHES "tour: completed")
    message(FATAL_ERROR "installed netport tour: ${rc}\n${out}\n${err}")
endif()
if(NOT err MATCHES "translator file loaded \\([^)]*/monitor_de\\.qm\\)")
    message(FATAL_ERROR "the installed catalogue was not loaded\n${err}")
endif()
# No catalogue lies beside the installed module unless one is chosen.
file(GLOB_RECURSE beside ${PREFIX}/lib*/monitor*.qm)
if(beside)
    message(FATAL_ERROR "catalogues installed beside the module: ${beside}")
endif()
