// RunInstallation: copies Data into the install folder, installs the product
// font, writes the uninstall entry, starts the product and ends the installer.
#include "installer.h"

static const char DataFiles[] = DATA_FILES_LIST;
static const char FontFiles[] = FONT_FILES_LIST;

static void ShowStatus(const char *Text)
{
    CopyText(StatusText, PATH_SIZE, Text);
    PaintInstallerScreen(PAINT_STATUS);
}

// The shell reports success for a pattern that matches nothing, so an empty
// or missing Data would otherwise count as copied.
static BOOL DataHasFiles(void)
{
    WIN32_FIND_DATAA Found;
    HANDLE Search = FindFirstFileA(DATA_FILES_PATTERN, &Found);
    if (Search == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL Any = FALSE;
    do {
        const char *Name = Found.cFileName;
        if (lstrcmpA(Name, ".") != 0 && lstrcmpA(Name, "..") != 0)
            Any = TRUE;
    } while (!Any && FindNextFileA(Search, &Found));
    FindClose(Search);
    return Any;
}

static BOOL CopyData(SHFILEOPSTRUCTA *Request)
{
    ZeroMemory(Request, sizeof *Request);
    Request->hwnd = MainWindow;
    Request->wFunc = FO_COPY;
    Request->pFrom = DataFiles;
    Request->pTo = InstallDir;
    Request->fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
    if (!DataHasFiles())
        return FALSE;
    // A user who cancels the shell's progress dialog may get 0 back, with
    // only fAnyOperationsAborted telling.
    if (SHFileOperationA(Request) != 0)
        return FALSE;
    return !Request->fAnyOperationsAborted;
}

static void SetTextValue(HKEY Key, const char *Name, const char *Text)
{
    RegSetValueExA(Key, Name, 0, REG_SZ, (const BYTE *)Text, (DWORD)lstrlenA(Text) + 1);
}

// AddFontResourceA lasts for this session only; Windows loads the fonts
// listed in the registry at start-up, and running programs learn of the new
// font from WM_FONTCHANGE, posted so that a hung window cannot hold us.
static void RegisterFont(void)
{
    BOOL Windows95Family = (GetVersion() & 0x80000000) != 0;
    HKEY Key = OpenRegistryKey(HKEY_LOCAL_MACHINE, Windows95Family ? FONTS_KEY_95 : FONTS_KEY_NT);
    if (Key != NULL) {
        SetTextValue(Key, FONT_REGISTRY_NAME, FONT_FILE);
        RegCloseKey(Key);
    }
    PostMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}

static void InstallFont(SHFILEOPSTRUCTA *Request)
{
    // The shell writes up to MAX_PATH bytes; zero-filled, the path is also
    // the copy's destination list with its closing empty name.
    char FontsFolder[SHELL_PATH_SIZE];
    ZeroMemory(FontsFolder, sizeof FontsFolder);
    LPITEMIDLIST Location;
    if (SHGetSpecialFolderLocation(NULL, CSIDL_FONTS, &Location) != S_OK)
        return;
    SHGetPathFromIDListA(Location, FontsFolder);
    FreeItemList(Location);

    char FontFile[PATH_SIZE];
    if (!CopyText(FontFile, PATH_SIZE, FontsFolder) || !AppendText(FontFile, PATH_SIZE, FONT_FILE_IN_FOLDER))
        return;
    WIN32_FIND_DATAA Found;
    HANDLE Search = FindFirstFileA(FontFile, &Found);
    if (Search != INVALID_HANDLE_VALUE) {
        FindClose(Search);
        return;
    }

    Request->pFrom = FontFiles;
    Request->pTo = FontsFolder;
    SHFileOperationA(Request);
    UpdateWindow(MainWindow);
    AddFontResourceA(FontFile);
    RegisterFont();
}

// A command of a quoted program path in InstallDir and the tail behind it.
static BOOL BuildCommand(char *Command, const char *Program, const char *Tail)
{
    return CopyText(Command, PATH_SIZE, "\"") && AppendText(Command, PATH_SIZE, InstallDir) &&
           AppendText(Command, PATH_SIZE, Program) && AppendText(Command, PATH_SIZE, Tail);
}

static void WriteUninstallEntry(void)
{
    char Command[PATH_SIZE];
    if (!BuildCommand(Command, UNINSTALLER_FILE, UNINSTALL_COMMAND_TAIL))
        return;
    HKEY Key = OpenRegistryKey(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_KEY);
    if (Key == NULL)
        return;
    SetTextValue(Key, DISPLAY_NAME_VALUE, PRODUCT_NAME);
    SetTextValue(Key, UNINSTALL_STRING_VALUE, Command);
    RegCloseKey(Key);
}

static void StartProduct(void)
{
    char Command[PATH_SIZE];
    if (BuildCommand(Command, PRODUCT_FILE, PRODUCT_COMMAND_TAIL))
        WinExec(Command, SW_SHOW);
}

void RunInstallation(void)
{
    ShowStatus(COPYING_TEXT);
    SHFILEOPSTRUCTA Request;
    if (!CopyData(&Request)) {
        ShowStatus(InstallDir);
        return;
    }
    UpdateWindow(MainWindow);
    InstallFont(&Request);
    WriteUninstallEntry();
    ShowStatus(LAUNCHING_TEXT);
    StartProduct();
    PostQuitMessage(0);
}
