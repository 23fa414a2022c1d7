// Declarations of the Win32 subset that setup and uninstall call, for host
// builds. Types keep the system's widths (DWORD is 32 bits on every host),
// constants the system's values, records their fields in the system's order.
// Handles are pointers of the host's width.
#ifndef WIN32SIM_WINDOWS_H
#define WIN32SIM_WINDOWS_H

#include <stdint.h>
#include <stddef.h>
#include <string.h>

#define WINAPI
#define CALLBACK
#define APIENTRY
#define STDMETHODCALLTYPE

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t UINT;
typedef int INT;
typedef char CHAR;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID;
typedef const void *LPCVOID;
typedef BYTE *LPBYTE;
typedef const BYTE *LPCBYTE;
typedef DWORD *LPDWORD;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef size_t SIZE_T;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef LONG HRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef LONG LSTATUS;
typedef DWORD REGSAM;
typedef WORD FILEOP_FLAGS;

static_assert(sizeof(BYTE) == 1, "BYTE is 8 bits");
static_assert(sizeof(WORD) == 2, "WORD is 16 bits");
static_assert(sizeof(DWORD) == 4, "DWORD is 32 bits");
static_assert(sizeof(LONG) == 4, "LONG is 32 bits");
static_assert(sizeof(LPARAM) == sizeof(void *), "LPARAM holds a pointer");

#define DECLARE_SIM_HANDLE(name) struct name##__ { int unused; }; typedef struct name##__ *name
DECLARE_SIM_HANDLE(HWND);
DECLARE_SIM_HANDLE(HINSTANCE);
DECLARE_SIM_HANDLE(HDC);
DECLARE_SIM_HANDLE(HBITMAP);
DECLARE_SIM_HANDLE(HFONT);
DECLARE_SIM_HANDLE(HBRUSH);
DECLARE_SIM_HANDLE(HICON);
DECLARE_SIM_HANDLE(HMENU);
DECLARE_SIM_HANDLE(HKEY);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef void *HANDLE;
typedef void *HGDIOBJ;
typedef HKEY *PHKEY;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define MAKEINTRESOURCEA(i) ((LPSTR)(ULONG_PTR)(WORD)(i))
#define LOWORD(l) ((WORD)((DWORD_PTR_SIM)(l) & 0xFFFF))
#define HIWORD(l) ((WORD)(((DWORD_PTR_SIM)(l) >> 16) & 0xFFFF))
typedef uintptr_t DWORD_PTR_SIM;
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)(((WORD)(l)) | (((DWORD)(WORD)(h)) << 16)))
#define ZeroMemory(p, n) memset((p), 0, (n))
#define S_OK ((HRESULT)0)
#define E_FAIL ((HRESULT)0x80004005)
#define NOERROR 0

// Errors
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_SHARING_VIOLATION 32L
#define ERROR_CALL_NOT_IMPLEMENTED 120L
#define ERROR_KEY_DELETED 1018L

// Windows and messages
typedef LRESULT (CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagPOINT { LONG x; LONG y; } POINT;
typedef struct tagRECT { LONG left; LONG top; LONG right; LONG bottom; } RECT, *LPRECT;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *LPMSG;

typedef struct tagWNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
} WNDCLASSEXA;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define COLOR_WINDOW 5
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define WS_POPUP 0x80000000L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_TOPMOST 0x00000008L
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10
#define HWND_BROADCAST ((HWND)(LONG_PTR)0xFFFF)

#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_FONTCHANGE 0x001D
#define WM_KEYDOWN 0x0100
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *Class);
HWND WINAPI CreateWindowExA(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style,
                            int X, int Y, int Width, int Height, HWND Parent, HMENU Menu,
                            HINSTANCE Instance, LPVOID Param);
HICON WINAPI LoadIconA(HINSTANCE Instance, LPCSTR Name);
HCURSOR WINAPI LoadCursorA(HINSTANCE Instance, LPCSTR Name);
int WINAPI GetSystemMetrics(int Index);
BOOL WINAPI ShowWindow(HWND Window, int Show);
BOOL WINAPI UpdateWindow(HWND Window);
BOOL WINAPI DestroyWindow(HWND Window);
BOOL WINAPI GetMessageA(LPMSG Message, HWND Window, UINT First, UINT Last);
BOOL WINAPI TranslateMessage(const MSG *Message);
LRESULT WINAPI DispatchMessageA(const MSG *Message);
LRESULT WINAPI DefWindowProcA(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
void WINAPI PostQuitMessage(int ExitCode);
BOOL WINAPI PostMessageA(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
HWND WINAPI FindWindowA(LPCSTR ClassName, LPCSTR WindowName);
HDC WINAPI BeginPaint(HWND Window, LPPAINTSTRUCT Paint);
BOOL WINAPI EndPaint(HWND Window, const PAINTSTRUCT *Paint);
HDC WINAPI GetDC(HWND Window);
int WINAPI ReleaseDC(HWND Window, HDC Dc);
int WINAPI DrawTextA(HDC Dc, LPCSTR Text, int Length, LPRECT Area, UINT Format);
int WINAPI FillRect(HDC Dc, const RECT *Area, HBRUSH Brush);
int WINAPI MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Type);

#define DT_TOP 0x0000
#define DT_LEFT 0x0000
#define DT_VCENTER 0x0004
#define DT_WORDBREAK 0x0010
#define DT_SINGLELINE 0x0020

#define MB_OK 0x00000000L
#define MB_YESNO 0x00000004L
#define MB_ICONERROR 0x00000010L
#define MB_ICONWARNING 0x00000030L
#define MB_ICONINFORMATION 0x00000040L
#define MB_TOPMOST 0x00040000L
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

// GDI
typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP;

#define IMAGE_BITMAP 0
#define LR_LOADFROMFILE 0x00000010
#define SRCCOPY 0x00CC0020
#define TRANSPARENT 1
#define FW_DONTCARE 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0

HANDLE WINAPI LoadImageA(HINSTANCE Instance, LPCSTR Name, UINT Type, int Width, int Height, UINT Load);
int WINAPI GetObjectA(HANDLE Object, int Size, LPVOID Buffer);
HGDIOBJ WINAPI SelectObject(HDC Dc, HGDIOBJ Object);
BOOL WINAPI DeleteObject(HGDIOBJ Object);
HDC WINAPI CreateCompatibleDC(HDC Dc);
BOOL WINAPI DeleteDC(HDC Dc);
BOOL WINAPI BitBlt(HDC Target, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY, DWORD Rop);
int WINAPI SetBkMode(HDC Dc, int Mode);
COLORREF WINAPI SetTextColor(HDC Dc, COLORREF Color);
HFONT WINAPI CreateFontA(int Height, int Width, int Escapement, int Orientation, int Weight,
                         DWORD Italic, DWORD Underline, DWORD StrikeOut, DWORD CharSet,
                         DWORD OutPrecision, DWORD ClipPrecision, DWORD Quality,
                         DWORD PitchAndFamily, LPCSTR FaceName);
int WINAPI AddFontResourceA(LPCSTR File);

// Kernel
typedef struct _STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
} STARTUPINFOA, *LPSTARTUPINFOA;

#define STARTF_USESHOWWINDOW 0x00000001

typedef struct _FILETIME { DWORD dwLowDateTime; DWORD dwHighDateTime; } FILETIME;

typedef struct _WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define MOVEFILE_DELAY_UNTIL_REBOOT 0x00000004

LPSTR WINAPI GetCommandLineA(void);
DWORD WINAPI GetModuleFileNameA(HMODULE Module, LPSTR FileName, DWORD Size);
HMODULE WINAPI GetModuleHandleA(LPCSTR ModuleName);
void WINAPI GetStartupInfoA(LPSTARTUPINFOA StartupInfo);
[[noreturn]] void WINAPI ExitProcess(UINT ExitCode);
DWORD WINAPI GetVersion(void);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD Error);
void WINAPI Sleep(DWORD Milliseconds);
BOOL WINAPI SetCurrentDirectoryA(LPCSTR Path);
DWORD WINAPI GetCurrentDirectoryA(DWORD Size, LPSTR Buffer);
DWORD WINAPI GetTempPathA(DWORD Size, LPSTR Buffer);
HANDLE WINAPI FindFirstFileA(LPCSTR Pattern, LPWIN32_FIND_DATAA Found);
BOOL WINAPI FindNextFileA(HANDLE Search, LPWIN32_FIND_DATAA Found);
BOOL WINAPI FindClose(HANDLE Search);
BOOL WINAPI CopyFileA(LPCSTR Existing, LPCSTR New, BOOL FailIfExists);
BOOL WINAPI DeleteFileA(LPCSTR File);
BOOL WINAPI MoveFileExA(LPCSTR Existing, LPCSTR New, DWORD Flags);
DWORD WINAPI GetShortPathNameA(LPCSTR LongPath, LPSTR ShortPath, DWORD Size);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR Section, LPCSTR Key, LPCSTR Value, LPCSTR File);
UINT WINAPI WinExec(LPCSTR CommandLine, UINT Show);
BOOL WINAPI IsDBCSLeadByte(BYTE Character);
int WINAPI lstrlenA(LPCSTR Text);
LPSTR WINAPI lstrcpyA(LPSTR Target, LPCSTR Source);
LPSTR WINAPI lstrcatA(LPSTR Target, LPCSTR Source);
int WINAPI lstrcmpA(LPCSTR First, LPCSTR Second);
int WINAPI lstrcmpiA(LPCSTR First, LPCSTR Second);

// Registry
#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)
#define KEY_ALL_ACCESS 0xF003F
#define KEY_READ 0x20019
#define REG_SZ 1
#define REG_OPTION_NON_VOLATILE 0

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

LONG WINAPI RegCreateKeyExA(HKEY Key, LPCSTR SubKey, DWORD Reserved, LPSTR Class, DWORD Options,
                            REGSAM Access, LPSECURITY_ATTRIBUTES Security, PHKEY Result,
                            LPDWORD Disposition);
LONG WINAPI RegSetValueExA(HKEY Key, LPCSTR Name, DWORD Reserved, DWORD Type, const BYTE *Data, DWORD Size);
LONG WINAPI RegDeleteKeyA(HKEY Key, LPCSTR SubKey);
LONG WINAPI RegCloseKey(HKEY Key);

#endif
