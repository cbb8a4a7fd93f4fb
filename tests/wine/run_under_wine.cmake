# Runs the Windows test program PROGRAM under Wine (WINE, WINESERVER) in the
# private prefix PREFIX, on the X server that DISPLAY names, after copying
# SYSTEM_FILES (files, or folders whose contents are copied) into the
# prefix's system directory, PROGRAM_FILES beside the program (in
# C:\netportui-tests) and the folder QT_HOST, the test's Qt host program with
# its Qt, to C:\netportui-qthost. The program gets the folder PICTURES for
# its pictures (or other results), and PROGRAM_ARGS after it. Whenever Wine cannot start or the program cannot run, the test
# fails and says why: an absent Windows run proves nothing.
cmake_minimum_required(VERSION 3.25)

function(fail)
    string(CONCAT why ${ARGV})
    message(FATAL_ERROR "${why}")
endfunction()

if(MISSING)
    fail("${MISSING} not found: the Windows programs of the test cannot be built here. "
         "scripts/setup-tests.sh installs Debian's g++-mingw-w64-x86-64.")
endif()
foreach(tool WINE WINESERVER)
    if(NOT ${tool} OR NOT EXISTS "${${tool}}")
        fail("Wine cannot start: ${tool} not found (\"${${tool}}\"). "
             "scripts/setup-tests.sh installs Debian's wine and wine64.")
    endif()
endforeach()
if(NOT EXISTS "${PROGRAM}")
    fail("${PROGRAM} has not been built")
endif()
if(DEFINED QT_HOST AND NOT EXISTS "${QT_HOST}/qt_host.exe")
    fail("The Qt host program has not been built: it needs Qt for Windows without infix "
         "(\"bash scripts/qt-windows.sh plain\" makes it; scripts/test.sh passes it on as "
         "-DNETPORTUI_FOREIGN_QT_WINDOWS=...)")
endif()
if(NOT DEFINED ENV{DISPLAY})
    fail("No X server: the test runs on one of its own (tests/xvfb/on_xvfb.sh)")
endif()

# The prefix is ours alone; no debug channels.
set(wine_env ${CMAKE_COMMAND} -E env WINEPREFIX=${PREFIX} WINEDEBUG=-all)

# Waits until every Wine process of the prefix has ended and its registry is
# written, so that nothing outlives the test.
function(wait_for_wine)
    execute_process(COMMAND ${wine_env} ${WINESERVER} -w TIMEOUT 120)
endfunction()

function(stop_wine)
    execute_process(COMMAND ${wine_env} ${WINESERVER} -k OUTPUT_QUIET ERROR_QUIET TIMEOUT 30)
endfunction()

# A prefix counts as made once its first start has finished; one that an
# interrupted start left behind is made again.
set(ready ${PREFIX}/netportui-prefix-ready)
set(windows ${PREFIX}/drive_c/windows)
if(NOT EXISTS ${ready})
    file(REMOVE_RECURSE ${PREFIX})
    message(STATUS "creating the Wine prefix ${PREFIX} (first start, may take a minute)")
    # Without mscoree and mshtml, the first start offers no Mono or Gecko
    # download, which would wait for an answer.
    execute_process(COMMAND ${wine_env} WINEDLLOVERRIDES=mscoree,mshtml= ${WINE} wineboot --init
        RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 600)
    wait_for_wine()
    if(NOT rc EQUAL 0)
        stop_wine()
        fail("Wine cannot start: \"wine wineboot --init\" in ${PREFIX} ended with \"${rc}\":\n"
             "${output}")
    endif()
    if(NOT EXISTS ${PREFIX}/system.reg)
        fail("Wine cannot start: \"wine wineboot --init\" left no registry in ${PREFIX}:\n"
             "${output}")
    endif()
    # Debian's Wine does not find its own fonts: without Tahoma ("MS Shell
    # Dlg") a line edit's text is drawn out of sight, and without Marlett the
    # caption buttons show letters.
    foreach(font tahoma.ttf tahomabd.ttf marlett.ttf)
        if(NOT EXISTS /usr/share/wine/fonts/${font})
            fail("/usr/share/wine/fonts/${font} is missing: scripts/setup-tests.sh installs "
                 "Debian's fonts-wine")
        endif()
        file(COPY /usr/share/wine/fonts/${font} DESTINATION ${windows}/Fonts)
    endforeach()
    file(TOUCH ${ready})
endif()

foreach(item IN LISTS SYSTEM_FILES)
    if(IS_DIRECTORY ${item})
        file(COPY ${item}/ DESTINATION ${windows}/system32)
    else()
        file(COPY ${item} DESTINATION ${windows}/system32)
    endif()
endforeach()
# A plugin that an interrupted run moved aside.
file(GLOB parked ${windows}/system32/netportui/platforms/*.parked)
if(parked)
    file(REMOVE ${parked})
endif()

# The program runs from a folder of its own: Windows looks for a DLL in the
# program's folder before the system directory, and the build folder may hold
# anything.
set(program_dir ${PREFIX}/drive_c/netportui-tests)
file(REMOVE_RECURSE ${program_dir})
file(COPY ${PROGRAM} ${PROGRAM_FILES} DESTINATION ${program_dir})
get_filename_component(program_name ${PROGRAM} NAME)
set(host_dir ${PREFIX}/drive_c/netportui-qthost)
file(REMOVE_RECURSE ${host_dir})
if(QT_HOST)
    file(COPY ${QT_HOST}/ DESTINATION ${host_dir})
endif()
# A catalogue that an interrupted run left in the system directory.
file(GLOB stray_catalogues ${windows}/system32/monitor*.qm)
if(stray_catalogues)
    file(REMOVE ${stray_catalogues})
endif()

# Wine's own virtual desktop: Wine draws the frames and captions and keeps the
# focus itself, as Windows does, without a window manager on the X server.
file(REMOVE_RECURSE ${PICTURES})
string(REPLACE "/" "\\" pictures "Z:${PICTURES}")
execute_process(
    COMMAND ${wine_env} ${WINE} explorer /desktop=netportui,1024x768
            "C:\\netportui-tests\\${program_name}" ${pictures} ${PROGRAM_ARGS}
    RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 600)
message("${output}")
if(errors)
    message("${errors}")
endif()
# The desktop's exit status is not the program's: the program's last line
# counts.
if(output MATCHES "(^|\n)0 check\\(s\\) failed[\r\n]*$")
    wait_for_wine()
    return()
endif()
stop_wine()
if(output MATCHES "([0-9]+) check\\(s\\) failed")
    fail("${CMAKE_MATCH_1} check(s) failed under Wine")
endif()
fail("Wine could not run ${PROGRAM} to its end (\"${rc}\"); see the output above")
