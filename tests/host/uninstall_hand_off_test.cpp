// The hand-off stage: the confirmation, the copy into the temporary folder,
// the start of the copy and the uninstall entry.
#include "uninstaller_fixture.h"

using HandOff = Uninstaller;

TEST_F(HandOff, NoKeepsEverything)
{
    for (int Answer : {IDNO, 0}) {  // 0: the box could not be shown
        sim::Reset();
        InstallProduct();
        EXPECT_EQ(0u, RunHandOff({Answer, IDOK})) << Answer;
        auto Boxes = sim::MessageBoxes();
        ASSERT_EQ(2u, Boxes.size()) << Answer;
        EXPECT_EQ(Confirmation, Boxes[0].text);
        EXPECT_EQ("ZEM", Boxes[0].caption);
        EXPECT_EQ((UINT)CONFIRM_FLAGS, Boxes[0].flags);
        EXPECT_EQ(NULL, Boxes[0].owner);
        EXPECT_EQ(CanceledText, Boxes[1].text);
        EXPECT_EQ("ZEM", Boxes[1].caption);
        EXPECT_EQ((UINT)ERROR_FLAGS, Boxes[1].flags);
        EXPECT_TRUE(EntryExists());
        EXPECT_EQ(0, sim::CountCalls("CopyFileA"));
        EXPECT_EQ(0, sim::CountCalls("WinExec"));
        CheckCase(std::to_string(Answer));
    }
}

TEST_F(HandOff, YesCopiesStartsTheCopyQuotedThenDeletesTheEntry)
{
    struct Case { std::string temp, copy; };
    const Case Cases[] = {
        {"C:\\WINDOWS\\TEMP\\", "C:\\WINDOWS\\TEMP\\uninstall.exe"},
        {"C:\\Documents and Settings\\user\\Local Settings\\Temp",
         "C:\\Documents and Settings\\user\\Local Settings\\Temp\\uninstall.exe"},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::MakeFolder(C.temp);
        sim::SetTempPath(C.temp);
        sim::WriteFile(C.copy, "an old copy");
        EXPECT_EQ(0u, RunHandOff({IDYES})) << C.temp;
        EXPECT_EQ(1u, sim::MessageBoxes().size()) << C.temp;
        EXPECT_EQ("MZ uninstaller", sim::ReadFile(C.copy)) << C.temp;  // the old copy overwritten
        auto Copies = sim::CallsNamed("CopyFileA");
        ASSERT_EQ(1u, Copies.size());
        EXPECT_EQ(paths::Installed, Copies[0].texts[0]);
        EXPECT_EQ(FALSE, Copies[0].numbers[0]);  // an existing copy is overwritten
        auto Starts = sim::CallsNamed("WinExec");
        ASSERT_EQ(1u, Starts.size()) << C.temp;
        EXPECT_EQ("\"" + C.copy + "\" /D:C:\\Program Files\\ZEM", Starts[0].texts[0]);
        EXPECT_EQ(SW_SHOW, Starts[0].numbers[0]);
        EXPECT_FALSE(EntryExists()) << C.temp;
        EXPECT_TRUE(sim::KeyExists(HKEY_LOCAL_MACHINE, "software\\microsoft\\windows\\currentversion\\uninstall"));
        EXPECT_LT(FirstCall("WinExec"), FirstCall("RegDeleteKeyA")) << C.temp;
        auto Deletes = sim::CallsNamed("RegDeleteKeyA");
        ASSERT_EQ(1u, Deletes.size());
        EXPECT_EQ("ZEM", Deletes[0].texts[0]);
        // Nothing of the product is removed by this stage.
        EXPECT_TRUE(sim::FileExists(paths::Installed));
        EXPECT_TRUE(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM"));
        CheckCase(C.temp);
    }
}

// A failed copy, or paths that would not fit, change nothing: the path box,
// the failure message, exit code -1.
TEST_F(HandOff, FailedCopyOrPathsThatDoNotFitChangeNothing)
{
    // A temporary folder whose path with "uninstall.exe" has exactly 255 characters.
    const std::string Fits = "C:\\" + std::string(238, 't') + "\\";
    struct Case { const char *name; std::string temp; bool failCopy; bool copied; std::string caption; };
    const Case Cases[] = {
        {"copy fails", "C:\\WINDOWS\\TEMP\\", true, false, paths::Copy},
        {"no temporary folder", "", false, false, ""},
        {"temporary folder of 255 characters", "C:\\" + std::string(251, 't') + "\\", false, false,
         "C:\\" + std::string(251, 't') + "\\"},
        {"temporary folder of 256 characters", "C:\\" + std::string(252, 't') + "\\", false, false, ""},
        {"copy's path one too long", "C:\\" + std::string(239, 't') + "\\", false, false,
         "C:\\" + std::string(239, 't') + "\\"},
        {"copy's path fits exactly", Fits, false, true, ""},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        if (!C.temp.empty())
            sim::MakeFolder(C.temp);
        sim::SetTempPath(C.temp);
        if (C.failCopy)
            sim::FailCall("CopyFileA");
        UINT Exit = RunHandOff({IDYES, IDOK, IDOK});
        auto Boxes = sim::MessageBoxes();
        if (C.copied) {
            EXPECT_EQ(0u, Exit) << C.name;
            EXPECT_EQ(1u, Boxes.size()) << C.name;
            EXPECT_TRUE(sim::FileExists(Fits + "uninstall.exe")) << C.name;
            EXPECT_FALSE(EntryExists()) << C.name;
        } else {
            EXPECT_EQ(0xFFFFFFFFu, Exit) << C.name;
            ASSERT_EQ(3u, Boxes.size()) << C.name;
            EXPECT_EQ(paths::Installed, Boxes[1].text) << C.name;
            EXPECT_EQ(C.caption, Boxes[1].caption) << C.name;
            EXPECT_EQ((UINT)PATHS_FLAGS, Boxes[1].flags) << C.name;
            EXPECT_EQ(FailedText, Boxes[2].text) << C.name;
            EXPECT_EQ((UINT)ERROR_FLAGS, Boxes[2].flags) << C.name;
            EXPECT_TRUE(EntryExists()) << C.name;
            EXPECT_EQ(0, sim::CountCalls("WinExec")) << C.name;
            EXPECT_EQ(C.failCopy ? 1 : 0, sim::CountCalls("CopyFileA")) << C.name;
        }
        CheckCase(C.name);
    }
}

TEST_F(HandOff, CopyThatCannotBeStartedKeepsTheEntry)
{
    sim::SetWinExecResult(2);  // ERROR_FILE_NOT_FOUND
    EXPECT_EQ(0xFFFFFFFFu, RunHandOff({IDYES, IDOK}));
    EXPECT_EQ((std::vector<std::string>{Confirmation, FailedText}), BoxTexts());
    EXPECT_EQ((UINT)ERROR_FLAGS, sim::MessageBoxes()[1].flags);
    EXPECT_TRUE(EntryExists());
}

// Started from a folder the installer did not make, the program changes
// nothing and asks nothing.
TEST_F(HandOff, OnlyFromAnInstallFolder)
{
    struct Case { std::string program; bool installFolder; };
    const Case Cases[] = {
        {"C:\\Users\\user\\Desktop\\uninstall.exe", false},
        {"C:\\Program Files\\Other\\uninstall.exe", false},
        {"D:\\uninstall.exe", false},
        {"C:\\Program Files\\ZEM\\Skins\\uninstall.exe", false},
        {"C:\\" + std::string(250, 'a') + "\\ZEM\\uninstall.exe", false},  // own folder too long
        {"c:\\PROGRAM FILES\\zem\\UNINSTALL.EXE", true},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile("C:\\Users\\user\\Desktop\\uninstall.exe", "MZ");
        sim::WriteFile("C:\\Program Files\\Other\\uninstall.exe", "MZ");
        sim::WriteFile("D:\\uninstall.exe", "MZ");
        sim::WriteFile("C:\\Program Files\\ZEM\\Skins\\uninstall.exe", "MZ");
        UINT Exit = Run(C.program, "\"" + C.program + "\" /uninstall", {IDNO, IDOK});
        if (C.installFolder) {
            EXPECT_EQ(0u, Exit) << C.program;
            EXPECT_EQ(2u, sim::MessageBoxes().size()) << C.program;
        } else {
            EXPECT_EQ(0xFFFFFFFFu, Exit) << C.program;
            EXPECT_EQ(std::vector<std::string>{FailedText}, BoxTexts()) << C.program;
            EXPECT_EQ(0, sim::CountCalls("CopyFileA")) << C.program;
        }
        EXPECT_TRUE(EntryExists()) << C.program;
        CheckCase(C.program);
    }
}
