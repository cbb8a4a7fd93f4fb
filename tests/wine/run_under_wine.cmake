# Runs the Windows test program PROGRAM under Wine (WINE, WINESERVER) in the
# private prefix PREFIX, creating the prefix first when it is not complete.
# Whenever Wine cannot start or the program cannot run, the test fails and
# says why: an absent Windows run proves nothing.
function(fail)
    string(CONCAT why ${ARGV})
    message(FATAL_ERROR "${why}")
endfunction()

if(MISSING)
    fail("${MISSING} not found: the module cannot be built for Windows here. "
         "scripts/setup.sh installs Debian's g++-mingw-w64-x86-64.")
endif()
foreach(tool WINE WINESERVER)
    if(NOT ${tool} OR NOT EXISTS "${${tool}}")
        fail("Wine cannot start: ${tool} not found (\"${${tool}}\"). "
             "scripts/setup.sh installs Debian's wine and wine64.")
    endif()
endforeach()
if(NOT EXISTS "${PROGRAM}")
    fail("${PROGRAM} has not been built")
endif()

# The prefix is ours alone; no debug channels; no display: the program shows no
# window, and without DISPLAY Wine loads no display driver.
set(wine_env ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
    WINEPREFIX=${PREFIX} WINEDEBUG=-all)

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
    file(TOUCH ${ready})
endif()

execute_process(COMMAND ${wine_env} ${WINE} ${PROGRAM}
    RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 300)
message("${output}")
if(errors)
    message("${errors}")
endif()
if(rc EQUAL 0)
    wait_for_wine()
    return()
endif()
stop_wine()
if(output MATCHES "([0-9]+) check\\(s\\) failed")
    fail("${CMAKE_MATCH_1} check(s) failed under Wine")
endif()
fail("Wine could not run ${PROGRAM} (exit ${rc}); see the output above")
