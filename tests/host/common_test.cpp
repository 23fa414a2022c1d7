// The shared routines: bounded text, the own folder, closing a running
// product, the registry-key convention.
#include "fixture.h"
#include "../../common/common.h"

using Common = SimTest;

TEST_F(Common, BoundedCopyAndAppendRefuseWhatDoesNotFit)
{
    struct Case { const char *start; const char *text; int size; bool fits; const char *result; };
    const Case Cases[] = {
        {"", "abc", 4, true, "abc"},       // exact fit
        {"", "abcd", 4, false, ""},        // one too many
        {"ab", "c", 4, true, "abc"},
        {"ab", "cd", 4, false, "ab"},
        {"abc", "", 4, true, "abc"},
    };
    for (size_t I = 0; I < sizeof Cases / sizeof Cases[0]; I++) {
        char Buffer[8];
        memset(Buffer, 0xcc, sizeof Buffer);
        strcpy(Buffer, Cases[I].start);
        bool Fits = Cases[I].start[0]
            ? AppendText(Buffer, Cases[I].size, Cases[I].text)
            : CopyText(Buffer, Cases[I].size, Cases[I].text);
        EXPECT_EQ(Cases[I].fits, Fits) << "case " << I;
        EXPECT_STREQ(Cases[I].result, Buffer) << "case " << I;
        for (int J = Cases[I].size; J < 8; J++)
            EXPECT_EQ((char)0xcc, Buffer[J]) << "case " << I << ": byte " << J << " written";
    }
}

TEST_F(Common, OwnFolderIsTheProgramPathCutAtTheLastBackslash)
{
    struct Case { std::string path; bool fits; std::string folder; };
    const Case Cases[] = {
        {"C:\\dist\\setup.exe", true, "C:\\dist"},
        {"D:\\setup.exe", true, "D:"},
        {"C:\\Program Files\\ZEM\\uninstall.exe", true, "C:\\Program Files\\ZEM"},
        {"C:\\" + std::string(242, 'a') + "\\setup.exe", true, "C:\\" + std::string(242, 'a')},  // 255
        {"C:\\" + std::string(243, 'a') + "\\setup.exe", false, ""},                              // 256
        {"C:\\" + std::string(256, 'a'), false, ""},                                             // 259
    };
    for (size_t I = 0; I < sizeof Cases / sizeof Cases[0]; I++) {
        sim::SetProgramPath(Cases[I].path);
        FillProgramPath();
        char Folder[PATH_SIZE];
        memset(Folder, 0xcc, sizeof Folder);
        EXPECT_EQ(Cases[I].fits, (bool)GetOwnFolder(Folder)) << "case " << I;
        EXPECT_EQ(Cases[I].folder, std::string(Folder)) << "case " << I;
    }
}

TEST_F(Common, ProgramPathIsTerminatedWhenTheSystemTruncatesIt)
{
    sim::SetProgramPath("C:\\" + std::string(300, 'x'));
    FillProgramPath();
    EXPECT_EQ(259, (int)strlen(ProgramPath));
}

TEST_F(Common, CloseRunningProductWaitsAtMostTenSeconds)
{
    struct Case { const char *name; bool running; int quitDelayMs; int waits; bool second; };
    const Case Cases[] = {
        {"no product", false, 0, 0, false},
        {"quits at once", true, 0, 0, false},
        {"quits after 3 s", true, 3000, 3, false},
        {"quits after 2.5 s", true, 2500, 3, false},
        {"never quits", true, -1, 10, false},
        {"two windows, neither quits", true, -1, 10, true},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        HWND Product = C.running ? sim::StartProduct(C.quitDelayMs) : NULL;
        HWND Other = C.second ? sim::StartProduct(-1) : NULL;
        CloseRunningProduct();
        int Looks = sim::CountCalls("FindWindowA");
        auto Sleeps = sim::CallsNamed("Sleep");
        EXPECT_EQ(C.waits, (int)Sleeps.size()) << C.name;
        for (const auto &S : Sleeps)
            EXPECT_EQ(1000, S.numbers[0]) << C.name;
        EXPECT_EQ(C.running ? C.waits + 2 : 1, Looks) << C.name;
        for (const auto &Find : sim::CallsNamed("FindWindowA"))
            EXPECT_EQ("ZEM", Find.texts[0]) << C.name;
        if (C.running) {
            auto Posts = sim::PostsTo(Product);
            ASSERT_EQ(1u, Posts.size()) << C.name;
            EXPECT_EQ((UINT)WM_QUIT, Posts[0].message) << C.name;
            EXPECT_EQ(0u, Posts[0].wParam) << C.name;
            EXPECT_EQ(0, Posts[0].lParam) << C.name;
            EXPECT_EQ(1, sim::CountCalls("PostMessageA")) << C.name;
        }
        if (Other) {
            EXPECT_TRUE(sim::PostsTo(Other).empty()) << C.name;
        }
    }
}

TEST_F(Common, RegistryKeysAreOpenedOrCreatedWithTheProductClass)
{
    HKEY Key = OpenRegistryKey(HKEY_LOCAL_MACHINE, "Software\\A\\B");
    ASSERT_NE(nullptr, Key);
    EXPECT_TRUE(sim::KeyExists(HKEY_LOCAL_MACHINE, "software\\a\\b"));
    auto Create = sim::CallsNamed("RegCreateKeyExA");
    ASSERT_EQ(1u, Create.size());
    EXPECT_EQ("KWB", Create[0].texts[1]);
    EXPECT_EQ(0, Create[0].numbers[1]);                 // reserved
    EXPECT_EQ(0, Create[0].numbers[2]);                 // options
    EXPECT_EQ(0xF003F, Create[0].numbers[3]);           // KEY_ALL_ACCESS
    EXPECT_EQ(0, Create[0].numbers[4]);                 // no security attributes
    RegCloseKey(Key);

    sim::DenyFullAccess(HKEY_CURRENT_USER, "Software\\Locked");
    EXPECT_EQ(nullptr, OpenRegistryKey(HKEY_CURRENT_USER, "Software\\Locked"));
}
