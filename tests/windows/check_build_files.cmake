# Configures the project for Windows with mingw-w64 and checks the build graph
# it generates: the module alone (no stand-in libraries, no host program, no
# tests), named netportui.dll, linked with its module definition file and
# winspool, and without the GNU linker's version script.
# -DSOURCE_DIR=... -DWORK=... -DQT6_LINUX_DIR=...
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK} -G Ninja
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake
        -DQt6_DIR=${CMAKE_CURRENT_LIST_DIR}/qt6-for-windows -DQT6_LINUX_DIR=${QT6_LINUX_DIR}
        -DNETPORTUI_CATALOGUE=de
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "configuring for Windows failed:\n${out}\n${err}")
endif()
file(READ ${WORK}/build.ninja graph)

function(require pattern why)
    if(NOT graph MATCHES "${pattern}")
        message(FATAL_ERROR "the Windows build graph lacks ${why}")
    endif()
endfunction()
function(refuse pattern why)
    if(graph MATCHES "${pattern}")
        message(FATAL_ERROR "the Windows build graph has ${why}")
    endif()
endfunction()

require("\nbuild bin/netportui\\.dll[ |:]" "the module netportui.dll")
require("LINK_FLAGS = [^\n]*monitorui/netportui\\.def" "the module definition file as export list")
require("LINK_LIBRARIES = [^\n]*-lwinspool" "winspool")
refuse("--version-script|--no-undefined" "GNU linker options")
refuse("libwin32|libspooler|bin/netport[ .:]|netport\\.exe|netport-bench|_test\\.exe|monitorui_entry\\.exe"
    "a stand-in library, the host program, the benchmark or a test")
refuse("xcb" "the X11 library")
require("monitor_de\\.qm" "the catalogue")
file(READ ${WORK}/cmake_install.cmake install)
if(NOT install MATCHES "/bin\" TYPE SHARED_LIBRARY[^\n]*netportui\\.dll")
    message(FATAL_ERROR "the module is not installed into bin/")
endif()
file(READ ${WORK}/translations/cmake_install.cmake install)
if(NOT install MATCHES "/bin\" TYPE FILE[^\n]*monitor_de\\.qm")
    message(FATAL_ERROR "the chosen catalogue is not installed beside the module")
endif()
message(STATUS "the build files configure the module alone for Windows")
