// PaintInstallerScreen: the picture, the lit button cell and the status line.
#include "installer.h"

static RECT MakeRect(int Left, int Top, int Width, int Height)
{
    RECT Area;
    Area.left = Left;
    Area.top = Top;
    Area.right = Left + Width;
    Area.bottom = Top + Height;
    return Area;
}

static int StripTop(int Height)
{
    return (Height / 4) * 3;
}

RECT BackgroundRect(int Mode, int Width, int Height)
{
    if (Mode == PAINT_REQUEST || Mode == PAINT_STATUS)
        return MakeRect(0, 0, Width, Height);
    // The full picture height from the strip down: everything below the
    // strip's top is restored, and the part past the window does not show.
    return MakeRect(0, StripTop(Height), Width, Height);
}

BOOL LitCellRect(int Zone, int Width, int Height, RECT *Cell)
{
    if (Zone <= ZONE_NONE)
        return FALSE;
    *Cell = MakeRect((Zone - 1) * (Width / 3), StripTop(Height), Width / 3, Height / 4);
    return TRUE;
}

RECT StatusRect(void)
{
    RECT Area;
    Area.left = STATUS_LEFT;
    Area.top = STATUS_TOP;
    Area.right = STATUS_RIGHT;
    Area.bottom = STATUS_BOTTOM;
    return Area;
}

static void CopyArea(HDC Target, HDC Source, RECT Area)
{
    BitBlt(Target, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top,
           Source, Area.left, Area.top, SRCCOPY);
}

void PaintInstallerScreen(int Mode)
{
    PAINTSTRUCT Paint;
    HDC Window;
    if (Mode == PAINT_REQUEST)
        Window = BeginPaint(MainWindow, &Paint);
    else
        Window = GetDC(MainWindow);

    // No picture loaded: the size query fails, no picture is drawn and the
    // window keeps its class background.
    BITMAP Size;
    BOOL HavePicture = GetObjectA(NormalPicture, sizeof Size, &Size) != 0;
    int Width = HavePicture ? Size.bmWidth : 0;
    int Height = HavePicture ? Size.bmHeight : 0;

    HDC Normal = CreateCompatibleDC(Window);
    SelectObject(Normal, NormalPicture);
    HDC Highlight = CreateCompatibleDC(Window);
    SelectObject(Highlight, HighlightPicture);

    if (HavePicture) {
        CopyArea(Window, Normal, BackgroundRect(Mode, Width, Height));
        RECT Cell;
        if (HighlightPicture != NULL && LitCellRect(HotZone, Width, Height, &Cell))
            CopyArea(Window, Highlight, Cell);
    } else if (Mode == PAINT_STATUS) {
        // Nothing else clears the old status text when there is no picture.
        RECT Whole = MakeRect(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
        FillRect(Window, &Whole, (HBRUSH)(COLOR_WINDOW + 1));
    }

    SetBkMode(Window, TRANSPARENT);
    SelectObject(Window, StatusFont);
    SetTextColor(Window, 0);
    RECT Status = StatusRect();
    // Without DT_SINGLELINE, DT_VCENTER does nothing: the text starts at the
    // top left and wraps at word boundaries within the rectangle.
    DrawTextA(Window, StatusText, lstrlenA(StatusText), &Status, DT_WORDBREAK | DT_VCENTER);

    if (Mode == PAINT_REQUEST)
        EndPaint(MainWindow, &Paint);
    else
        ReleaseDC(MainWindow, Window);
    DeleteDC(Normal);
    DeleteDC(Highlight);
}
