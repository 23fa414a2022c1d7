// Every registry key is opened, or created where it is missing, the same way.
#include "common.h"

HKEY OpenRegistryKey(HKEY Root, const char *Path)
{
    // The class parameter is declared writable but only read.
    HKEY Key;
    DWORD Disposition;
    if (RegCreateKeyExA(Root, Path, 0, (LPSTR)REGISTRY_KEY_CLASS, 0, KEY_ALL_ACCESS, NULL,
                        &Key, &Disposition) != ERROR_SUCCESS)
        return NULL;
    return Key;
}
