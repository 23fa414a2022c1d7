// The uninstaller against a machine where ZEM is installed in the default
// folder, with everything the product writes on its first start.
#ifndef ZEM_UNINSTALLER_FIXTURE_H
#define ZEM_UNINSTALLER_FIXTURE_H

#include "fixture.h"
#include "../../uninstall/uninstaller.h"

extern "C" void UninstallerStartup(void);

namespace paths {
const std::string InstallFolder = "C:\\Program Files\\ZEM";
const std::string Installed = InstallFolder + "\\uninstall.exe";
const std::string Copy = "C:\\WINDOWS\\TEMP\\uninstall.exe";
const std::string Desktop = "C:\\Users\\user\\Desktop";
const std::string StartMenu = "C:\\Users\\user\\Start Menu";
}  // namespace paths

static const char EntryKey[] = "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM";

// Message-box flags as the user sees them
enum : UINT { CONFIRM_FLAGS = 0x40034, ERROR_FLAGS = 0x40010, PATHS_FLAGS = 0, COMPLETED_FLAGS = 0x40040 };
static const char CompletedText[] = "Uninstallation completed. Thank you for using ZEM.";
static const char FailedText[] = "Uninstallation failed!";
static const char CanceledText[] = "Uninstallation canceled.";
// The confirmation for the default install folder.
static const std::string Confirmation =
    "You are about to delete all the files in directory \"C:\\Program Files\\ZEM\" including all the plugins and "
    "skins that you may have installed. Please backup all the files in this directory that you don't want to "
    "delete. Do you want to uninstall now?";

class Uninstaller : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        InstallProduct();
    }
    // What the installer and the product's first start leave behind.
    void InstallProduct()
    {
        sim::WriteFile(paths::Installed, "MZ uninstaller");
        sim::WriteFile(paths::InstallFolder + "\\ZEM.exe", "MZ product");
        sim::WriteFile(paths::InstallFolder + "\\Skins\\user.skin", "skin");
        sim::PutValue(HKEY_LOCAL_MACHINE, EntryKey, "DisplayName", REG_SZ, std::string("ZEM\0", 4));
        sim::PutValue(HKEY_LOCAL_MACHINE, EntryKey, "UninstallString", REG_SZ,
                      "\"" + paths::Installed + "\" /uninstall" + std::string(1, '\0'));
        sim::PutValue(HKEY_CURRENT_USER, "Software\\ZEM", "Version", REG_SZ, "1.0");
        sim::PutValue(HKEY_CLASSES_ROOT, ".zem", "", REG_SZ, "ZEM.FILE");
        sim::PutValue(HKEY_CLASSES_ROOT, "ZEM.FILE", "", REG_SZ, "ZEM file");
        sim::PutValue(HKEY_CLASSES_ROOT, "ZEM.FILE\\DefaultIcon", "", REG_SZ, "ZEM.exe");
        sim::PutValue(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command", "", REG_SZ, "ZEM.exe %1");
        sim::WriteFile(paths::Desktop + "\\ZEM.lnk", "link");
        sim::WriteFile(paths::StartMenu + "\\ZEM.lnk", "link");
    }
    // One run of the program as the system starts it.
    UINT Run(const std::string &ProgramPath, const std::string &CommandLine, const std::vector<int> &Answers = {})
    {
        sim::SetProgramPath(ProgramPath);
        sim::SetCommandLine(CommandLine);
        sim::AnswerBoxes(Answers);
        return RunEntry(UninstallerStartup);
    }
    // The registered command, started from the install folder.
    UINT RunHandOff(const std::vector<int> &Answers)
    {
        return Run(paths::Installed, "\"" + paths::Installed + "\" /uninstall", Answers);
    }
    UINT RunRemoval(const std::string &Folder, const std::vector<int> &Answers = {IDOK})
    {
        return Run(paths::Copy, "\"" + paths::Copy + "\" /D:" + Folder, Answers);
    }
    static std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> Texts;
        for (const auto &Box : sim::MessageBoxes())
            Texts.push_back(Box.text);
        return Texts;
    }
    // Where in the call log a call first appears; -1 for never.
    static int FirstCall(const std::string &Name)
    {
        const auto &Calls = sim::Calls();
        for (size_t I = 0; I < Calls.size(); I++)
            if (Calls[I].name == Name)
                return (int)I;
        return -1;
    }
    static bool EntryExists() { return sim::KeyExists(HKEY_LOCAL_MACHINE, EntryKey); }
};

#endif
