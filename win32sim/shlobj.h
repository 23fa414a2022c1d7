// Item-id lists, the folder dialog and the shell allocator live with the rest of the simulated Win32.
#include "windows.h"
#include "shell.h"
