// Simulated GDI: pictures loaded from real BMP files, drawing contexts that
// must be given back the way they were taken, and a record of what was drawn.
#include "internal.h"
#include <fstream>
#include <sstream>

namespace sim {

bool IsPainting(HWND Handle);
void SetPainting(HWND Handle, bool Painting);
bool IsOwnWindow(HWND Handle);

enum Kind { BITMAP_OBJECT, FONT_OBJECT, WINDOW_DC, PAINT_DC, MEMORY_DC };

struct GdiObject {
    Kind kind;
    bool deleted;  // objects deleted, contexts released or deleted
    int width, height, bits;
    HWND window;
    HGDIOBJ bitmap, font;
    int backgroundMode;
    COLORREF color;
};

static std::vector<std::unique_ptr<GdiObject>> Objects;
static std::vector<Blit> BlitLog;
static std::vector<TextDraw> TextLog;

static GdiObject *Get(const void *Handle)
{
    for (auto &O : Objects)
        if (O.get() == Handle)
            return O.get();
    return nullptr;
}

static GdiObject *Dc(HDC Handle)
{
    GdiObject *O = Get(Handle);
    if (!O || O->deleted || (O->kind != WINDOW_DC && O->kind != PAINT_DC && O->kind != MEMORY_DC))
        return nullptr;
    return O;
}

static void *Make(Kind K)
{
    auto O = std::make_unique<GdiObject>();
    O->kind = K;
    O->backgroundMode = 2;  // OPAQUE
    void *Handle = O.get();
    Objects.push_back(std::move(O));
    return Handle;
}

void ResetGdi()
{
    Objects.clear();
    BlitLog.clear();
    TextLog.clear();
}

void CheckGdiReleased()
{
    for (auto &O : Objects) {
        if (O->deleted)
            continue;
        if (O->kind == WINDOW_DC || O->kind == PAINT_DC)
            Fault("a window drawing context was not released");
        if (O->kind == MEMORY_DC)
            Fault("a memory drawing context was not deleted");
    }
}

std::vector<Blit> Blits() { return BlitLog; }
std::vector<TextDraw> Texts() { return TextLog; }

void ClearDrawing()
{
    BlitLog.clear();
    TextLog.clear();
}

bool IsDeleted(HGDIOBJ Object)
{
    GdiObject *O = Get(Object);
    return O && O->deleted;
}

static uint32_t Little(const std::string &Bytes, size_t At, int Size)
{
    uint32_t Value = 0;
    for (int I = Size - 1; I >= 0; I--)
        Value = (Value << 8) | (unsigned char)Bytes[At + I];
    return Value;
}

// Reads the headers as the system's loader does; false for what it refuses.
static bool ParseBitmap(const std::string &Bytes, int &Width, int &Height, int &Bits)
{
    if (Bytes.size() < 26 || Bytes[0] != 'B' || Bytes[1] != 'M')
        return false;
    uint32_t Offset = Little(Bytes, 10, 4);
    uint32_t HeaderSize = Little(Bytes, 14, 4);
    int Compression = 0;
    if (HeaderSize == 12) {
        Width = (int)Little(Bytes, 18, 2);
        Height = (int)Little(Bytes, 20, 2);
        Bits = (int)Little(Bytes, 24, 2);
    } else if (HeaderSize == 40 || HeaderSize == 52 || HeaderSize == 56 || HeaderSize == 108 || HeaderSize == 124) {
        if (Bytes.size() < 14 + HeaderSize)
            return false;
        Width = (int32_t)Little(Bytes, 18, 4);
        Height = (int32_t)Little(Bytes, 22, 4);
        if (Little(Bytes, 26, 2) != 1)
            return false;
        Bits = (int)Little(Bytes, 28, 2);
        Compression = (int)Little(Bytes, 30, 4);
    } else {
        return false;
    }
    if (Height < 0)
        Height = -Height;
    if (Width <= 0 || Height <= 0)
        return false;
    if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32)
        return false;
    if (Compression == 0) {
        uint64_t Stride = ((uint64_t)Width * Bits + 31) / 32 * 4;
        if ((uint64_t)Offset + Stride * Height > Bytes.size())
            return false;
    } else if (!(Compression == 3 && (Bits == 16 || Bits == 32)) &&
               !(Compression == 1 && Bits == 8) && !(Compression == 2 && Bits == 4)) {
        return false;
    }
    return true;
}

}  // namespace sim

using namespace sim;

HANDLE WINAPI LoadImageA(HINSTANCE Instance, LPCSTR Name, UINT Type, int Width, int Height, UINT Load)
{
    if (Enter("LoadImageA", {(intptr_t)Instance, (intptr_t)Type, Width, Height, (intptr_t)Load}, {Name}))
        return NULL;
    if (Instance != NULL || Type != IMAGE_BITMAP || !(Load & LR_LOADFROMFILE))
        return NULL;
    std::string Host = HostPath(Name);
    std::ifstream In(Host, std::ios::binary);
    if (Host.empty() || !In)
        return NULL;
    std::stringstream Bytes;
    Bytes << In.rdbuf();
    int W, H, Bits;
    if (!ParseBitmap(Bytes.str(), W, H, Bits))
        return NULL;
    GdiObject *O = Get(Make(BITMAP_OBJECT));
    O->width = W;
    O->height = H;
    O->bits = Bits;
    return O;
}

int WINAPI GetObjectA(HANDLE Object, int Size, LPVOID Buffer)
{
    Enter("GetObjectA", {(intptr_t)Object, Size});
    GdiObject *O = Get(Object);
    if (!O || O->deleted || O->kind != BITMAP_OBJECT || Size < (int)sizeof(BITMAP))
        return 0;
    BITMAP *Bitmap = (BITMAP *)Buffer;
    memset(Bitmap, 0, sizeof *Bitmap);
    Bitmap->bmWidth = O->width;
    Bitmap->bmHeight = O->height;
    Bitmap->bmWidthBytes = (O->width * 32 + 15) / 16 * 2;
    Bitmap->bmPlanes = 1;
    Bitmap->bmBitsPixel = 32;
    return sizeof(BITMAP);
}

HGDIOBJ WINAPI SelectObject(HDC Handle, HGDIOBJ Object)
{
    Enter("SelectObject", {(intptr_t)Handle, (intptr_t)Object});
    GdiObject *D = Dc(Handle);
    GdiObject *O = Get(Object);
    if (!D || !O || O->deleted)
        return NULL;
    HGDIOBJ Previous;
    if (O->kind == BITMAP_OBJECT) {
        if (D->kind != MEMORY_DC)
            return NULL;
        Previous = D->bitmap;
        D->bitmap = Object;
    } else if (O->kind == FONT_OBJECT) {
        Previous = D->font;
        D->font = Object;
    } else {
        return NULL;
    }
    return Previous ? Previous : (HGDIOBJ)Make(O->kind);
}

BOOL WINAPI DeleteObject(HGDIOBJ Object)
{
    Enter("DeleteObject", {(intptr_t)Object});
    GdiObject *O = Get(Object);
    if (!O || O->deleted || (O->kind != BITMAP_OBJECT && O->kind != FONT_OBJECT))
        return FALSE;
    O->deleted = true;
    return TRUE;
}

HDC WINAPI CreateCompatibleDC(HDC Handle)
{
    if (Enter("CreateCompatibleDC", {(intptr_t)Handle}))
        return NULL;
    if (Handle && !Dc(Handle))
        return NULL;
    return (HDC)Make(MEMORY_DC);
}

BOOL WINAPI DeleteDC(HDC Handle)
{
    Enter("DeleteDC", {(intptr_t)Handle});
    GdiObject *D = Dc(Handle);
    if (!D)
        return FALSE;
    if (D->kind != MEMORY_DC)
        Fault("DeleteDC on a window drawing context");
    D->deleted = true;
    return TRUE;
}

HDC WINAPI BeginPaint(HWND Window, LPPAINTSTRUCT Paint)
{
    Enter("BeginPaint", {(intptr_t)Window});
    if (!IsOwnWindow(Window))
        return NULL;
    GdiObject *D = Get(Make(PAINT_DC));
    D->window = Window;
    SetPainting(Window, true);
    memset(Paint, 0, sizeof *Paint);
    Paint->hdc = (HDC)D;
    Paint->rcPaint.right = 320;
    Paint->rcPaint.bottom = 240;
    return (HDC)D;
}

BOOL WINAPI EndPaint(HWND Window, const PAINTSTRUCT *Paint)
{
    Enter("EndPaint", {(intptr_t)Window});
    GdiObject *D = Dc(Paint->hdc);
    if (!D || D->kind != PAINT_DC || D->window != Window) {
        Fault("EndPaint without a matching BeginPaint");
        return FALSE;
    }
    D->deleted = true;
    SetPainting(Window, false);
    return TRUE;
}

HDC WINAPI GetDC(HWND Window)
{
    Enter("GetDC", {(intptr_t)Window});
    if (!IsOwnWindow(Window))
        return NULL;
    GdiObject *D = Get(Make(WINDOW_DC));
    D->window = Window;
    return (HDC)D;
}

int WINAPI ReleaseDC(HWND Window, HDC Handle)
{
    Enter("ReleaseDC", {(intptr_t)Window, (intptr_t)Handle});
    GdiObject *D = Dc(Handle);
    if (!D || D->kind != WINDOW_DC || D->window != Window) {
        Fault("ReleaseDC of a context not taken with GetDC on that window");
        return 0;
    }
    D->deleted = true;
    return 1;
}

BOOL WINAPI BitBlt(HDC Target, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY, DWORD Rop)
{
    Enter("BitBlt", {(intptr_t)Target, X, Y, Width, Height, (intptr_t)Source, SourceX, SourceY, (intptr_t)Rop});
    GdiObject *T = Dc(Target);
    GdiObject *S = Dc(Source);
    if (!T || !S)
        return FALSE;
    BlitLog.push_back(Blit{T->kind != MEMORY_DC, X, Y, Width, Height, SourceX, SourceY, Rop,
                           (HBITMAP)S->bitmap});
    return TRUE;
}

int WINAPI SetBkMode(HDC Handle, int Mode)
{
    Enter("SetBkMode", {(intptr_t)Handle, Mode});
    GdiObject *D = Dc(Handle);
    if (!D)
        return 0;
    int Previous = D->backgroundMode;
    D->backgroundMode = Mode;
    return Previous;
}

COLORREF WINAPI SetTextColor(HDC Handle, COLORREF Color)
{
    Enter("SetTextColor", {(intptr_t)Handle, (intptr_t)Color});
    GdiObject *D = Dc(Handle);
    if (!D)
        return 0xFFFFFFFF;
    COLORREF Previous = D->color;
    D->color = Color;
    return Previous;
}

HFONT WINAPI CreateFontA(int Height, int Width, int Escapement, int Orientation, int Weight,
                         DWORD Italic, DWORD Underline, DWORD StrikeOut, DWORD CharSet,
                         DWORD OutPrecision, DWORD ClipPrecision, DWORD Quality,
                         DWORD PitchAndFamily, LPCSTR FaceName)
{
    if (Enter("CreateFontA", {Height, Width, Escapement, Orientation, Weight, (intptr_t)Italic,
                              (intptr_t)Underline, (intptr_t)StrikeOut, (intptr_t)CharSet,
                              (intptr_t)OutPrecision, (intptr_t)ClipPrecision, (intptr_t)Quality,
                              (intptr_t)PitchAndFamily, (intptr_t)FaceName}))
        return NULL;
    return (HFONT)Make(FONT_OBJECT);
}

int WINAPI DrawTextA(HDC Handle, LPCSTR Text, int Length, LPRECT Area, UINT Format)
{
    Enter("DrawTextA", {(intptr_t)Handle, Length, (intptr_t)Format}, {std::string(Text, Length < 0 ? strlen(Text) : (size_t)Length)});
    GdiObject *D = Dc(Handle);
    if (!D)
        return 0;
    TextLog.push_back(TextDraw{std::string(Text, Length < 0 ? strlen(Text) : (size_t)Length), Length, *Area,
                               Format, (HFONT)D->font, D->backgroundMode, D->color});
    return Length == 0 ? 0 : 12;
}

int WINAPI FillRect(HDC Handle, const RECT *Area, HBRUSH Brush)
{
    Enter("FillRect", {(intptr_t)Handle, Area->left, Area->top, Area->right, Area->bottom, (intptr_t)Brush});
    return Dc(Handle) ? 1 : 0;
}

int WINAPI AddFontResourceA(LPCSTR File)
{
    Enter("AddFontResourceA", {}, {File});
    return FileExists(File) ? 1 : 0;
}
