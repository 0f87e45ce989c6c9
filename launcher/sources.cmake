list(APPEND QUORIX_CORE_SOURCES
    launcher/startup.cpp
    launcher/centring.cpp
    launcher/main_dialog.cpp
    launcher/languages.cpp
    launcher/launch.cpp)
