// The installer's start-up, window, hit test, redraws and exit.
#include "installer_fixture.h"

TEST_F(Installer, RegistersItsClassAndCreatesAHiddenCentredPopup)
{
    EXPECT_EQ(0u, Run({sim::Move(250, 200), sim::Release()}));
    const WNDCLASSEXA *Class = sim::RegisteredClass("INSTALL_ZEM");
    ASSERT_NE(nullptr, Class);
    EXPECT_EQ(sizeof(WNDCLASSEXA), Class->cbSize);
    EXPECT_EQ(3u, Class->style);
    EXPECT_EQ(&InstallerWindowProc, Class->lpfnWndProc);
    EXPECT_EQ(0, Class->cbClsExtra);
    EXPECT_EQ(0, Class->cbWndExtra);
    EXPECT_EQ(ProgramInstance, Class->hInstance);
    EXPECT_EQ((HBRUSH)(intptr_t)6, Class->hbrBackground);
    EXPECT_EQ(nullptr, Class->lpszMenuName);
    auto Icons = sim::CallsNamed("LoadIconA");
    ASSERT_EQ(2u, Icons.size());  // two separate calls, large and small
    for (const auto &Icon : Icons) {
        EXPECT_EQ((intptr_t)ProgramInstance, Icon.numbers[0]);
        EXPECT_EQ(32512, Icon.numbers[1]);
    }
    EXPECT_NE(Class->hIcon, Class->hIconSm);
    auto Cursor = sim::CallsNamed("LoadCursorA");
    ASSERT_EQ(1u, Cursor.size());
    EXPECT_EQ(0, Cursor[0].numbers[0]);
    EXPECT_EQ(32512, Cursor[0].numbers[1]);

    auto Create = sim::CallsNamed("CreateWindowExA");
    ASSERT_EQ(1u, Create.size());
    EXPECT_EQ(0x88, Create[0].numbers[0]);
    EXPECT_EQ((intptr_t)0x80000000u, Create[0].numbers[1]);  // WS_POPUP alone: hidden
    EXPECT_EQ("INSTALL_ZEM", Create[0].texts[0]);
    EXPECT_EQ("INSTALL_ZEM", Create[0].texts[1]);
    EXPECT_EQ(160, Create[0].numbers[2]);
    EXPECT_EQ(120, Create[0].numbers[3]);
    EXPECT_EQ(320, Create[0].numbers[4]);
    EXPECT_EQ(240, Create[0].numbers[5]);
    for (int Unused : {6, 7, 9})  // parent, menu, creation parameter
        EXPECT_EQ(0, Create[0].numbers[Unused]);
    EXPECT_EQ((intptr_t)ProgramInstance, Create[0].numbers[8]);

    auto Metrics = sim::CallsNamed("GetSystemMetrics");
    ASSERT_EQ(2u, Metrics.size());
    EXPECT_EQ(SM_CXSCREEN, Metrics[0].numbers[0]);
    EXPECT_EQ(SM_CYSCREEN, Metrics[1].numbers[0]);
}

TEST_F(Installer, CentresWithTruncatingDivision)
{
    struct Case { int width, height, x, y; };
    const Case Cases[] = {{640, 480, 160, 120}, {319, 240, 0, 0}, {318, 239, -1, 0}, {1024, 768, 352, 264}};
    for (const Case &C : Cases) {
        sim::Reset();
        SetUp();
        sim::SetScreenSize(C.width, C.height);
        Run({sim::Move(300, 200), sim::Release()});
        auto Create = sim::CallsNamed("CreateWindowExA");
        ASSERT_EQ(1u, Create.size());
        EXPECT_EQ(C.x, Create[0].numbers[2]) << C.width << " x " << C.height;
        EXPECT_EQ(C.y, Create[0].numbers[3]) << C.width << " x " << C.height;
    }
}

TEST_F(Installer, StartUpStepsComeInOrder)
{
    sim::StartProduct(0);
    Run({sim::Move(300, 200), sim::Release()});
    std::vector<std::string> Order;
    for (const auto &Call : sim::Calls()) {
        static const char *Watched[] = {"PostMessageA", "RegisterClassExA", "CreateWindowExA",
                                        "LoadImageA", "CreateFontA", "SetCurrentDirectoryA",
                                        "ShowWindow", "UpdateWindow", "BeginPaint", "GetMessageA",
                                        "DeleteObject"};
        for (const char *Name : Watched)
            if (Call.name == Name && (Order.empty() || Order.back() != Name))
                Order.push_back(Name);
    }
    const std::vector<std::string> Expected = {
        "PostMessageA", "RegisterClassExA", "CreateWindowExA", "LoadImageA", "CreateFontA",
        "SetCurrentDirectoryA", "ShowWindow", "UpdateWindow", "BeginPaint", "GetMessageA",
        "DeleteObject"};
    EXPECT_EQ(Expected, Order);
    EXPECT_EQ(3, sim::CountCalls("DeleteObject"));
    // The first drawing shows the default install folder.
    auto Texts = sim::Texts();
    ASSERT_FALSE(Texts.empty());
    EXPECT_EQ("C:\\Program Files\\ZEM\\", Texts[0].text);
}

TEST_F(Installer, LoadsPicturesFromTheStartingDirectoryThenMovesToItsOwnFolder)
{
    struct Case { std::string program, start, pictureFolder, ownFolder; };
    const Case Cases[] = {
        {"C:\\dist\\setup.exe", "C:\\art", "C:\\art", "C:\\dist"},
        {"D:\\setup.exe", "C:\\dist", "C:\\dist", "D:"},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        sim::MakeFolder("D:\\");
        sim::MakeFolder(C.start);
        sim::WriteFile(C.start + "\\background_a.bmp", MakeBitmap(320, 240));
        sim::WriteFile(C.start + "\\background_b.bmp", MakeBitmap(320, 240));
        sim::SetProgramPath(C.program);
        sim::SetCurrentDirectory(C.start);
        sim::Script({sim::Move(300, 200), sim::Release()});
        RunEntry(SetupStartup);
        auto Loads = sim::CallsNamed("LoadImageA");
        ASSERT_EQ(2u, Loads.size());
        EXPECT_EQ("background_a.bmp", Loads[0].texts[0]);
        EXPECT_EQ("background_b.bmp", Loads[1].texts[0]);
        for (const auto &Load : Loads) {
            EXPECT_EQ(0, Load.numbers[0]);
            EXPECT_EQ(IMAGE_BITMAP, Load.numbers[1]);
            EXPECT_EQ(0, Load.numbers[2]);
            EXPECT_EQ(0, Load.numbers[3]);
            EXPECT_EQ(LR_LOADFROMFILE, Load.numbers[4]);
        }
        EXPECT_NE(nullptr, NormalPicture) << C.program;
        EXPECT_NE(nullptr, HighlightPicture) << C.program;
        auto Change = sim::CallsNamed("SetCurrentDirectoryA");
        ASSERT_EQ(1u, Change.size());
        EXPECT_EQ(C.ownFolder, Change[0].texts[0]);
    }
}

TEST_F(Installer, ProgramPathTooLongForTheFolderBufferKeepsTheCurrentDirectory)
{
    std::string Long = "C:\\" + std::string(250, 'd');
    sim::SetProgramPath(Long + "\\setup.exe");
    EXPECT_EQ(0u, Run({sim::Move(300, 200), sim::Release()}));
    EXPECT_EQ(0, sim::CountCalls("SetCurrentDirectoryA"));
    EXPECT_EQ("C:\\dist", sim::CurrentDirectory());
}

TEST_F(Installer, ShowStateComesFromTheStartupInformation)
{
    struct Case { bool hasShow; WORD show; int expected; };
    const Case Cases[] = {{true, 3, 3}, {true, 0, 0}, {false, 3, SW_SHOWDEFAULT}};
    for (const Case &C : Cases) {
        sim::Reset();
        SetUp();
        sim::SetStartupShow(C.hasShow, C.show);
        Run({sim::Move(300, 200), sim::Release()});
        auto Show = sim::CallsNamed("ShowWindow");
        ASSERT_EQ(1u, Show.size());
        EXPECT_EQ(C.expected, Show[0].numbers[1]) << "case show " << C.show;
    }
}

TEST_F(Installer, ExitCodeIsZeroOnEveryPath)
{
    struct Case { const char *name; const char *failing; std::vector<sim::ScriptedMessage> script; };
    const Case Cases[] = {
        {"exit button", nullptr, {sim::Move(300, 200), sim::Release()}},
        {"closed by the system", nullptr, {sim::Close()}},
        {"class registration fails", "RegisterClassExA", {}},
        {"window creation fails", "CreateWindowExA", {}},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        SetUp();
        if (C.failing)
            sim::FailCall(C.failing);
        EXPECT_EQ(0u, Run(C.script)) << C.name;
        EXPECT_EQ(1, sim::CountCalls("ExitProcess")) << C.name;
        if (C.failing) {
            EXPECT_EQ(0, sim::CountCalls("LoadImageA")) << C.name;
            EXPECT_EQ(0, sim::CountCalls("CreateFontA")) << C.name;
            EXPECT_EQ(0, sim::CountCalls("GetMessageA")) << C.name;
        }
    }
}

TEST_F(Installer, HitTestReadsUnsigned16BitCoordinates)
{
    struct Case { int x, y, zone; };
    const Case Cases[] = {
        {50, 180, 0}, {50, 181, 1}, {105, 200, 1}, {106, 200, 2}, {211, 200, 2},
        {212, 200, 3}, {319, 200, 3}, {0, 239, 1}, {319, 0, 0},
        {-1, 200, 3},   // 0xFFFF: far right, not left of the window
        {50, -1, 1},    // 0xFFFF: far down, in the strip
        {-1, -1, 3},
    };
    for (const Case &C : Cases)
        EXPECT_EQ(C.zone, HitTestZone(MAKELPARAM(C.x, C.y))) << C.x << ", " << C.y;
}

TEST_F(Installer, RedrawsTheStripOncePerZoneChangeOnly)
{
    Run({sim::Move(50, 180),                       // zone 0: no change
         sim::Move(50, 181),                       // 1: redraw
         sim::Move(105, 200),                      // 1
         sim::Move(106, 200),                      // 2: redraw
         sim::Move(211, 200),                      // 2
         sim::Move(212, 200),                      // 3: redraw
         sim::Move(319, 239),                      // 3
         sim::Move(150, 200),                      // 2: redraw
         sim::Move(150, 100),                      // 0: redraw, nothing lit
         sim::Move(300, 200), sim::Release()});    // 3: redraw, exit
    EXPECT_EQ(6, HotZoneRedraws());
}

TEST_F(Installer, ReleaseActsOnTheLastHotZone)
{
    // Before any move the zone is 0, and row 180 is zone 0: those releases do
    // nothing, so all three releases are dispatched and only the last quits.
    Run({sim::Release(), sim::Move(50, 180), sim::Release(), sim::Move(300, 200), sim::Release()});
    int Releases = 0;
    for (const auto &Dispatch : sim::CallsNamed("DispatchMessageA"))
        Releases += Dispatch.numbers[0] == WM_LBUTTONUP;
    EXPECT_EQ(3, Releases);
    EXPECT_EQ(1, sim::CountCalls("PostQuitMessage"));
    EXPECT_EQ(ZONE_EXIT, HotZone);
}
