// The installer's shared state and routines.
#ifndef ZEM_INSTALLER_H
#define ZEM_INSTALLER_H

#include "../common/common.h"

// Window and screen
enum {
    WINDOW_WIDTH  = 320,
    WINDOW_HEIGHT = 240
};

// Hit test: constants of the window, whatever size the pictures have
enum {
    STRIP_LAST_ZONE0_ROW = 180,  // rows up to here are zone 0
    FOLDER_BUTTON_END    = 106,  // columns below this are the folder button
    INSTALL_BUTTON_END   = 212   // columns below this (and from 106) are install
};

enum { ZONE_NONE = 0, ZONE_FOLDER = 1, ZONE_INSTALL = 2, ZONE_EXIT = 3 };

// Drawing modes
enum { PAINT_REQUEST = 0, PAINT_HOT_ZONE = 1, PAINT_STATUS = 2 };

// Status line
enum {
    STATUS_LEFT = 20, STATUS_TOP = 150, STATUS_RIGHT = 280, STATUS_BOTTOM = 180,
    STATUS_FONT_HEIGHT = 12
};

extern HWND MainWindow;
extern HINSTANCE ProgramInstance;
extern HBITMAP NormalPicture;
extern HBITMAP HighlightPicture;
extern HFONT StatusFont;
extern char InstallDir[PATH_SIZE];
extern char StatusText[PATH_SIZE];
extern int HotZone;
extern int PrevHotZone;

int WINAPI InstallerMain(HINSTANCE Instance, HINSTANCE PreviousInstance, LPSTR CommandLine, int ShowState);
LRESULT CALLBACK InstallerWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
int HitTestZone(LPARAM Position);

void PaintInstallerScreen(int Mode);
// Geometry of a drawing for a picture of Width x Height.
RECT BackgroundRect(int Mode, int Width, int Height);
BOOL LitCellRect(int Zone, int Width, int Height, RECT *Cell);
RECT StatusRect(void);

void RunInstallation(void);
void ChooseDestinationFolder(void);

#endif
