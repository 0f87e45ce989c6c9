# Helpers of the test folders that drive the real QUORIX.EXE under Wine.

# A program on the black-box driver's helpers: driver.cpp, the tests' shared
# registry helpers and SOURCES, with the driver's scratch folder WORK and the
# folder DRIVE_E that drive E maps to; built after the stand-in and every
# edition's launcher.
#   quorix_driver_program(NAME WORK dir DRIVE_E dir SOURCES ... [LIBS ...] [DEFINITIONS ...])
function(quorix_driver_program name)
    cmake_parse_arguments(arg "" "WORK;DRIVE_E" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/driver/driver.cpp ${arg_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/driver)
    target_link_libraries(${name} PRIVATE quorix_test_registry ${arg_LIBS})
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

# Two tests, winWIDTH.PREFIX.map and .unmap, that run SCRIPT with the harness,
# "map" or "unmap" and ARGS around the tests that require FIXTURE (see
# quorix_wine_tests): drive letters of this width's prefix mapped onto folders
# of the tests' own. None where this width's tests are skipped.
#   quorix_drive_fixture(PREFIX FIXTURE SCRIPT ARGS...)
function(quorix_drive_fixture prefix fixture script)
    if(QUORIX_WINE_SKIP)
        return()
    endif()
    set(width win${QUORIX_WIDTH})
    set(harness ${QUORIX_SOURCE_DIR}/scripts/harness ${QUORIX_HARNESS_DIR})
    set(map ${width}.${prefix}.map)
    set(unmap ${width}.${prefix}.unmap)
    add_test(NAME ${map} COMMAND sh ${script} ${harness} map ${ARGN})
    add_test(NAME ${unmap} COMMAND sh ${script} ${harness} unmap ${ARGN})
    set_tests_properties(${map} PROPERTIES FIXTURES_SETUP ${width}.${fixture} LABELS ${width})
    set_tests_properties(${unmap} PROPERTIES FIXTURES_CLEANUP ${width}.${fixture} LABELS ${width})
endfunction()

# The GoogleTest cases of TARGET, run under Wine and discovered when the tests
# run: named winWIDTH.PREFIX.Suite.Case and labelled winWIDTH, so that
# `ctest -L win32` runs one width alone. FIXTURE names a quorix_drive_fixture
# of this build. Where Wine here cannot run this width's programs, one test
# winWIDTH.PREFIX stands for them all and reports itself skipped, with why.
#   quorix_wine_tests(TARGET PREFIX [FIXTURE name] [NO_PRETTY_VALUES]
#                     [DISCOVERY_TIMEOUT s] [PROPERTIES ...])
function(quorix_wine_tests target prefix)
    cmake_parse_arguments(arg "NO_PRETTY_VALUES" "FIXTURE;DISCOVERY_TIMEOUT" "PROPERTIES" ${ARGN})
    set(width win${QUORIX_WIDTH})
    if(QUORIX_WINE_SKIP)
        add_test(NAME ${width}.${prefix}
            COMMAND sh -c "echo \"skipped: $1\"; exit 77" sh "${QUORIX_WINE_SKIP}")
        set_tests_properties(${width}.${prefix} PROPERTIES SKIP_RETURN_CODE 77 LABELS ${width})
        return()
    endif()
    set(properties LABELS ${width} ${arg_PROPERTIES})
    if(arg_FIXTURE)
        list(APPEND properties FIXTURES_REQUIRED ${width}.${arg_FIXTURE})
    endif()
    if(NOT arg_DISCOVERY_TIMEOUT)
        # A cold Wine prefix can take many seconds to list the tests.
        set(arg_DISCOVERY_TIMEOUT 120)
    endif()
    set(pretty)
    if(arg_NO_PRETTY_VALUES)
        set(pretty NO_PRETTY_VALUES)
    endif()
    gtest_discover_tests(${target}
        TEST_PREFIX ${width}.${prefix}.
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT ${arg_DISCOVERY_TIMEOUT}
        ${pretty}
        PROPERTIES ${properties})
endfunction()
