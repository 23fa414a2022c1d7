// Simulated SHELL32: file-tree operations, special folders, the folder dialog.
#ifndef WIN32SIM_SHELL_H
#define WIN32SIM_SHELL_H

#include "windows.h"

typedef struct _SHFILEOPSTRUCTA {
    HWND hwnd;
    UINT wFunc;
    LPCSTR pFrom;
    LPCSTR pTo;
    FILEOP_FLAGS fFlags;
    BOOL fAnyOperationsAborted;
    LPVOID hNameMappings;
    LPCSTR lpszProgressTitle;
} SHFILEOPSTRUCTA, *LPSHFILEOPSTRUCTA;

#define FO_MOVE 1
#define FO_COPY 2
#define FO_DELETE 3
#define FOF_SILENT 0x0004
#define FOF_NOCONFIRMATION 0x0010
#define FOF_ALLOWUNDO 0x0040
#define FOF_FILESONLY 0x0080
#define FOF_NOCONFIRMMKDIR 0x0200
#define FOF_NOERRORUI 0x0400

typedef struct _SHITEMID { WORD cb; BYTE abID[1]; } SHITEMID;
typedef struct _ITEMIDLIST { SHITEMID mkid; } ITEMIDLIST, *LPITEMIDLIST;
typedef const ITEMIDLIST *LPCITEMIDLIST;

typedef int (CALLBACK *BFFCALLBACK)(HWND, UINT, LPARAM, LPARAM);

typedef struct _browseinfoA {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot;
    LPSTR pszDisplayName;
    LPCSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
} BROWSEINFOA, *LPBROWSEINFOA;

#define CSIDL_DESKTOP 0x0000
#define CSIDL_STARTMENU 0x000B
#define CSIDL_FONTS 0x0014

// The shell's allocator, a COM interface: only its vtable order matters.
struct IMalloc {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(const void *Iid, void **Object) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual void *STDMETHODCALLTYPE Alloc(SIZE_T Size) = 0;
    virtual void *STDMETHODCALLTYPE Realloc(void *Block, SIZE_T Size) = 0;
    virtual void STDMETHODCALLTYPE Free(void *Block) = 0;
    virtual SIZE_T STDMETHODCALLTYPE GetSize(void *Block) = 0;
    virtual int STDMETHODCALLTYPE DidAlloc(void *Block) = 0;
    virtual void STDMETHODCALLTYPE HeapMinimize() = 0;
};
typedef IMalloc *LPMALLOC;

int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA Operation);
HRESULT WINAPI SHGetSpecialFolderLocation(HWND Owner, int Folder, LPITEMIDLIST *List);
BOOL WINAPI SHGetPathFromIDListA(LPCITEMIDLIST List, LPSTR Path);
LPITEMIDLIST WINAPI SHBrowseForFolderA(LPBROWSEINFOA Browse);
HRESULT WINAPI SHGetMalloc(LPMALLOC *Allocator);

#endif
