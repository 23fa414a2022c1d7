# The real programs: no C runtime, own entry points, imports from the
# system's DLLs only, headers marked for Windows 95 and NT 4.
set(CMAKE_CXX_FLAGS_INIT "")
set(NO_CRT_COMPILE -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-stack-protector -fno-builtin -ffunction-sections -mno-stack-arg-probe
    -Wall -Wextra -Werror)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(ENTRY_PREFIX "_")
    # The stack alignment that 32-bit Windows guarantees: 4 bytes. The
    # programs use no instruction that needs more.
    list(APPEND NO_CRT_COMPILE -mpreferred-stack-boundary=2)
else()
    set(ENTRY_PREFIX "")
endif()
# Whole-program optimisation: the programs are small and their routines are
# called from few places.
list(APPEND NO_CRT_COMPILE -flto)
set(NO_CRT_LINK -nostdlib -s -Wl,--gc-sections -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--disable-dynamicbase -Wl,--disable-nxcompat -Wl,--disable-reloc-section
    -Wl,--file-alignment,512 -Wl,--section-alignment,4096
    -flto -Wl,-T,${CMAKE_SOURCE_DIR}/cmake/pe-sections.ld)

enable_language(RC)
# The helpers the compiler calls must exist as machine code when the link
# generates the rest, so they stay out of the whole-program optimisation.
set_source_files_properties(common/no_crt.cpp PROPERTIES COMPILE_OPTIONS -fno-lto)

function(zem_program name entry)
    add_executable(${name} WIN32 ${ARGN} common/no_crt.cpp common/admin_manifest.rc)
    target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${NO_CRT_COMPILE}>)
    set_target_properties(${name} PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/pe-sections.ld)
    # Code is generated at the link: it needs the compiler's options too.
    target_link_options(${name} PRIVATE ${NO_CRT_COMPILE} ${NO_CRT_LINK} -Wl,-e,${ENTRY_PREFIX}${entry})
    target_link_libraries(${name} PRIVATE kernel32 user32 gdi32 advapi32 shell32)
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()

zem_program(setup SetupStartup ${SETUP_SOURCES} ${COMMON_SOURCES})
zem_program(uninstall UninstallerStartup ${UNINSTALL_SOURCES} ${COMMON_SOURCES})

add_executable(ZEM WIN32 product/zem.cpp)
target_compile_options(ZEM PRIVATE -Os -Wall -Wextra)
target_link_options(ZEM PRIVATE -static -s)
target_link_libraries(ZEM PRIVATE advapi32 shell32 ole32 uuid)

# Test tool for the end-to-end tests (not shipped).
add_executable(system_uninstall tests/wine/tools/system_uninstall.cpp)
target_compile_options(system_uninstall PRIVATE -Os -Wall -Wextra)
target_link_options(system_uninstall PRIVATE -static -s)
target_link_libraries(system_uninstall PRIVATE advapi32)
