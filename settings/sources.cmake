list(APPEND QUORIX_CORE_SOURCES
    settings/settings_store.cpp
    settings/uninstall_entry.cpp)
