# CMake toolchain file: builds for 64-bit Windows on Linux with Debian's
# MinGW-w64 compilers, in their POSIX-threads variant (Qt 6 needs std::thread
# and std::mutex). Used to build Qt for Windows (scripts/build-qt-windows.sh)
# and the module against it (tests/windows/).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
# The binutils have no "-posix" variant; CMake would guess one from the
# compiler's name.
foreach(tool AR RANLIB NM STRIP OBJCOPY OBJDUMP DLLTOOL)
    string(TOLOWER ${tool} name)
    set(CMAKE_${tool} ${mingw_triple}-${name} CACHE FILEPATH "")
endforeach()

# Libraries, headers and packages for Windows come from the MinGW-w64 sysroot
# and the roots the caller adds (-DCMAKE_FIND_ROOT_PATH=<Qt for Windows>);
# programs (moc, uic, rcc, lrelease) are Linux's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
