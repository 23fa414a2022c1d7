// InstallerMain: start-up, the window, the message loop and the end.
#include "installer.h"

HWND MainWindow;
HINSTANCE ProgramInstance;
HBITMAP NormalPicture;
HBITMAP HighlightPicture;
HFONT StatusFont;
char InstallDir[PATH_SIZE];
char StatusText[PATH_SIZE];
int HotZone;
int PrevHotZone;

static BOOL RegisterInstallerClass(void)
{
    WNDCLASSEXA Class;
    ZeroMemory(&Class, sizeof Class);
    Class.cbSize = sizeof Class;
    Class.style = CS_VREDRAW | CS_HREDRAW;
    Class.lpfnWndProc = InstallerWindowProc;
    Class.hInstance = ProgramInstance;
    Class.hIcon = LoadIconA(ProgramInstance, IDI_APPLICATION);
    Class.hIconSm = LoadIconA(ProgramInstance, IDI_APPLICATION);
    Class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    Class.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    Class.lpszClassName = INSTALLER_WINDOW_CLASS;
    return RegisterClassExA(&Class) != 0;
}

static HWND CreateInstallerWindow(void)
{
    int ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    int ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    // No WS_VISIBLE: the window stays hidden until everything it draws is set.
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                           INSTALLER_WINDOW_CLASS, INSTALLER_WINDOW_CLASS, WS_POPUP,
                           (ScreenWidth - WINDOW_WIDTH) / 2, (ScreenHeight - WINDOW_HEIGHT) / 2,
                           WINDOW_WIDTH, WINDOW_HEIGHT, NULL, NULL, ProgramInstance, NULL);
}

static HBITMAP LoadPicture(const char *File)
{
    return (HBITMAP)LoadImageA(NULL, File, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

int WINAPI InstallerMain(HINSTANCE Instance, HINSTANCE PreviousInstance, LPSTR CommandLine, int ShowState)
{
    (void)PreviousInstance;
    (void)CommandLine;
    CloseRunningProduct();

    ProgramInstance = Instance;
    if (!RegisterInstallerClass())
        return 0;
    MainWindow = CreateInstallerWindow();
    if (MainWindow == NULL)
        return 0;

    // Bare names: the pictures come from the current directory at start,
    // before it is changed to the own folder below.
    NormalPicture = LoadPicture(NORMAL_PICTURE_FILE);
    HighlightPicture = LoadPicture(HIGHLIGHT_PICTURE_FILE);

    // Zero-filled, so the text is followed by a second NUL: the shell takes
    // InstallDir as a list of names that ends with an empty one.
    ZeroMemory(InstallDir, sizeof InstallDir);
    CopyText(InstallDir, PATH_SIZE, DEFAULT_INSTALL_DIR);
    CopyText(StatusText, PATH_SIZE, InstallDir);

    StatusFont = CreateFontA(STATUS_FONT_HEIGHT, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, NULL);

    // A program path too long for the folder buffer leaves the current
    // directory as it was.
    char OwnFolder[PATH_SIZE];
    if (GetOwnFolder(OwnFolder))
        SetCurrentDirectoryA(OwnFolder);

    ShowWindow(MainWindow, ShowState);
    UpdateWindow(MainWindow);

    MSG Message;
    ZeroMemory(&Message, sizeof Message);
    while (GetMessageA(&Message, NULL, 0, 0)) {
        TranslateMessage(&Message);
        DispatchMessageA(&Message);
    }

    DeleteObject(NormalPicture);
    DeleteObject(HighlightPicture);
    DeleteObject(StatusFont);
    return (int)Message.wParam;
}
