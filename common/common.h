// Routines shared by setup and uninstall.
#ifndef ZEM_COMMON_H
#define ZEM_COMMON_H

#include "platform.h"
#include "product.h"

// The program's own full path, filled by the entry routine before anything else.
extern char ProgramPath[PROGRAM_PATH_SIZE];
void FillProgramPath(void);

// ProgramPath without its last backslash and what follows, into a PATH_SIZE
// buffer. Returns FALSE (and an empty Folder) when it does not fit.
BOOL GetOwnFolder(char *Folder);

// Asks a running ZEM to quit and waits up to ten seconds for its window to go.
void CloseRunningProduct(void);

// Opens Path under Root, creating missing keys, with full access; NULL on failure.
HKEY OpenRegistryKey(HKEY Root, const char *Path);

// Releases an item-id list the shell returned, with the shell's own allocator
// (ILFree is not exported by name on every system).
void FreeItemList(LPITEMIDLIST List);

// Bounded text: both refuse (return FALSE, Buffer unchanged) what does not fit
// in BufferSize bytes with its NUL.
BOOL CopyText(char *Buffer, int BufferSize, const char *Text);
BOOL AppendText(char *Buffer, int BufferSize, const char *Text);

#endif
