// Shell file operations and special folders live with the rest of the simulated Win32.
#include "windows.h"
#include "shell.h"
