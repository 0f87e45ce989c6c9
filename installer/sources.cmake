list(APPEND QUORIX_CORE_SOURCES installer/run_install.cpp)
