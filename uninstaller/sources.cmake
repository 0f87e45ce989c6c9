list(APPEND QUORIX_CORE_SOURCES uninstaller/uninstall.cpp)
