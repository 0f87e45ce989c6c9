list(APPEND QUORIX_CORE_SOURCES
    installer/run_install.cpp
    installer/install_dialog.cpp
    installer/file_sets.cpp
    installer/copy_engine.cpp
    installer/copy_failure.cpp
    installer/progress_thread.cpp
    installer/progress_window.cpp)
