// RunInstallation: the copy of Data, the font, the uninstall entry, the
// product's start, and the failures that keep the installer open.
#include "installer_fixture.h"

static const char EntryKey[] = "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM";

using Install = Installer;

static const std::vector<sim::ScriptedMessage> InstallClick = {OverInstall(), sim::Release()};

TEST_F(Install, WritesExactlyTheTwoEntryValuesWithTheCommandQuoted)
{
    EXPECT_EQ(0u, Run(InstallClick));
    auto Names = sim::ValueNames(HKEY_LOCAL_MACHINE, EntryKey);
    EXPECT_EQ(2u, Names.size());
    sim::Value Name = sim::GetValue(HKEY_LOCAL_MACHINE, EntryKey, "DisplayName");
    ASSERT_TRUE(Name.exists);
    EXPECT_EQ((DWORD)REG_SZ, Name.type);
    EXPECT_EQ(std::string("ZEM\0", 4), Name.data);  // size 4: the letters and the NUL
    sim::Value Command = sim::GetValue(HKEY_LOCAL_MACHINE, EntryKey, "UninstallString");
    ASSERT_TRUE(Command.exists);
    EXPECT_EQ((DWORD)REG_SZ, Command.type);
    const std::string Expected = "\"C:\\Program Files\\ZEM\\uninstall.exe\" /uninstall";
    EXPECT_EQ(Expected + std::string(1, '\0'), Command.data);
    // The values are written in this order, into a key of the product's class.
    std::vector<sim::Call> Sets;
    for (const auto &Set : sim::CallsNamed("RegSetValueExA"))
        if (Set.texts[0] != "lumidig4 (TrueType)")
            Sets.push_back(Set);
    ASSERT_EQ(2u, Sets.size());
    EXPECT_EQ("DisplayName", Sets[0].texts[0]);
    EXPECT_EQ("UninstallString", Sets[1].texts[0]);
    bool Created = false;
    for (const auto &C : sim::CallsNamed("RegCreateKeyExA"))
        Created |= C.texts[0] == EntryKey && C.texts[1] == "KWB" && C.numbers[3] == 0xF003F;
    EXPECT_TRUE(Created);
}

TEST_F(Install, InstallingAgainRewritesTheValuesAndKeepsOthers)
{
    sim::PutValue(HKEY_LOCAL_MACHINE, EntryKey, "DisplayIcon", REG_SZ, std::string("x.ico\0", 6));
    sim::PutValue(HKEY_LOCAL_MACHINE, EntryKey, "UninstallString", REG_SZ, std::string("old\0", 4));
    Run(InstallClick);
    // A second installer run on the same machine, into another folder.
    sim::ScriptBrowse({sim::Choose("D:\\Games")});
    sim::MakeFolder("D:\\Games");
    sim::NewProcess();
    Run({OverFolder(), sim::Release(), OverInstall(), sim::Release()});
    EXPECT_EQ(3u, sim::ValueNames(HKEY_LOCAL_MACHINE, EntryKey).size());
    EXPECT_EQ(std::string("x.ico\0", 6), sim::GetValue(HKEY_LOCAL_MACHINE, EntryKey, "DisplayIcon").data);
    EXPECT_EQ(std::string("\"D:\\Games\\ZEM\\uninstall.exe\" /uninstall\0", 40),
              sim::GetValue(HKEY_LOCAL_MACHINE, EntryKey, "UninstallString").data);
}

TEST_F(Install, CopiesDataWithItsSubfoldersThenStartsTheProductAndEnds)
{
    sim::WriteFile("C:\\Program Files\\ZEM\\ZEM.exe", "old product");
    sim::WriteFile("C:\\Program Files\\ZEM\\user.cfg", "settings");
    EXPECT_EQ(0u, Run(InstallClick));
    EXPECT_EQ("MZ product", sim::ReadFile("C:\\Program Files\\ZEM\\ZEM.exe"));  // replaced
    EXPECT_EQ("settings", sim::ReadFile("C:\\Program Files\\ZEM\\user.cfg"));   // left alone
    EXPECT_EQ("MZ uninstaller", sim::ReadFile("C:\\Program Files\\ZEM\\uninstall.exe"));
    EXPECT_EQ("skin", sim::ReadFile("C:\\Program Files\\ZEM\\Skins\\default.skin"));

    auto Operations = sim::FileOperations();
    ASSERT_FALSE(Operations.empty());
    EXPECT_EQ(MainWindow, Operations[0].owner);
    EXPECT_EQ((UINT)FO_COPY, Operations[0].function);
    EXPECT_EQ(std::vector<std::string>{".\\Data\\*.*"}, Operations[0].from);
    EXPECT_EQ(std::vector<std::string>{"C:\\Program Files\\ZEM\\"}, Operations[0].to);
    EXPECT_EQ(0x0210, Operations[0].flags);

    auto Starts = sim::CallsNamed("WinExec");
    ASSERT_EQ(1u, Starts.size());
    EXPECT_EQ("\"C:\\Program Files\\ZEM\\ZEM.exe\" /c", Starts[0].texts[0]);
    EXPECT_EQ(SW_SHOW, Starts[0].numbers[0]);
    const std::vector<std::string> Status = {"C:\\Program Files\\ZEM\\", "Copying Files...", "Launching ZEM..."};
    EXPECT_EQ(Status, StatusSequence());
    EXPECT_EQ(2, sim::CountCalls("UpdateWindow") - 1);  // after each copy, besides start-up
}

TEST_F(Install, AFailedCopyOfDataKeepsTheInstallerOpenAndChangesNothing)
{
    struct Case { const char *name; void (*prepare)(); bool secondRunSucceeds; };
    const Case Cases[] = {
        {"no Data", [] { sim::Remove("C:\\dist\\Data"); }, false},
        {"empty Data", [] {
             sim::Remove("C:\\dist\\Data");
             sim::MakeFolder("C:\\dist\\Data");
         }, false},
        {"the shell reports a failure", [] { sim::FailCall("SHFileOperationA"); }, true},
        {"the user cancels the copy", [] { sim::AbortNextFileOperation(); }, true},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        MakeDistribution();
        C.prepare();
        EXPECT_EQ(0u, Run({OverInstall(), sim::Release(), sim::Release(), OverExit(), sim::Release()})) << C.name;
        auto Status = StatusSequence();
        ASSERT_GE(Status.size(), 3u) << C.name;
        EXPECT_EQ("Copying Files...", Status[1]) << C.name;
        EXPECT_EQ("C:\\Program Files\\ZEM\\", Status[2]) << C.name;
        if (C.secondRunSucceeds) {
            // The second click runs from the start and this time succeeds.
            ASSERT_EQ(5u, Status.size()) << C.name;
            EXPECT_EQ("Copying Files...", Status[3]) << C.name;
            EXPECT_EQ("Launching ZEM...", Status[4]) << C.name;
            EXPECT_EQ(1, sim::CountCalls("WinExec")) << C.name;
            continue;
        }
        EXPECT_EQ(5u, Status.size()) << C.name;  // both clicks failed the same way
        EXPECT_FALSE(sim::KeyExists(HKEY_LOCAL_MACHINE, EntryKey)) << C.name;
        EXPECT_EQ(0, sim::CountCalls("WinExec")) << C.name;
        EXPECT_EQ(0, sim::CountCalls("SHGetSpecialFolderLocation")) << C.name;
        EXPECT_EQ(0, sim::CountCalls("SHFileOperationA")) << C.name;  // nothing to copy: not asked
        EXPECT_FALSE(sim::FolderExists("C:\\Program Files\\ZEM")) << C.name;
        sim::CheckReleased();
    }
}

TEST_F(Install, FontIsCopiedAndRegisteredOnlyWhenMissing)
{
    static const char NtFonts[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
    static const char Fonts95[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
    struct Case { const char *name; bool present, windows95, noFontsFolder, noLocation; bool installed; };
    const Case Cases[] = {
        {"absent", false, false, false, false, true},
        {"absent, Windows 95", false, true, false, false, true},
        {"present already", true, false, false, false, false},
        {"no Fonts folder in the distribution", false, false, true, false, true},
        {"no Fonts location", false, false, false, true, false},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        MakeDistribution();
        if (C.present)
            sim::WriteFile("C:\\WINDOWS\\Fonts\\lumidig4.ttf", "installed before");
        if (C.noFontsFolder)
            sim::Remove("C:\\dist\\Fonts");
        if (C.noLocation)
            sim::RemoveSpecialFolder(CSIDL_FONTS);
        sim::SetWindows95(C.windows95);
        EXPECT_EQ(0u, Run(InstallClick)) << C.name;

        auto Adds = sim::CallsNamed("AddFontResourceA");
        ASSERT_EQ(C.installed ? 1u : 0u, Adds.size()) << C.name;
        if (C.installed) {
            EXPECT_EQ("C:\\WINDOWS\\Fonts\\lumidig4.ttf", Adds[0].texts[0]) << C.name;
        }
        bool Copied = C.installed && !C.noFontsFolder;
        EXPECT_EQ(Copied, sim::FileExists("C:\\WINDOWS\\Fonts\\extra.ttf")) << C.name;
        if (C.present) {
            EXPECT_EQ("installed before", sim::ReadFile("C:\\WINDOWS\\Fonts\\lumidig4.ttf"));
        }
        const char *Listed = C.windows95 ? Fonts95 : NtFonts;
        const char *Other = C.windows95 ? NtFonts : Fonts95;
        sim::Value Font = sim::GetValue(HKEY_LOCAL_MACHINE, Listed, "lumidig4 (TrueType)");
        EXPECT_EQ(C.installed, Font.exists) << C.name;
        if (C.installed) {
            EXPECT_EQ(std::string("lumidig4.ttf\0", 13), Font.data) << C.name;
        }
        EXPECT_FALSE(sim::KeyExists(HKEY_LOCAL_MACHINE, Other)) << C.name;
        int FontChanges = 0;
        for (const sim::Post &P : sim::PostsTo(HWND_BROADCAST))
            FontChanges += P.message == WM_FONTCHANGE;
        EXPECT_EQ(C.installed ? 1 : 0, FontChanges) << C.name;
        EXPECT_EQ(0, sim::CountCalls("SendMessageA")) << C.name;
        // Whatever the font step did, the entry and the product follow.
        EXPECT_TRUE(sim::KeyExists(HKEY_LOCAL_MACHINE, EntryKey)) << C.name;
        EXPECT_EQ(1, sim::CountCalls("WinExec")) << C.name;
        sim::CheckReleased();
    }
}

TEST_F(Install, FontsFolderTooLongForTheFontPathSkipsTheFontStep)
{
    struct Case { int length; bool installed; };
    const Case Cases[] = {{242, true}, {243, false}, {259, false}};  // 242 + 13 = 255 fits
    for (const Case &C : Cases) {
        sim::Reset();
        MakeDistribution();
        std::string Folder = "C:";  // in names of 50, as the host's names are shorter than 256
        while ((int)Folder.size() < C.length)
            Folder += "\\" + std::string(std::min(50, C.length - (int)Folder.size() - 1), 'f');
        sim::SetSpecialFolder(CSIDL_FONTS, Folder);
        Run(InstallClick);
        EXPECT_EQ(C.installed ? 1 : 0, sim::CountCalls("AddFontResourceA")) << C.length;
        EXPECT_EQ(1, sim::CountCalls("WinExec")) << C.length;
        sim::CheckReleased();
    }
}

TEST_F(Install, DataWithoutTheProductStillWritesTheEntryAndEnds)
{
    sim::Remove("C:\\dist\\Data\\ZEM.exe");
    sim::SetWinExecResult(2);  // ERROR_FILE_NOT_FOUND
    EXPECT_EQ(0u, Run(InstallClick));
    EXPECT_TRUE(sim::KeyExists(HKEY_LOCAL_MACHINE, EntryKey));
    EXPECT_EQ("Launching ZEM...", StatusSequence().back());
    EXPECT_EQ(1, sim::CountCalls("PostQuitMessage"));
}

TEST_F(Install, AClickWhileARunIsInProgressIsIgnored)
{
    // The shell's progress dialog passes the user's second click to the window.
    sim::DuringShellDialog({OverFolder(), sim::Release(), OverInstall(), sim::Release()});
    sim::ScriptBrowse({sim::Choose("D:\\")});
    EXPECT_EQ(0u, Run(InstallClick));
    EXPECT_EQ(0, sim::CountCalls("SHBrowseForFolderA"));
    auto Operations = sim::FileOperations();
    int DataCopies = 0;
    for (const auto &O : Operations)
        DataCopies += O.from == std::vector<std::string>{".\\Data\\*.*"};
    EXPECT_EQ(1, DataCopies);
    EXPECT_EQ(1, sim::CountCalls("WinExec"));
    sim::ScriptBrowse({});
}
