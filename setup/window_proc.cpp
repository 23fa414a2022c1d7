// The installer's window procedure: hit test, lit button and button actions.
#include "installer.h"

// Set while a button's action runs: the shell's dialogs dispatch messages to
// this window meanwhile, and a second release must not start a second action
// inside the first.
static BOOL ActionRunning;

int HitTestZone(LPARAM Position)
{
    // Both coordinates are unsigned 16-bit numbers: a position left of or
    // above the window (negative as signed) is far right or far down.
    unsigned X = (unsigned)(Position & 0xFFFF);
    unsigned Y = (unsigned)((Position >> 16) & 0xFFFF);
    if (Y <= STRIP_LAST_ZONE0_ROW)
        return ZONE_NONE;
    if (X < FOLDER_BUTTON_END)
        return ZONE_FOLDER;
    if (X < INSTALL_BUTTON_END)
        return ZONE_INSTALL;
    return ZONE_EXIT;
}

static void TrackPointer(LPARAM Position)
{
    HotZone = HitTestZone(Position);
    if (HotZone != PrevHotZone)
        PaintInstallerScreen(PAINT_HOT_ZONE);
    PrevHotZone = HotZone;
}

static void ReleaseButton(void)
{
    if (ActionRunning)
        return;
    ActionRunning = TRUE;
    switch (HotZone) {
    case ZONE_FOLDER:
        ChooseDestinationFolder();
        break;
    case ZONE_INSTALL:
        RunInstallation();
        break;
    case ZONE_EXIT:
        PostQuitMessage(0);
        break;
    }
    ActionRunning = FALSE;
}

LRESULT CALLBACK InstallerWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        PaintInstallerScreen(PAINT_REQUEST);
        return 0;
    case WM_MOUSEMOVE:
        TrackPointer(LParam);
        return 0;
    case WM_LBUTTONUP:
        ReleaseButton();
        return 0;
    }
    return DefWindowProcA(Window, Message, WParam, LParam);
}
