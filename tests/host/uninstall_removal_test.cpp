// The removal stage: the completion message first, then the product's
// registry keys, the install folder, the shortcuts and the copy itself.
#include "uninstaller_fixture.h"

class Removal : public Uninstaller {
protected:
    void SetUp() override
    {
        Uninstaller::SetUp();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
    }
};

TEST_F(Removal, CompletionMessageThenEverythingTheProductLeft)
{
    // The copy inherits the hand-off's current directory: the install folder.
    sim::SetCurrentDirectory(paths::InstallFolder);
    sim::WriteFile(paths::StartMenu + "\\Programs\\ZEM.lnk", "link");
    sim::WriteFile("C:\\Users\\Public\\Desktop\\ZEM.lnk", "link");
    EXPECT_EQ(0u, RunRemoval(paths::InstallFolder));

    auto Boxes = sim::MessageBoxes();
    ASSERT_EQ(1u, Boxes.size());
    EXPECT_EQ(CompletedText, Boxes[0].text);
    EXPECT_EQ("ZEM", Boxes[0].caption);
    EXPECT_EQ((UINT)COMPLETED_FLAGS, Boxes[0].flags);
    EXPECT_EQ(NULL, Boxes[0].owner);
    // Shown before anything is removed: it holds the copy back until the
    // first process has ended.
    EXPECT_LT(FirstCall("MessageBoxA"), FirstCall("RegCreateKeyExA"));

    EXPECT_FALSE(sim::FolderExists(paths::InstallFolder));
    EXPECT_TRUE(sim::FolderExists("C:\\Program Files"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM"));
    EXPECT_TRUE(sim::KeyExists(HKEY_CURRENT_USER, "Software"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE"));
    EXPECT_FALSE(sim::FileExists(paths::Desktop + "\\ZEM.lnk"));
    EXPECT_FALSE(sim::FileExists(paths::StartMenu + "\\ZEM.lnk"));
    EXPECT_TRUE(sim::FileExists(paths::StartMenu + "\\Programs\\ZEM.lnk"));
    EXPECT_TRUE(sim::FileExists("C:\\Users\\Public\\Desktop\\ZEM.lnk"));
    EXPECT_TRUE(sim::FileExists(paths::Copy));  // until the next restart
    EXPECT_EQ("C:\\WINDOWS\\TEMP", sim::CurrentDirectory());

    auto Operations = sim::FileOperations();
    ASSERT_EQ(1u, Operations.size());
    EXPECT_EQ(NULL, Operations[0].owner);
    EXPECT_EQ((UINT)FO_DELETE, Operations[0].function);
    EXPECT_EQ(std::vector<std::string>{"C:\\PROGRAM FILES\\ZEM"}, Operations[0].from);
    EXPECT_EQ(FOF_NOCONFIRMATION, Operations[0].flags);
    auto Deferred = sim::CallsNamed("MoveFileExA");
    ASSERT_EQ(1u, Deferred.size());
    EXPECT_EQ(paths::Copy, Deferred[0].texts[0]);
    EXPECT_EQ("(none)", Deferred[0].texts[1]);
    EXPECT_EQ(MOVEFILE_DELAY_UNTIL_REBOOT, Deferred[0].numbers[0]);
    EXPECT_LT(FirstCall("SHFileOperationA"), FirstCall("MoveFileExA"));
}

TEST_F(Removal, RegistryKeysAreTakenApartFromTheDeepestUp)
{
    struct Step { HKEY root; const char *parent, *subKey; };
    const Step Expected[] = {
        {HKEY_CURRENT_USER, "Software", "ZEM"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE", "DefaultIcon"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open", "Command"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell", "Open"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE", "Shell"},
        {HKEY_CLASSES_ROOT, "", "ZEM.FILE"},
    };
    RunRemoval(paths::InstallFolder);
    auto Opens = sim::CallsNamed("RegCreateKeyExA");
    auto Deletes = sim::CallsNamed("RegDeleteKeyA");
    ASSERT_EQ(6u, Opens.size());
    ASSERT_EQ(6u, Deletes.size());
    for (int I = 0; I < 6; I++) {
        EXPECT_EQ((intptr_t)Expected[I].root, Opens[I].numbers[0]) << "step " << I + 1;
        EXPECT_EQ(Expected[I].parent, Opens[I].texts[0]) << "step " << I + 1;
        EXPECT_EQ("KWB", Opens[I].texts[1]) << "step " << I + 1;
        EXPECT_EQ(0xF003F, Opens[I].numbers[3]) << "step " << I + 1;
        EXPECT_EQ(Expected[I].subKey, Deletes[I].texts[0]) << "step " << I + 1;
    }
    EXPECT_EQ(6, sim::CountCalls("RegCloseKey"));
}

TEST_F(Removal, RegistryKeysOnBothKindsOfDeletion)
{
    struct Case {
        const char *name;
        std::vector<std::pair<HKEY, std::string>> keys;  // the product's keys before
        bool wholeSubtree;
        std::vector<std::pair<HKEY, std::string>> left;  // the product's keys after
    };
    using K = std::vector<std::pair<HKEY, std::string>>;
    const K All = {{HKEY_CURRENT_USER, "Software\\ZEM"}, {HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon"},
                   {HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command"}};
    K ExtraVerb = All;
    ExtraVerb.push_back({HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Print\\Command"});
    const Case Cases[] = {
        {"all keys", All, false, {}},
        {"no key at all", {}, false, {}},
        {"only the icon", {{HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon"}}, false, {}},
        {"a second verb, leaf-only deletion", ExtraVerb, false,
         {{HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Print\\Command"}}},
        {"a second verb, subtree deletion", ExtraVerb, true, {}},
        {"settings below Software\\ZEM, leaf-only deletion", {{HKEY_CURRENT_USER, "Software\\ZEM\\Settings"}}, false,
         {{HKEY_CURRENT_USER, "Software\\ZEM\\Settings"}}},
        {"settings below Software\\ZEM, subtree deletion", {{HKEY_CURRENT_USER, "Software\\ZEM\\Settings"}}, true, {}},
    };
    const std::vector<std::pair<HKEY, std::string>> Gone = {
        {HKEY_CURRENT_USER, "Software\\ZEM"},   {HKEY_CLASSES_ROOT, "ZEM.FILE"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell"}, {HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open"},
        {HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon"}};
    for (const Case &C : Cases) {
        sim::Reset();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        sim::SetSubtreeKeyDeletion(C.wholeSubtree);
        sim::PutValue(HKEY_CLASSES_ROOT, ".zem", "", REG_SZ, "ZEM.FILE");
        for (const auto &Key : C.keys)
            sim::PutValue(Key.first, Key.second, "", REG_SZ, "x");
        RunRemoval(paths::InstallFolder);
        for (const auto &Key : C.left)
            EXPECT_TRUE(sim::KeyExists(Key.first, Key.second)) << C.name << ": " << Key.second << " stays";
        for (const auto &Key : Gone) {
            bool OnPathOfLeft = false;
            for (const auto &Left : C.left)
                OnPathOfLeft |= Left.first == Key.first && Left.second.compare(0, Key.second.size(), Key.second) == 0;
            if (!OnPathOfLeft) {
                EXPECT_FALSE(sim::KeyExists(Key.first, Key.second)) << C.name << ": " << Key.second << " goes";
            }
        }
        EXPECT_TRUE(sim::KeyExists(HKEY_CLASSES_ROOT, ".zem")) << C.name;  // not the uninstaller's
        EXPECT_TRUE(sim::KeyExists(HKEY_CURRENT_USER, "Software")) << C.name;
        CheckCase(C.name);
    }
}

TEST_F(Removal, AKeyThatRefusesFullAccessStopsOnlyItsStep)
{
    sim::DenyFullAccess(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open");
    RunRemoval(paths::InstallFolder);
    EXPECT_TRUE(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM"));
    EXPECT_EQ(5, sim::CountCalls("RegDeleteKeyA"));
    EXPECT_FALSE(sim::FolderExists(paths::InstallFolder));
}

TEST_F(Removal, ShortcutsOnlyWhereTheyAre)
{
    struct Case { const char *name; bool desktop, startMenu; };
    const Case Cases[] = {{"none", false, false}, {"desktop only", true, false}, {"Start menu only", false, true}};
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        sim::Remove(paths::Desktop + "\\ZEM.lnk");
        sim::Remove(paths::StartMenu + "\\ZEM.lnk");
        sim::WriteFile(paths::Desktop + "\\other.lnk", "link");
        if (C.desktop)
            sim::WriteFile(paths::Desktop + "\\ZEM.lnk", "link");
        if (C.startMenu)
            sim::WriteFile(paths::StartMenu + "\\ZEM.lnk", "link");
        EXPECT_EQ(0u, RunRemoval(paths::InstallFolder)) << C.name;
        EXPECT_FALSE(sim::FileExists(paths::Desktop + "\\ZEM.lnk")) << C.name;
        EXPECT_FALSE(sim::FileExists(paths::StartMenu + "\\ZEM.lnk")) << C.name;
        EXPECT_TRUE(sim::FileExists(paths::Desktop + "\\other.lnk")) << C.name;
        EXPECT_EQ((int)C.desktop + (int)C.startMenu, sim::CountCalls("DeleteFileA")) << C.name;
        EXPECT_EQ(1u, sim::MessageBoxes().size()) << C.name;  // nothing shown for a missing one
        CheckCase(C.name);
    }
}

TEST_F(Removal, SpecialFoldersTheShellCannotGiveOrThatAreTooLong)
{
    // 247 characters take "\ZEM.lnk" in a path buffer; 248 do not.
    const std::string Fits = "C:\\" + std::string(244, 'd');
    const std::string TooLong = "C:\\" + std::string(245, 'd');
    // The shell writes 259 and the NUL (no name is longer than 255).
    const std::string Longest = "C:\\" + std::string(128, 'd') + "\\" + std::string(127, 'd');
    struct Case { const char *name; int kind; std::string path; bool deleted; };
    enum { MISSING, VIRTUAL, PATH };
    const Case Cases[] = {
        {"missing", MISSING, "", false},
        {"no file-system path", VIRTUAL, "", false},
        {"247 characters", PATH, Fits, true},
        {"248 characters", PATH, TooLong, false},
        {"259 characters", PATH, Longest, false},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        if (C.kind == MISSING)
            sim::RemoveSpecialFolder(CSIDL_DESKTOP);
        else if (C.kind == VIRTUAL)
            sim::MakeSpecialFolderVirtual(CSIDL_DESKTOP);
        else
            sim::SetSpecialFolder(CSIDL_DESKTOP, C.path);
        if (C.deleted)
            sim::WriteFile(C.path + "\\ZEM.lnk", "link");
        EXPECT_EQ(0u, RunRemoval(paths::InstallFolder)) << C.name;
        if (C.deleted) {
            EXPECT_FALSE(sim::FileExists(C.path + "\\ZEM.lnk")) << C.name;
        }
        // The Start menu's shortcut goes in every case.
        EXPECT_FALSE(sim::FileExists(paths::StartMenu + "\\ZEM.lnk")) << C.name;
        EXPECT_EQ(1 + (int)C.deleted, sim::CountCalls("FindFirstFileA") - 1) << C.name;  // besides the folder test
        CheckCase(C.name);
    }
}

TEST_F(Removal, FolderAlreadyGone)
{
    sim::Remove(paths::InstallFolder);
    EXPECT_EQ(0u, RunRemoval(paths::InstallFolder));
    EXPECT_FALSE(sim::FileExists(paths::Desktop + "\\ZEM.lnk"));
    EXPECT_FALSE(sim::FileExists(paths::StartMenu + "\\ZEM.lnk"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE"));
    EXPECT_EQ(1, sim::CountCalls("MoveFileExA"));
}

// "/D:" names what is deleted without a question: only a folder the
// installer made goes. The rest of the removal runs in every case.
TEST_F(Removal, OnlyAnInstallFolderIsDeleted)
{
    struct Case { std::string folder; bool deleted; std::string survivor; };
    const Case Cases[] = {
        {"C:\\", false, "C:\\WINDOWS"},
        {"C:", false, "C:\\WINDOWS"},
        {"C:\\WINDOWS", false, "C:\\WINDOWS\\win.ini"},
        {"C:\\Program Files\\Other", false, "C:\\Program Files\\Other\\uninstall.exe"},
        {"ZEM", false, "C:\\Program Files\\ZEM\\ZEM.exe"},  // relative, the current directory being C:\Program Files
        {"\\\\server\\ZEM", false, "\\\\server\\ZEM\\uninstall.exe"},
        {"C:\\Users\\user\\Documents\\ZEM", false, "C:\\Users\\user\\Documents\\ZEM\\letter.txt"},
        {"C:\\Program Files\\ZEM\\*", false, "C:\\Program Files\\ZEM\\ZEM.exe"},
        {"C:\\Program Files\\ZEM\\..", false, "C:\\Program Files\\Other\\uninstall.exe"},
        {"C:\\Program Files\\ZEM\\", false, "C:\\Program Files\\ZEM\\ZEM.exe"},
        {"c:\\program files\\zem", true, "C:\\Program Files\\Other\\uninstall.exe"},
        {"\\\\server\\share\\ZEM", true, "\\\\server\\share\\keep.txt"},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        sim::WriteFile("C:\\WINDOWS\\win.ini", "[windows]");
        sim::WriteFile("C:\\Program Files\\Other\\uninstall.exe", "MZ");
        sim::WriteFile("C:\\Users\\user\\Documents\\ZEM\\letter.txt", "Dear");
        sim::WriteFile("\\\\server\\ZEM\\uninstall.exe", "MZ");
        sim::WriteFile("\\\\server\\share\\ZEM\\uninstall.exe", "MZ");
        sim::WriteFile("\\\\server\\share\\keep.txt", "keep");
        sim::SetCurrentDirectory("C:\\Program Files");
        EXPECT_EQ(0u, RunRemoval(C.folder)) << C.folder;
        EXPECT_EQ(C.deleted ? 1u : 0u, sim::FileOperations().size()) << C.folder;
        EXPECT_TRUE(sim::FileExists(C.survivor) || sim::FolderExists(C.survivor)) << C.folder;
        EXPECT_TRUE(sim::FileExists(paths::Copy)) << C.folder;
        EXPECT_FALSE(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM")) << C.folder;
        EXPECT_FALSE(sim::FileExists(paths::Desktop + "\\ZEM.lnk")) << C.folder;
        EXPECT_EQ(1, sim::CountCalls("MoveFileExA")) << C.folder;
        CheckCase(C.folder);
    }
}

TEST_F(Removal, SelfDeletionOnBothFamilies)
{
    struct Case { bool windows95; std::string copy, shortPath; };
    const Case Cases[] = {
        {false, paths::Copy, ""},
        {true, paths::Copy, "C:\\WINDOWS\\TEMP\\UNINST~1.EXE"},
        {true, "C:\\WINDOWS\\Local Settings\\Temp Files\\uninstall.exe", "C:\\WINDOWS\\LOCALS~1\\TEMPFI~1\\UNINST~1.EXE"},
    };
    for (const Case &C : Cases) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile(C.copy, "MZ uninstaller");
        sim::SetWindows95(C.windows95);
        EXPECT_EQ(0u, Run(C.copy, "\"" + C.copy + "\" /D:" + paths::InstallFolder, {IDOK})) << C.copy;
        auto Deferred = sim::CallsNamed("MoveFileExA");
        ASSERT_EQ(1u, Deferred.size());
        EXPECT_EQ(C.copy, Deferred[0].texts[0]);
        EXPECT_EQ(MOVEFILE_DELAY_UNTIL_REBOOT, Deferred[0].numbers[0]);
        sim::Value Line = sim::ProfileString("WININIT.INI", "rename", "NUL");
        EXPECT_EQ(C.windows95, Line.exists) << C.copy;
        EXPECT_EQ(C.shortPath, Line.data) << C.copy;
        if (C.windows95) {
            auto Writes = sim::CallsNamed("WritePrivateProfileStringA");
            ASSERT_EQ(1u, Writes.size());
            EXPECT_EQ("WININIT.INI", Writes[0].texts[3]);
        }
        CheckCase(C.copy);
    }
}

// The whole road on one machine: the registered command, then the copy it
// started, with the command line it was given.
TEST_F(Removal, HandOffThenTheCopy)
{
    sim::Remove(paths::Copy);
    sim::SetCurrentDirectory(paths::InstallFolder);
    EXPECT_EQ(0u, RunHandOff({IDYES}));
    auto Starts = sim::CallsNamed("WinExec");
    ASSERT_EQ(1u, Starts.size());
    sim::NewProcess();
    EXPECT_EQ(0u, Run(paths::Copy, Starts[0].texts[0], {IDOK}));
    EXPECT_FALSE(EntryExists());
    EXPECT_FALSE(sim::FolderExists(paths::InstallFolder));
    EXPECT_FALSE(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE"));
    EXPECT_FALSE(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM"));
    EXPECT_FALSE(sim::FileExists(paths::Desktop + "\\ZEM.lnk"));
    EXPECT_EQ((std::vector<std::string>{Confirmation, CompletedText}), BoxTexts());
}
