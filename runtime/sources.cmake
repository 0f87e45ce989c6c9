list(APPEND QUORIX_CORE_SOURCES runtime/text.cpp runtime/command_line.cpp runtime/file_stream.cpp)
# Only in the shipped program: the tests take these from the C runtime.
list(APPEND QUORIX_PROGRAM_SOURCES runtime/entry.cpp runtime/memory.cpp)
