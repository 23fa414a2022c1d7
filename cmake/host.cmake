# Host build: the program sources compiled unchanged against the simulated
# Win32 in win32sim/, with the tests; or, with ZEM_FUZZ (clang), the
# uninstaller's fuzz target instead.
add_compile_options(-Wall -Wextra -g)
option(ZEM_SANITIZE "AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZEM_FUZZ "libFuzzer target of the uninstaller (clang), with both sanitizers" OFF)
if(ZEM_SANITIZE OR ZEM_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
if(ZEM_FUZZ)
    # Coverage for the fuzzer in every source, the simulation's included.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

add_library(win32sim STATIC
    win32sim/state.cpp win32sim/files.cpp win32sim/kernel.cpp
    win32sim/user.cpp win32sim/gdi.cpp win32sim/registry.cpp win32sim/shell.cpp)
target_include_directories(win32sim PUBLIC win32sim)

add_library(uninstall_program STATIC ${UNINSTALL_SOURCES} ${COMMON_SOURCES})
target_link_libraries(uninstall_program PUBLIC win32sim)

if(ZEM_FUZZ)
    add_executable(uninstall_fuzzer tests/fuzz/uninstall_fuzzer.cpp)
    target_link_options(uninstall_fuzzer PRIVATE -fsanitize=fuzzer)
    target_link_libraries(uninstall_fuzzer PRIVATE uninstall_program)
    return()
endif()

# The packager's check of a distribution, a host program.
add_library(distribution_check STATIC distcheck/check.cpp)
add_executable(check-distribution distcheck/main.cpp)
target_link_libraries(check-distribution PRIVATE distribution_check)

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(setup_program STATIC ${SETUP_SOURCES} ${COMMON_SOURCES})
target_link_libraries(setup_program PUBLIC win32sim)

function(zem_test name)
    add_executable(${name} ${ARGN} tests/host/fixture.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    target_include_directories(${name} PRIVATE tests/host)
    # One process per test case: the programs keep their state in globals.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

zem_test(common_tests tests/host/common_test.cpp)
target_link_libraries(common_tests PRIVATE setup_program)
zem_test(setup_tests tests/host/setup_window_test.cpp tests/host/setup_paint_test.cpp
    tests/host/setup_install_test.cpp tests/host/setup_folder_test.cpp)
target_link_libraries(setup_tests PRIVATE setup_program)
zem_test(uninstall_tests tests/host/uninstall_command_test.cpp tests/host/uninstall_hand_off_test.cpp
    tests/host/uninstall_removal_test.cpp)
target_link_libraries(uninstall_tests PRIVATE uninstall_program)
zem_test(distribution_check_tests tests/host/distribution_check_test.cpp)
target_link_libraries(distribution_check_tests PRIVATE distribution_check win32sim)
