include(${QT6_LINUX_DIR}/Qt6ConfigVersion.cmake)
