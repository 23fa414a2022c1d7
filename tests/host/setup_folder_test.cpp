// ChooseDestinationFolder: the browse request, the new install folder, and
// what leaves everything as it was.
#include "installer_fixture.h"

using Folder = Installer;

TEST_F(Folder, ChosenFolderWithZemInsideBecomesTheInstallFolder)
{
    struct Case { std::string chosen, installDir; };
    const Case Cases[] = {
        {"C:\\", "C:\\ZEM\\"},
        {"D:\\Games", "D:\\Games\\ZEM\\"},
        {"C:\\Apps\\ZEM", "C:\\Apps\\ZEM\\ZEM\\"},
        {"C:\\\x83\x5C", "C:\\\x83\x5CZEM\\"},  // a double-byte character whose trail byte is 0x5C
        {"C:\\" + std::string(221, 'p'), "C:\\" + std::string(221, 'p') + "\\ZEM\\"},  // 229: the longest
    };
    for (const Case &C : Cases) {
        sim::Reset();
        MakeDistribution();
        sim::ScriptBrowse({sim::Choose(C.chosen)});
        Run({OverFolder(), sim::Release(), OverExit(), sim::Release()});
        EXPECT_EQ(C.installDir, std::string(InstallDir)) << C.chosen;
        EXPECT_EQ(C.installDir, std::string(StatusText)) << C.chosen;
        EXPECT_EQ(C.installDir, StatusSequence().back()) << C.chosen;
        EXPECT_EQ(2, WholeDrawings()) << C.chosen;  // first paint, then the status change
        for (size_t I = C.installDir.size(); I < sizeof InstallDir; I++)
            ASSERT_EQ(0, InstallDir[I]) << C.chosen << ": byte " << I;  // the list's closing NUL
        sim::CheckReleased();
    }
}

TEST_F(Folder, BrowseRequestHasOnlyItsOwner)
{
    sim::ScriptBrowse({sim::Cancel()});
    Run({OverFolder(), sim::Release(), OverExit(), sim::Release()});
    auto Browse = sim::CallsNamed("SHBrowseForFolderA");
    ASSERT_EQ(1u, Browse.size());
    EXPECT_EQ((intptr_t)MainWindow, Browse[0].numbers[0]);
    for (size_t I = 1; I < Browse[0].numbers.size(); I++)
        EXPECT_EQ(0, Browse[0].numbers[I]) << "field " << I;
}

TEST_F(Folder, CancelAVirtualItemOrATooLongFolderChangeNothing)
{
    struct Case { const char *name; sim::BrowseAnswer answer; };
    const Case Cases[] = {
        {"cancel", sim::Cancel()},
        {"no file-system path", sim::ChooseVirtual()},
        {"install folder of 230 characters", sim::Choose("C:\\" + std::string(222, 'p'))},
        {"a path of 259 characters", sim::Choose("C:\\" + std::string(256, 'p'))},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        MakeDistribution();
        sim::ScriptBrowse({C.answer});
        Run({OverFolder(), sim::Release(), OverExit(), sim::Release()});
        EXPECT_STREQ("C:\\Program Files\\ZEM\\", InstallDir) << C.name;
        EXPECT_STREQ("C:\\Program Files\\ZEM\\", StatusText) << C.name;
        EXPECT_EQ(1, WholeDrawings()) << C.name;  // the first paint only: nothing redrawn
        sim::CheckReleased();
    }
}

TEST_F(Folder, ChoosingTheSameFolderTwiceGivesTheSameInstallFolder)
{
    sim::ScriptBrowse({sim::Choose("D:\\Games"), sim::Choose("D:\\Games")});
    Run({OverFolder(), sim::Release(), sim::Release(), OverExit(), sim::Release()});
    EXPECT_STREQ("D:\\Games\\ZEM\\", InstallDir);
}

TEST_F(Folder, InstallationGoesIntoTheChosenFolder)
{
    sim::MakeFolder("D:\\");
    sim::ScriptBrowse({sim::Choose("D:\\Games")});
    Run({OverFolder(), sim::Release(), OverInstall(), sim::Release()});
    EXPECT_EQ("MZ product", sim::ReadFile("D:\\Games\\ZEM\\ZEM.exe"));
    auto Starts = sim::CallsNamed("WinExec");
    ASSERT_EQ(1u, Starts.size());
    EXPECT_EQ("\"D:\\Games\\ZEM\\ZEM.exe\" /c", Starts[0].texts[0]);
}
