# What `cmake --install` lays out on Windows, in bin/: everything that goes
# into the system directory beside the module. The spooler loads the module
# from there, and Windows looks for the DLLs a module imports in the module's
# own folder first; the toolkit's plugins go into the folder netportui\ beside
# it, which the module adds to the toolkit's plugin path before it starts.
#
#   bin/netportui.dll                     the module
#   bin/Qt6Core_netportui.dll, ...        the Qt libraries the module imports,
#                                         named with Qt's library infix
#   bin/libstdc++-6.dll, ...              the compiler's runtime (MinGW only)
#   bin/netportui/platforms/qwindows_netportui.dll  the platform plugin
#   bin/netportui/styles/...              the Windows style
#   bin/monitor_<language>.qm             the chosen catalogue (NETPORTUI_CATALOGUE)
#
# The file names come from the Qt the module is built against, infix and all.
# CPack packs the same tree as netportui-<version>-win64.zip.

install(TARGETS netportui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_RUNTIME_DLLS:netportui> DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/netportui/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/netportui/styles)

# The MinGW compiler's runtime, which the module and the Qt libraries import:
# where the compiler's own search finds it, else beside the compiler (as in
# the MinGW kits of Qt's installer). Some distributions ship it with its debug
# information (Debian's libstdc++-6.dll is 24 MB, 4 MB without), so the
# installed copies are stripped of it. With MSVC, windeployqt adds the Visual
# C++ runtime instead.
if(MINGW)
    get_filename_component(compiler_dir ${CMAKE_CXX_COMPILER} DIRECTORY)
    set(runtime_copies)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime}" OR NOT EXISTS "${runtime}")
            set(runtime ${compiler_dir}/${dll})
        endif()
        if(NOT EXISTS "${runtime}")
            message(FATAL_ERROR "The compiler's runtime ${dll} was found neither by "
                                "${CMAKE_CXX_COMPILER} nor in ${compiler_dir}")
        endif()
        get_filename_component(runtime ${runtime} REALPATH)
        set(copy ${CMAKE_BINARY_DIR}/runtime/${dll})
        if(CMAKE_STRIP)
            set(make_copy ${CMAKE_STRIP} --strip-debug -o ${copy} ${runtime})
        else()
            set(make_copy ${CMAKE_COMMAND} -E copy ${runtime} ${copy})
        endif()
        add_custom_command(OUTPUT ${copy}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/runtime
            COMMAND ${make_copy}
            DEPENDS ${runtime}
            COMMENT "The compiler's runtime: ${dll}"
            VERBATIM)
        list(APPEND runtime_copies ${copy})
    endforeach()
    add_custom_target(netportui_runtime ALL DEPENDS ${runtime_copies})
    install(FILES ${runtime_copies} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME netportui)
set(CPACK_PACKAGE_VENDOR VARDENO)
set(CPACK_PACKAGE_FILE_NAME netportui-${PROJECT_VERSION}-win64)
include(CPack)
