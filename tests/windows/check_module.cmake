# Builds the module for Windows from SOURCE_DIR in WORK/build (TOOLCHAIN, Qt
# for Windows in QT), checks its export and import tables, installs it into
# WORK/install, checks that the installation carries everything its DLLs
# import, and packs it into WORK/package/netportui-VERSION-win64.zip.
cmake_minimum_required(VERSION 3.25)

function(fail)
    string(CONCAT why ${ARGV})
    message(FATAL_ERROR "${why}")
endfunction()

# Runs a command; fails with its output when it fails.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        list(JOIN ARGN " " command)
        fail("${command} failed (${rc}):\n${out}")
    endif()
endfunction()

if(NOT QT OR NOT EXISTS "${QT}/lib/cmake/Qt6/Qt6Config.cmake")
    fail("Qt for Windows is not at hand (NETPORTUI_QT_WINDOWS is \"${QT}\"): "
         "\"bash scripts/qt-windows.sh\" makes it and prints its folder, and "
         "scripts/test.sh passes it on (-DNETPORTUI_QT_WINDOWS=...).")
endif()
find_program(OBJDUMP x86_64-w64-mingw32-objdump)
find_program(COMPILER x86_64-w64-mingw32-g++-posix)
if(NOT OBJDUMP OR NOT COMPILER)
    fail("The MinGW-w64 compilers are missing: scripts/setup-tests.sh installs Debian's "
         "g++-mingw-w64-x86-64.")
endif()

# The names a PE file exports, or the DLLs it imports, as objdump -p lists
# them.
function(pe_table file kind result)
    execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        fail("${OBJDUMP} -p cannot read ${file}")
    endif()
    string(REPLACE "\n" ";" lines "${dump}")
    set(found)
    set(inside FALSE)
    foreach(line IN LISTS lines)
        if(kind STREQUAL "imports")
            if(line MATCHES "^[ \t]*DLL Name: (.+)$")
                list(APPEND found "${CMAKE_MATCH_1}")
            endif()
        elseif(line MATCHES "\\[Ordinal/Name Pointer\\] Table")
            set(inside TRUE)
        elseif(inside AND line MATCHES "^[ \t]*$")
            set(inside FALSE)
        elseif(inside AND line MATCHES "([^ \t]+)[ \t]*$")
            list(APPEND found "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    list(SORT found CASE INSENSITIVE)
    set(${result} ${found} PARENT_SCOPE)
endfunction()

set(build ${WORK}/build)
set(install ${WORK}/install)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${QT} -DCMAKE_FIND_ROOT_PATH=${QT}
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
run(${CMAKE_COMMAND} --build ${build})
set(module ${build}/bin/netportui.dll)
if(NOT EXISTS ${module})
    fail("The Windows build made no ${module}")
endif()

pe_table(${module} exports exports)
if(NOT exports STREQUAL "DllEntryPoint;InitializePrintMonitorUI")
    fail("netportui.dll exports \"${exports}\", expected exactly DllEntryPoint and "
         "InitializePrintMonitorUI")
endif()

# What the module may import: its own Qt (named with the infix, never the
# names every other product's Qt has), the spooler, the system's kernel, user
# interface and C runtime, and the compiler's runtime.
set(required Qt6Core_netportui.dll Qt6Gui_netportui.dll Qt6Widgets_netportui.dll WINSPOOL.DRV)
set(allowed ${required} KERNEL32.dll USER32.dll msvcrt.dll libgcc_s_seh-1.dll libstdc++-6.dll
    libwinpthread-1.dll)
string(TOLOWER "${allowed}" allowed)
pe_table(${module} imports imports)
string(TOLOWER "${imports}" imports_lower)
foreach(dll IN LISTS required)
    string(TOLOWER ${dll} dll_lower)
    if(NOT dll_lower IN_LIST imports_lower)
        fail("netportui.dll does not import ${dll}; it imports: ${imports}")
    endif()
endforeach()
foreach(dll IN LISTS imports_lower)
    if(NOT dll IN_LIST allowed)
        fail("netportui.dll imports ${dll}, which it should not; it imports: ${imports}")
    endif()
endforeach()
message(STATUS "exports: ${exports}")
message(STATUS "imports: ${imports}")

# The installation: the files the system directory receives.
file(REMOVE_RECURSE ${install})
run(${CMAKE_COMMAND} --install ${build} --prefix ${install})
foreach(file netportui.dll Qt6Core_netportui.dll Qt6Gui_netportui.dll Qt6Widgets_netportui.dll
        libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
        netportui/platforms/qwindows_netportui.dll netportui/styles/qwindowsvistastyle_netportui.dll)
    if(NOT EXISTS ${install}/bin/${file})
        fail("cmake --install did not install bin/${file}")
    endif()
endforeach()
# No file of the installation has a name that another product's Qt has.
file(GLOB_RECURSE plain_qt RELATIVE ${install} ${install}/bin/Qt6*.dll ${install}/bin/q*.dll)
list(FILTER plain_qt EXCLUDE REGEX "_netportui\\.dll$")
if(plain_qt)
    fail("cmake --install laid out Qt files without the library infix: ${plain_qt}")
endif()
# Every DLL that comes with Qt or the compiler and that an installed DLL or
# plugin imports is installed beside the module; the rest are the system's.
file(GLOB shipped RELATIVE ${install}/bin ${install}/bin/*.dll)
string(TOLOWER "${shipped}" shipped)
file(GLOB_RECURSE installed_dlls ${install}/bin/*.dll)
foreach(dll IN LISTS installed_dlls)
    pe_table(${dll} imports dll_imports)
    foreach(import IN LISTS dll_imports)
        string(TOLOWER ${import} import)
        if(import MATCHES "^(qt6|lib)" AND NOT import IN_LIST shipped)
            file(RELATIVE_PATH name ${install} ${dll})
            fail("${name} imports ${import}, which is not installed beside the module")
        endif()
    endforeach()
endforeach()

# The zip holds the same tree.
set(package_name netportui-${VERSION}-win64)
file(REMOVE_RECURSE ${WORK}/package)
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -B ${WORK}/package WORKING_DIRECTORY ${build}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(zip ${WORK}/package/${package_name}.zip)
if(NOT rc EQUAL 0 OR NOT EXISTS ${zip})
    fail("cpack made no ${zip}:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" zipped "${listing}")
list(FILTER zipped EXCLUDE REGEX "/$")
list(TRANSFORM zipped REPLACE "^${package_name}/" "")
list(SORT zipped)
file(GLOB_RECURSE files RELATIVE ${install} ${install}/*)
list(SORT files)
if(NOT zipped STREQUAL files)
    fail("${package_name}.zip holds\n  ${zipped}\nbut cmake --install laid out\n  ${files}")
endif()
file(SIZE ${zip} zip_bytes)
file(SIZE ${module} module_bytes)
message(STATUS "netportui.dll: ${module_bytes} bytes; ${package_name}.zip: ${zip_bytes} bytes")
