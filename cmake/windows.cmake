# The real programs: no C runtime, own entry points, imports from the
# system's DLLs only, headers marked for Windows 95 and NT 4.
set(CMAKE_CXX_FLAGS_INIT "")
set(NO_CRT_COMPILE -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-stack-protector -fno-builtin -ffunction-sections -mno-stack-arg-probe
    -Wall -Wextra -Werror)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(ENTRY_PREFIX "_")
else()
    set(ENTRY_PREFIX "")
endif()
set(NO_CRT_LINK -nostdlib -s -Wl,--gc-sections -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--disable-dynamicbase -Wl,--disable-nxcompat -Wl,--disable-reloc-section
    -Wl,--file-alignment,512 -Wl,--section-alignment,4096)

enable_language(RC)

function(zem_program name entry)
    add_executable(${name} WIN32 ${ARGN} common/no_crt.cpp common/admin_manifest.rc)
    target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${NO_CRT_COMPILE}>)
    target_link_options(${name} PRIVATE ${NO_CRT_LINK} -Wl,-e,${ENTRY_PREFIX}${entry})
    target_link_libraries(${name} PRIVATE kernel32 user32 gdi32 advapi32 shell32)
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()

zem_program(setup SetupStartup ${SETUP_SOURCES} ${COMMON_SOURCES})

add_executable(ZEM WIN32 product/zem.cpp)
target_compile_options(ZEM PRIVATE -Os -Wall -Wextra)
target_link_options(ZEM PRIVATE -static -s)
target_link_libraries(ZEM PRIVATE advapi32 shell32 ole32 uuid)
