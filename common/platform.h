// The one place where the programs meet the system: the real Win32 headers on
// Windows, the project's simulated Win32 on a host build.
#ifndef ZEM_PLATFORM_H
#define ZEM_PLATFORM_H

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#endif
