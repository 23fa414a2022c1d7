// Fuzz target: arbitrary command lines through the uninstaller's whole
// entry, on a machine where ZEM is installed beside things of the user's.
// The first input byte chooses the machine and the user's answers; the rest
// is the command line. Besides the sanitizers' findings, a run fails when
// anything of the user's goes, or when anything of the product goes although
// the argument string is no removal command.
#include "sim.h"
#include "../../uninstall/uninstaller.h"
#include <stdio.h>
#include <stdlib.h>

extern "C" void UninstallerStartup(void);

static const char EntryKey[] = "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM";
static const char *const UserFiles[] = {
    "C:\\WINDOWS\\win.ini", "C:\\Users\\user\\Documents\\ZEM\\letter.txt", "C:\\Users\\user\\Desktop\\notes.txt",
    "C:\\Program Files\\Other\\uninstall.exe", "D:\\ZEM\\data.txt", "\\\\server\\share\\ZEM\\report.txt",
};
static const char *const ProductFiles[] = {
    "C:\\Program Files\\ZEM\\uninstall.exe", "C:\\Program Files\\ZEM\\ZEM.exe",
    "C:\\Users\\user\\Desktop\\ZEM.lnk", "C:\\Users\\user\\Start Menu\\ZEM.lnk",
};

static void Require(bool Condition, const char *What)
{
    if (!Condition) {
        fprintf(stderr, "violated: %s\n", What);
        abort();
    }
}

static void MakeMachine(unsigned Options)
{
    sim::Reset();
    for (const char *File : UserFiles)
        sim::WriteFile(File, "the user's");
    for (const char *File : ProductFiles)
        sim::WriteFile(File, "the product's");
    sim::PutValue(HKEY_LOCAL_MACHINE, EntryKey, "UninstallString", REG_SZ, "x");
    sim::PutValue(HKEY_CURRENT_USER, "Software\\ZEM", "Version", REG_SZ, "1.0");
    sim::PutValue(HKEY_CURRENT_USER, "Software\\Other", "Version", REG_SZ, "1.0");
    sim::PutValue(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command", "", REG_SZ, "ZEM.exe");
    sim::PutValue(HKEY_CLASSES_ROOT, "txtfile\\Shell\\Open\\Command", "", REG_SZ, "notepad.exe");
    sim::SetDoubleByteCodePage(Options & 1);
    sim::SetWindows95(Options & 2);
    sim::SetProgramPath(Options & 4 ? "C:\\WINDOWS\\TEMP\\uninstall.exe" : "C:\\Program Files\\ZEM\\uninstall.exe");
    sim::WriteFile("C:\\WINDOWS\\TEMP\\uninstall.exe", "the copy");
    if (Options & 8)
        sim::SetCurrentDirectory("C:\\Program Files\\ZEM");
    if (Options & 16) {
        sim::MakeFolder("C:\\Documents and Settings\\user\\Temp");
        sim::SetTempPath("C:\\Documents and Settings\\user\\Temp");
    }
    if (Options & 32)
        sim::FailCall("CopyFileA");
    if (Options & 64)
        sim::SetWinExecResult(2);
    int Answer = Options & 128 ? IDYES : IDNO;
    sim::AnswerBoxes({Answer, IDOK, IDOK, IDOK});
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    unsigned Options = Size ? Data[0] : 0;
    std::string Line = Size ? std::string((const char *)Data + 1, Size - 1) : "";
    MakeMachine(Options);
    sim::SetCommandLine(Line);

    // The argument string as the program will cut it, kept before the run
    // changes it in place.
    std::vector<char> Copy(Line.begin(), Line.end());
    Copy.push_back(0);
    std::string Arguments = CutArguments(Copy.data());
    bool Removal = Arguments.size() >= 3 && Arguments[0] == '/' && (Arguments[1] | 0x20) == 'd' && Arguments[2] == ':';
    bool HandOff = strcasecmp(Arguments.c_str(), "/uninstall") == 0;

    try {
        UninstallerStartup();
    } catch (const sim::ProcessExit &) {
    }

    for (const char *File : UserFiles)
        Require(sim::FileExists(File), "a file of the user's is gone");
    Require(sim::KeyExists(HKEY_CURRENT_USER, "Software\\Other"), "another program's key is gone");
    Require(sim::KeyExists(HKEY_CLASSES_ROOT, "txtfile\\Shell\\Open\\Command"), "another file type is gone");
    Require(sim::FileExists("C:\\WINDOWS\\TEMP\\uninstall.exe") || (Options & 4) == 0, "the running copy is gone");
    if (!Removal) {
        for (const char *File : ProductFiles)
            Require(sim::FileExists(File), "a product file is gone without a removal command");
        Require(sim::KeyExists(HKEY_CURRENT_USER, "Software\\ZEM"), "the product's key is gone without a removal command");
        Require(sim::KeyExists(HKEY_CLASSES_ROOT, "ZEM.FILE\\Shell\\Open\\Command"),
                "the product's file type is gone without a removal command");
        Require(HandOff || sim::KeyExists(HKEY_LOCAL_MACHINE, EntryKey), "the entry is gone without a command");
        Require(sim::FileOperations().empty(), "a shell deletion without a removal command");
    }
    sim::CheckReleased();
    for (const std::string &Fault : sim::Faults())
        if (Fault.find("no scripted answer") == std::string::npos)
            Require(false, Fault.c_str());
    return 0;
}
