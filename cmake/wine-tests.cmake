# Helpers of the test folders that drive the real QUORIX.EXE under Wine.

# A program on the black-box driver's helpers: driver.cpp and SOURCES, with
# the driver's scratch folder WORK and the folder DRIVE_E that drive E maps
# to; built after the stand-in and every edition's launcher.
#   quorix_driver_program(NAME WORK dir DRIVE_E dir SOURCES ... [LIBS ...] [DEFINITIONS ...])
function(quorix_driver_program name)
    cmake_parse_arguments(arg "" "WORK;DRIVE_E" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/driver/driver.cpp ${arg_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/driver)
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_link_options(${name} PRIVATE -static)
    target_compile_definitions(${name} PRIVATE
        _WIN32_WINNT=0x0601
        QUORIX_BINARY_DIR="${CMAKE_BINARY_DIR}"
        QUORIX_DRIVER_WORK="${arg_WORK}"
        QUORIX_DRIVER_DRIVE_E="${arg_DRIVE_E}"
        QUORIX_STANDIN="$<TARGET_FILE:quorix_standin>"
        ${arg_DEFINITIONS})
    add_dependencies(${name} quorix_standin)
    foreach(edition ${QUORIX_EDITIONS})
        add_dependencies(${name} quorix_${edition})
    endforeach()
endfunction()

# Two tests, PREFIX.map and PREFIX.unmap, that run SCRIPT with the harness,
# "map" or "unmap" and ARGS around the tests that require FIXTURE: drive
# letters of the prefix mapped onto folders of the tests' own.
#   quorix_drive_fixture(PREFIX FIXTURE SCRIPT ARGS...)
function(quorix_drive_fixture prefix fixture script)
    set(harness ${QUORIX_SOURCE_DIR}/scripts/harness ${QUORIX_HARNESS_DIR})
    add_test(NAME ${prefix}.map COMMAND sh ${script} ${harness} map ${ARGN})
    add_test(NAME ${prefix}.unmap COMMAND sh ${script} ${harness} unmap ${ARGN})
    set_tests_properties(${prefix}.map PROPERTIES FIXTURES_SETUP ${fixture})
    set_tests_properties(${prefix}.unmap PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()
