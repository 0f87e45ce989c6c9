# The host side: tools the build runs, the DOS stub, the host-side tests, and
# the two Windows builds driven as external projects.
include(ExternalProject)
enable_testing()

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
add_compile_options(-Wall -Wextra)

# What the host side hands to the Windows builds.
set(QUORIX_HARNESS_DIR ${CMAKE_BINARY_DIR}/harness)
set(QUORIX_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(QUORIX_SPLICE ${CMAKE_BINARY_DIR}/tools/splice/splice)
set(QUORIX_DOS_STUB ${CMAKE_BINARY_DIR}/dosstub/STUB.EXE)
set(QUORIX_DOS_STUB_ENGLISH ${CMAKE_BINARY_DIR}/dosstub/STUBUS.EXE)
# The stand-in for DOS/4GW, which the DOS tests and the demo CD use.
set(QUORIX_DOS_STANDIN ${CMAKE_BINARY_DIR}/standins/STANDIN.EXE)

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

add_subdirectory(tools)
add_subdirectory(dosstub)
add_subdirectory(standins)

set(windows_args
    -DQUORIX_ART_DIR=${QUORIX_ART_DIR}
    -DQUORIX_SPLICE=${QUORIX_SPLICE}
    -DQUORIX_DOS_STUB=${QUORIX_DOS_STUB}
    -DQUORIX_DOS_STUB_ENGLISH=${QUORIX_DOS_STUB_ENGLISH}
    -DCMAKE_BUILD_TYPE=Release)

# Whether Wine here runs the shipped 32-bit programs: asked of the machine at
# every configure, since a machine may come with or without 32-bit support.
# -DQUORIX_WIN32_TESTS=OFF shows the suite as such a machine runs it.
option(QUORIX_WIN32_TESTS "Run the 32-bit Windows tests where the machine can" ON)
if(QUORIX_WIN32_TESTS)
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/probe-32bit --wine
        RESULT_VARIABLE probe_status OUTPUT_VARIABLE win32_skip OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(probe_status EQUAL 0)
        set(win32_skip "")
    endif()
else()
    set(win32_skip "turned off with -DQUORIX_WIN32_TESTS=OFF")
endif()
if(win32_skip)
    message(STATUS "32-bit Windows tests: skipped, ${win32_skip}")
    file(WRITE ${QUORIX_HARNESS_DIR}/win32.skip "${win32_skip}\n")
else()
    message(STATUS "32-bit Windows tests: run under Wine")
    file(REMOVE ${QUORIX_HARNESS_DIR}/win32.skip)
endif()
set(win32_skip_arg "-DQUORIX_WINE_SKIP=${win32_skip}")
set(win64_skip_arg "-DQUORIX_WINE_SKIP=")

foreach(width 32 64)
    if(width EQUAL 32)
        set(toolchain mingw-i686.cmake)
    else()
        set(toolchain mingw-x86_64.cmake)
    endif()
    ExternalProject_Add(win${width}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/win${width}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${toolchain}
                   -DQUORIX_WIDTH=${width} ${windows_args}
                   -DQUORIX_HARNESS_DIR=${QUORIX_HARNESS_DIR}/win${width} ${win${width}_skip_arg}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        DEPENDS artwork splice dosstubs)
endforeach()

add_subdirectory(tests/static)
add_subdirectory(tests/dos)

# The sources as .clang-format and .editorconfig lay them out.
add_test(NAME style.layout COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-layout)
set_tests_properties(style.layout PROPERTIES LABELS host)

# ctest here also runs the tests of both Windows builds, which Wine executes,
# each in a Wine prefix of its own (harness/win32, harness/win64).
file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.cmake
    "subdirs(\"${CMAKE_BINARY_DIR}/win32\")\nsubdirs(\"${CMAKE_BINARY_DIR}/win64\")\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows-tests.cmake)
