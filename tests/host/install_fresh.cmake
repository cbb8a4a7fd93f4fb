# install_fresh(BUILD_DIR PREFIX): installs the build into PREFIX, emptied
# first, or stops the script.
function(install_fresh build_dir prefix)
    file(REMOVE_RECURSE ${prefix})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${build_dir} --prefix ${prefix}
        OUTPUT_QUIET RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cmake --install ${build_dir} --prefix ${prefix} failed")
    endif()
endfunction()
