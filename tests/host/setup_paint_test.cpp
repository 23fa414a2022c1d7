// PaintInstallerScreen: what each mode copies, the lit cell, the status line,
// and that every drawing context goes back.
#include "fixture.h"
#include "../../setup/installer.h"

class Paint : public SimTest {
protected:
    // A window of the installer's class and the two pictures of the given size.
    void Prepare(int Width, int Height, bool Normal = true, bool Highlight = true)
    {
        sim::MakeFolder("C:\\dist");
        sim::WriteFile("C:\\dist\\a.bmp", MakeBitmap(Width, Height));
        sim::WriteFile("C:\\dist\\b.bmp", MakeBitmap(Width, Height));
        WNDCLASSEXA Class = {};
        Class.cbSize = sizeof Class;
        Class.lpfnWndProc = InstallerWindowProc;
        Class.lpszClassName = "INSTALL_ZEM";
        RegisterClassExA(&Class);
        MainWindow = CreateWindowExA(0, "INSTALL_ZEM", "", WS_POPUP, 0, 0, 320, 240, NULL, NULL, NULL, NULL);
        NormalPicture = Normal ? (HBITMAP)LoadImageA(NULL, "C:\\dist\\a.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE) : NULL;
        HighlightPicture = Highlight ? (HBITMAP)LoadImageA(NULL, "C:\\dist\\b.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE) : NULL;
        StatusFont = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, NULL);
        strcpy(StatusText, "C:\\Program Files\\ZEM\\");
    }
    struct Area { int x, y, w, h; HBITMAP picture; };
    std::vector<Area> Drawn()
    {
        std::vector<Area> Result;
        for (const sim::Blit &B : sim::Blits()) {
            EXPECT_TRUE(B.toWindow);
            EXPECT_EQ((DWORD)SRCCOPY, B.rop);
            EXPECT_EQ(B.x, B.sourceX);
            EXPECT_EQ(B.y, B.sourceY);
            Result.push_back(Area{B.x, B.y, B.width, B.height, B.picture});
        }
        return Result;
    }
};

TEST_F(Paint, RegionsFollowThePictureSize)
{
    struct Case { int width, height, mode, zone; std::vector<Area> areas; };
    HBITMAP N = (HBITMAP)1, H = (HBITMAP)2;  // stand for the two pictures
    const Case Cases[] = {
        {320, 240, 0, 0, {{0, 0, 320, 240, N}}},
        {320, 240, 2, 0, {{0, 0, 320, 240, N}}},
        {320, 240, 1, 0, {{0, 180, 320, 240, N}}},
        {320, 240, 1, 1, {{0, 180, 320, 240, N}, {0, 180, 106, 60, H}}},
        {320, 240, 1, 2, {{0, 180, 320, 240, N}, {106, 180, 106, 60, H}}},
        {320, 240, 1, 3, {{0, 180, 320, 240, N}, {212, 180, 106, 60, H}}},  // 318-319 never lit
        {320, 240, 0, 3, {{0, 0, 320, 240, N}, {212, 180, 106, 60, H}}},
        {300, 200, 1, 2, {{0, 150, 300, 200, N}, {100, 150, 100, 50, H}}},
        {300, 200, 2, 3, {{0, 0, 300, 200, N}, {200, 150, 100, 50, H}}},
        {320, 242, 1, 1, {{0, 180, 320, 242, N}, {0, 180, 106, 60, H}}},
        {320, 240, 7, 1, {{0, 180, 320, 240, N}, {0, 180, 106, 60, H}}},  // any other mode draws as 1
    };
    int Index = 0;
    for (const Case &C : Cases) {
        sim::Reset();
        Prepare(C.width, C.height);
        HotZone = C.zone;
        PaintInstallerScreen(C.mode);
        auto Areas = Drawn();
        ASSERT_EQ(C.areas.size(), Areas.size()) << "case " << Index;
        for (size_t I = 0; I < Areas.size(); I++) {
            const Area &E = C.areas[I], &A = Areas[I];
            EXPECT_EQ(E.x, A.x) << "case " << Index << " blit " << I;
            EXPECT_EQ(E.y, A.y) << "case " << Index << " blit " << I;
            EXPECT_EQ(E.w, A.w) << "case " << Index << " blit " << I;
            EXPECT_EQ(E.h, A.h) << "case " << Index << " blit " << I;
            EXPECT_EQ(E.picture == N ? NormalPicture : HighlightPicture, A.picture) << "case " << Index << " blit " << I;
        }
        sim::CheckReleased();
        Index++;
    }
}

TEST_F(Paint, ModeChoosesHowTheWindowContextIsTaken)
{
    struct Case { int mode; int beginPaints, getDcs; };
    const Case Cases[] = {{0, 1, 0}, {1, 0, 1}, {2, 0, 1}, {-1, 0, 1}};
    for (const Case &C : Cases) {
        sim::Reset();
        Prepare(320, 240);
        PaintInstallerScreen(C.mode);
        EXPECT_EQ(C.beginPaints, sim::CountCalls("BeginPaint")) << "mode " << C.mode;
        EXPECT_EQ(C.beginPaints, sim::CountCalls("EndPaint")) << "mode " << C.mode;
        EXPECT_EQ(C.getDcs, sim::CountCalls("GetDC")) << "mode " << C.mode;
        EXPECT_EQ(C.getDcs, sim::CountCalls("ReleaseDC")) << "mode " << C.mode;
        EXPECT_EQ(2, sim::CountCalls("CreateCompatibleDC")) << "mode " << C.mode;
        EXPECT_EQ(2, sim::CountCalls("DeleteDC")) << "mode " << C.mode;
        sim::CheckReleased();  // a context left open or released the wrong way is a fault
    }
}

TEST_F(Paint, StatusLineIsDrawnTransparentInBlackWithTheStatusFont)
{
    const std::string Texts[] = {"C:\\Program Files\\ZEM\\", "", "Copying Files..."};
    for (const std::string &Text : Texts) {
        sim::Reset();
        Prepare(320, 240);
        strcpy(StatusText, Text.c_str());
        PaintInstallerScreen(PAINT_STATUS);
        auto Drawn = sim::Texts();
        ASSERT_EQ(1u, Drawn.size()) << Text;
        EXPECT_EQ(Text, Drawn[0].text);
        EXPECT_EQ((int)Text.size(), Drawn[0].length);
        EXPECT_EQ(20, Drawn[0].area.left);
        EXPECT_EQ(150, Drawn[0].area.top);
        EXPECT_EQ(280, Drawn[0].area.right);
        EXPECT_EQ(180, Drawn[0].area.bottom);
        EXPECT_EQ(0x14u, Drawn[0].format);
        EXPECT_EQ(StatusFont, Drawn[0].font);
        EXPECT_EQ(TRANSPARENT, Drawn[0].backgroundMode);
        EXPECT_EQ(0u, Drawn[0].color);
    }
}

TEST_F(Paint, MissingPicturesLeaveTheBackgroundAndStillDrawTheStatus)
{
    struct Case { const char *name; bool normal, highlight; int blits; int fills; };
    const Case Cases[] = {
        {"no normal picture", false, true, 0, 1},
        {"no pictures", false, false, 0, 1},
        {"no highlight picture", true, false, 1, 0},  // the strip keeps its normal look
    };
    for (const Case &C : Cases) {
        sim::Reset();
        Prepare(320, 240, C.normal, C.highlight);
        HotZone = 2;
        PaintInstallerScreen(PAINT_STATUS);
        EXPECT_EQ(C.blits, (int)sim::Blits().size()) << C.name;
        EXPECT_EQ(C.fills, sim::CountCalls("FillRect")) << C.name;
        EXPECT_EQ(1u, sim::Texts().size()) << C.name;
        sim::CheckReleased();
    }
}

TEST_F(Paint, GeometryHelpersWorkWithoutADrawingContext)
{
    RECT Cell;
    EXPECT_FALSE(LitCellRect(0, 320, 240, &Cell));
    EXPECT_FALSE(LitCellRect(-1, 320, 240, &Cell));
    ASSERT_TRUE(LitCellRect(3, 320, 240, &Cell));
    EXPECT_EQ(212, Cell.left);
    EXPECT_EQ(318, Cell.right);
    EXPECT_EQ(180, Cell.top);
    EXPECT_EQ(240, Cell.bottom);
    RECT Strip = BackgroundRect(PAINT_HOT_ZONE, 320, 240);
    EXPECT_EQ(180, Strip.top);
    EXPECT_EQ(420, Strip.bottom);  // the picture's full height from the strip down
}
