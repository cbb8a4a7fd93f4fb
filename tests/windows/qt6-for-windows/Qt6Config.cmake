# Stands in for a Qt 6 package for Windows when only Debian's Qt is at hand, so
# that the project's build files can be configured for Windows and their build
# graph inspected. It loads Debian's package and gives its libraries the import
# library that a Windows package names. Nothing is built against it: the paths
# are placeholders.
include(${QT6_LINUX_DIR}/Qt6Config.cmake)
foreach(module Core Gui Widgets)
    if(TARGET Qt6::${module})
        set_property(TARGET Qt6::${module} PROPERTY IMPORTED_IMPLIB
            ${CMAKE_CURRENT_LIST_DIR}/placeholder/Qt6${module}.lib)
    endif()
endforeach()
