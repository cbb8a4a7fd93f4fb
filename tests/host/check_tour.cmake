# Runs `netport tour` as a person would start it and checks what it printed
# (the story on standard output, nothing on standard error: the module's and
# the toolkit's lines go to the log), its exit code and that every picture was
# saved.
# -DNETPORT=... -DSTATE=the log's XDG_STATE_HOME [-DPICTURES=...] [-DLANGUAGES=de[,fr...]] [-DPLATFORM=xcb: the
# platform the windows must have been shown on]
# With several languages the tour runs once in each; pictures are taken only
# when PICTURES is given.
function(run_tour language)
    set(args tour)
    if(PICTURES)
        file(REMOVE_RECURSE ${PICTURES})
        list(APPEND args --screenshots ${PICTURES})
    endif()
    if(language)
        list(APPEND args --language ${language})
    endif()
    file(REMOVE_RECURSE ${STATE})
    set(ENV{XDG_STATE_HOME} ${STATE})
    execute_process(COMMAND ${NETPORT} ${args}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 240)
    list(JOIN args " " shown)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "netport ${shown} exited with ${rc}\n${out}\n${err}")
    endif()
    if(NOT err STREQUAL "")
        message(FATAL_ERROR "netport ${shown} wrote to standard error:\n${err}")
    endif()
    file(READ ${STATE}/netport/netport.log log)
    if(NOT log MATCHES " netport ${shown}\n.* MLAddPorts\n")
        message(FATAL_ERROR "the module's lines are not in the log of netport ${shown}:\n${log}")
    endif()
    set(expected
        "AddPort \"192.168.1.20:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;\" -> status 0"
        "AddPort \"http://10.0.0.7/elp3;PROT=HTTP;HTTP_PROXY_ENABLED=ON;HTTP_PROXY_NAME=proxy.example;HTTP_PROXY_PORT=8080;HTTP_PROXY_LPRINTER=lp3;HTTP_SECURE=ON;MONITORING=OFF;COMMUNITY=tulvex;\" -> status 0"
        "AddPort \"192.168.1.20:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;\" -> status 183"
        "SetProperties \"192.168.1.20:9100;TIMEOUT=15;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;HTTP_PROXY_PORT=0;MONITORING=ON;COMMUNITY=public\" -> status 0"
        "DeletePort \"http://10.0.0.7/elp3\" -> status 0"
        "== Ports at the end\n  192.168.1.20:9100\n    192.168.1.20:9100;PROT=SOCKET;TIMEOUT=15;"
        "tour: completed")
    foreach(text IN LISTS expected)
        string(FIND "${out}" "${text}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "the tour (${language}) did not print: ${text}\n${out}")
        endif()
    endforeach()
    if(PLATFORM)
        string(FIND "${out}" "Windows shown on the ${PLATFORM} platform" shown)
        if(shown EQUAL -1)
            message(FATAL_ERROR "the windows were not shown on the ${PLATFORM} platform\n${out}")
        endif()
    endif()
    string(REGEX MATCHALL "result: succeeded" results "${out}")
    list(LENGTH results succeeded)
    if(NOT succeeded EQUAL 7)
        message(FATAL_ERROR "${succeeded} of 7 operations succeeded (${language})\n${out}")
    endif()
    if(PICTURES)
        foreach(picture socket-method socket-socket socket-snmp socket-summary
                http-method http-host http-snmp http-proxy http-summary
                again-method again-socket again-snmp again-summary warning
                dialog-socket dialog-socket-edited dialog-http)
            if(NOT EXISTS ${PICTURES}/${picture}.png)
                message(FATAL_ERROR "no picture ${picture}.png in ${PICTURES}")
            endif()
        endforeach()
    endif()
    if(language)
        string(FIND "${log}" "translator file loaded (" loaded)
        string(FIND "${log}" "monitor_${language}.qm)" named)
        if(loaded EQUAL -1 OR named EQUAL -1)
            message(FATAL_ERROR "the module did not load monitor_${language}.qm\n${log}")
        endif()
    endif()
endfunction()

if(LANGUAGES)
    string(REPLACE "," ";" languages "${LANGUAGES}")
    foreach(language IN LISTS languages)
        run_tour(${language})
    endforeach()
else()
    run_tour("")
endif()
