list(APPEND QUORIX_CORE_SOURCES
    uninstaller/uninstall.cpp
    uninstaller/remove_files.cpp
    uninstaller/remove_keys.cpp)
