// The simulated file system: drive letters mapped onto a temporary folder of
// the host. Names match without regard to letter case, as on Windows.
#include "internal.h"
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sim {

static std::string Root;

static void RemoveRoot()
{
    if (!Root.empty()) {
        std::error_code Ignored;
        fs::remove_all(Root, Ignored);
    }
}

void ResetFiles()
{
    static bool Registered = false;
    if (!Registered) {
        atexit(RemoveRoot);
        Registered = true;
    }
    RemoveRoot();
    char Template[] = "/tmp/win32sim-XXXXXX";
    Root = mkdtemp(Template);
    fs::create_directories(Root + "/C");
}

std::string HostRoot() { return Root; }

static std::vector<std::string> SplitNames(const std::string &Path, size_t From)
{
    std::vector<std::string> Names;
    std::string Name;
    for (size_t I = From; I <= Path.size(); I++) {
        if (I == Path.size() || Path[I] == '\\') {
            if (Name == "..") {
                if (!Names.empty())
                    Names.pop_back();
            } else if (!Name.empty() && Name != ".") {
                Names.push_back(Name);
            }
            Name.clear();
        } else {
            Name += Path[I];
        }
    }
    return Names;
}

// "C:\a\b" or "\\server\share\a": the prefix and the names below it.
static bool SplitFull(const std::string &Full, std::string &Prefix, std::vector<std::string> &Names)
{
    if (Full.size() >= 2 && Full[0] == '\\' && Full[1] == '\\') {
        std::vector<std::string> All = SplitNames(Full, 2);
        if (All.size() < 2)
            return false;
        Prefix = "\\\\" + All[0] + "\\" + All[1];
        Names.assign(All.begin() + 2, All.end());
        return true;
    }
    if (Full.size() >= 3 && isalpha((unsigned char)Full[0]) && Full[1] == ':' && Full[2] == '\\') {
        Prefix = std::string(1, (char)toupper((unsigned char)Full[0])) + ":";
        Names = SplitNames(Full, 3);
        return true;
    }
    return false;
}

std::string FullPath(const std::string &Given)
{
    std::string Path = Given;
    for (char &C : Path)
        if (C == '/')
            C = '\\';
    std::string Current = M().currentDirectory;
    std::string Joined;
    if (Path.size() >= 2 && Path[0] == '\\' && Path[1] == '\\')
        Joined = Path;
    else if (Path.size() >= 2 && isalpha((unsigned char)Path[0]) && Path[1] == ':') {
        if (Path.size() >= 3 && Path[2] == '\\')
            Joined = Path;
        else if (toupper((unsigned char)Path[0]) == toupper((unsigned char)Current[0]))
            Joined = Current + "\\" + Path.substr(2);
        else
            Joined = Path.substr(0, 2) + "\\" + Path.substr(2);
    } else if (!Path.empty() && Path[0] == '\\')
        Joined = Current.substr(0, 2) + Path;
    else
        Joined = Current + "\\" + Path;
    std::string Prefix;
    std::vector<std::string> Names;
    if (!SplitFull(Joined, Prefix, Names))
        return "";
    std::string Result = Prefix;
    for (const std::string &Name : Names)
        Result += "\\" + Name;
    if (Names.empty() && Prefix.size() == 2)
        Result += "\\";
    return Result;
}

std::string HostPath(const std::string &WindowsPath)
{
    std::string Full = FullPath(WindowsPath);
    std::string Prefix;
    std::vector<std::string> Names;
    if (Full.empty() || !SplitFull(Full, Prefix, Names))
        return "";
    std::string Host = Root + "/";
    if (Prefix[0] == '\\')
        Host += "UNC/" + Lower(Prefix.substr(2));
    else
        Host += Prefix.substr(0, 1);
    if (!fs::is_directory(Host))
        return "";
    for (const std::string &Name : Names) {
        std::string Match = Name;
        std::error_code Error;
        if (fs::is_directory(Host)) {
            for (const auto &Entry : fs::directory_iterator(Host, Error)) {
                std::string Existing = Entry.path().filename().string();
                if (Lower(Existing) == Lower(Name)) {
                    Match = Existing;
                    break;
                }
            }
        }
        Host += "/" + Match;
    }
    return Host;
}

void WriteFile(const std::string &Path, const std::string &Bytes)
{
    std::string Host = HostPath(Path);
    fs::create_directories(fs::path(Host).parent_path());
    std::ofstream(Host, std::ios::binary) << Bytes;
}

void MakeFolder(const std::string &Path)
{
    size_t Colon = Path.find(':');
    if (Colon == 1)
        fs::create_directories(Root + "/" + std::string(1, (char)toupper((unsigned char)Path[0])));
    fs::create_directories(HostPath(Path));
}

bool FileExists(const std::string &Path)
{
    std::string Host = HostPath(Path);
    return !Host.empty() && fs::is_regular_file(Host);
}

bool FolderExists(const std::string &Path)
{
    std::string Host = HostPath(Path);
    return !Host.empty() && fs::is_directory(Host);
}

std::string ReadFile(const std::string &Path)
{
    std::ifstream In(HostPath(Path), std::ios::binary);
    std::stringstream Bytes;
    Bytes << In.rdbuf();
    return Bytes.str();
}

std::string CurrentDirectory() { return M().currentDirectory; }

void SetCurrentDirectory(const std::string &Path) { M().currentDirectory = FullPath(Path); }

}  // namespace sim

using namespace sim;

BOOL WINAPI SetCurrentDirectoryA(LPCSTR Path)
{
    if (Enter("SetCurrentDirectoryA", {}, {Path}))
        return FALSE;
    std::string Full = FullPath(Path);
    std::string Host = HostPath(Path);
    if (Full.empty() || Host.empty() || !fs::is_directory(Host)) {
        M().lastError = ERROR_PATH_NOT_FOUND;
        return FALSE;
    }
    M().currentDirectory = Full;
    return TRUE;
}

DWORD WINAPI GetCurrentDirectoryA(DWORD Size, LPSTR Buffer)
{
    Enter("GetCurrentDirectoryA", {(intptr_t)Size});
    const std::string &Current = M().currentDirectory;
    if (Current.size() + 1 > Size)
        return (DWORD)Current.size() + 1;
    memcpy(Buffer, Current.c_str(), Current.size() + 1);
    return (DWORD)Current.size();
}
