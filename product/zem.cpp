// A stand-in for the ZEM product, used by the tests and the sample
// distribution: a hidden top-level window of class "ZEM" that ends when it
// receives WM_QUIT. Started with "/c" it does what the product does at its
// first start: its registry keys and its shortcuts on the desktop and at the
// top of the Start menu. Each start appends its command line to
// C:\zem-runs.txt, the evidence the tests read.
#include <windows.h>
#include <shlobj.h>
#include <objbase.h>
#include <string.h>

static void RecordStart(const char *CommandLine)
{
    HANDLE File = CreateFileA("C:\\zem-runs.txt", FILE_APPEND_DATA, FILE_SHARE_READ, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (File == INVALID_HANDLE_VALUE)
        return;
    DWORD Written;
    WriteFile(File, CommandLine, (DWORD)strlen(CommandLine), &Written, NULL);
    WriteFile(File, "\r\n", 2, &Written, NULL);
    CloseHandle(File);
}

static void SetText(HKEY Root, const char *Path, const char *Name, const char *Data)
{
    HKEY Key;
    if (RegCreateKeyExA(Root, Path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &Key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(Key, Name, 0, REG_SZ, (const BYTE *)Data, (DWORD)strlen(Data) + 1);
    RegCloseKey(Key);
}

static void MakeShortcut(int Folder, const char *Target)
{
    char Path[MAX_PATH];
    if (!SHGetSpecialFolderPathA(NULL, Path, Folder, TRUE))
        return;
    strcat(Path, "\\ZEM.lnk");
    WCHAR WidePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, Path, -1, WidePath, MAX_PATH);
    IShellLinkA *Link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void **)&Link)))
        return;
    Link->SetPath(Target);
    IPersistFile *File;
    if (SUCCEEDED(Link->QueryInterface(IID_IPersistFile, (void **)&File))) {
        File->Save(WidePath, TRUE);
        File->Release();
    }
    Link->Release();
}

static void FirstStart(void)
{
    char Program[MAX_PATH];
    GetModuleFileNameA(NULL, Program, MAX_PATH);
    char Command[MAX_PATH + 16];
    strcpy(Command, "\"");
    strcat(Command, Program);
    strcat(Command, "\" \"%1\"");
    SetText(HKEY_CURRENT_USER, "Software\\ZEM", "Version", "1.0");
    SetText(HKEY_CURRENT_USER, "Software\\ZEM", "Skin", "default");
    SetText(HKEY_CLASSES_ROOT, ".zem", "", "ZEM.FILE");
    SetText(HKEY_CLASSES_ROOT, "ZEM.FILE", "", "ZEM file");
    SetText(HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon", "", Program);
    SetText(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command", "", Command);
    CoInitialize(NULL);
    MakeShortcut(CSIDL_DESKTOPDIRECTORY, Program);
    MakeShortcut(CSIDL_STARTMENU, Program);
    CoUninitialize();
}

static LRESULT CALLBACK ProductWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return DefWindowProcA(Window, Message, WParam, LParam);
}

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR Arguments, int)
{
    RecordStart(GetCommandLineA());
    if (strcmp(Arguments, "/c") == 0)
        FirstStart();
    WNDCLASSA Class = {};
    Class.lpfnWndProc = ProductWindowProc;
    Class.hInstance = Instance;
    Class.lpszClassName = "ZEM";
    RegisterClassA(&Class);
    CreateWindowExA(0, "ZEM", "ZEM", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL, Instance, NULL);
    MSG Message;
    while (GetMessageA(&Message, NULL, 0, 0) > 0)
        DispatchMessageA(&Message);
    RecordStart("quit");
    return 0;
}
