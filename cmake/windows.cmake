# One Windows build (QUORIX_WIDTH 32 or 64): the three editions of QUORIX.EXE,
# and the tests that run them under Wine. The 32-bit files are the ones that
# ship; the 64-bit ones are the same sources through a second compiler, and the
# suite on machines that cannot run 32-bit code (QUORIX_WINE_SKIP then says why).
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
add_compile_options(-Wall -Wextra)

# The program brings its own entry point and the few helpers the compiler
# calls: no C or C++ runtime, no exceptions, no RTTI, no unwind tables, and
# no loops turned into calls of C library functions that are not there. No
# -fdata-sections: mingw then puts zero-filled buffers into the file's data.
set(QUORIX_CODE_FLAGS -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-stack-protector -fno-threadsafe-statics -fno-tree-loop-distribute-patterns -ffunction-sections)
if(QUORIX_WIDTH EQUAL 32)
    set(QUORIX_ENTRY _QuorixEntry)
else()
    set(QUORIX_ENTRY QuorixEntry)
endif()
set(QUORIX_LINK_FLAGS -nostdlib -nostartfiles -s
    -Wl,-e,${QUORIX_ENTRY} -Wl,--gc-sections
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--no-insert-timestamp)
set(QUORIX_SYSTEM_LIBS kernel32 user32 gdi32 advapi32)

set(CMAKE_RC_FLAGS "-c 65001 -I ${QUORIX_ART_DIR}")

enable_testing()
# wine-run names the harness script by this path: set it first.
set(QUORIX_SOURCE_DIR ${CMAKE_SOURCE_DIR})
configure_file(cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# The sources every edition is made of, less the entry point and the compiler
# helpers, which the test programs take from the ordinary runtime instead.
set(QUORIX_CORE_SOURCES)
foreach(dir launcher settings installer uninstaller runtime)
    include(${dir}/sources.cmake)
endforeach()
list(TRANSFORM QUORIX_CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
list(TRANSFORM QUORIX_PROGRAM_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

set(edition_number_german 1)
set(edition_number_english 2)
set(edition_number_multilingual 3)
set(edition_rc_german single.rc)
set(edition_rc_english single.rc)
set(edition_rc_multilingual multilingual.rc)
set(edition_stub_german ${QUORIX_DOS_STUB})
set(edition_stub_english ${QUORIX_DOS_STUB_ENGLISH})
set(edition_stub_multilingual ${QUORIX_DOS_STUB})

file(GLOB QUORIX_RESOURCE_FILES ${CMAKE_SOURCE_DIR}/resources/*.rc ${CMAKE_SOURCE_DIR}/resources/*.h)
set(QUORIX_ART_FILES ${QUORIX_ART_DIR}/background.bmp ${QUORIX_ART_DIR}/background-multi.bmp
    ${QUORIX_ART_DIR}/icon32.ico ${QUORIX_ART_DIR}/icon16.ico)

foreach(edition ${QUORIX_EDITIONS})
    set(core quorix_core_${edition})
    add_library(${core} OBJECT ${QUORIX_CORE_SOURCES})
    target_compile_definitions(${core} PUBLIC QUORIX_EDITION=${edition_number_${edition}})
    target_compile_options(${core} PRIVATE ${QUORIX_CODE_FLAGS})
    target_include_directories(${core} PUBLIC ${CMAKE_SOURCE_DIR})

    # The resources of the edition, compiled once and linked into the program
    # and its tests alike.
    set(rc ${CMAKE_SOURCE_DIR}/resources/${edition_rc_${edition}})
    add_library(quorix_resources_${edition} OBJECT ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
        "${QUORIX_ART_FILES};${QUORIX_RESOURCE_FILES}")

    set(exe quorix_${edition})
    add_executable(${exe} WIN32 ${QUORIX_PROGRAM_SOURCES})
    target_link_libraries(${exe} PRIVATE ${core} quorix_resources_${edition})
    target_compile_options(${exe} PRIVATE ${QUORIX_CODE_FLAGS})
    target_link_options(${exe} PRIVATE ${QUORIX_LINK_FLAGS})
    target_link_libraries(${exe} PRIVATE ${QUORIX_SYSTEM_LIBS})
    set_target_properties(${exe} PROPERTIES OUTPUT_NAME QUORIX SUFFIX .EXE
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${edition})
    # The DOS face: the real-mode stub goes in front of the PE, again
    # whenever the stub changes.
    set_property(TARGET ${exe} APPEND PROPERTY LINK_DEPENDS ${edition_stub_${edition}})
    add_custom_command(TARGET ${exe} POST_BUILD
        COMMAND ${QUORIX_SPLICE} ${edition_stub_${edition}} $<TARGET_FILE:${exe}>
        VERBATIM)
endforeach()

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
include(cmake/wine-tests.cmake)
add_subdirectory(standins)
add_subdirectory(tests/common)
add_subdirectory(tests/unit)
add_subdirectory(tests/driver)
add_subdirectory(tests/install)
add_subdirectory(tests/uninstall)
