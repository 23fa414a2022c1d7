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

// Open file searches; a closed one leaves an empty slot.
struct Search {
    std::vector<std::pair<std::string, bool>> found;  // name, is a folder
    size_t next;
};
static std::vector<std::unique_ptr<Search>> Searches;

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
    Searches.clear();
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

// A drive or a share that does not exist yet comes with its first folder
// or file.
static void MakeRoot(const std::string &Path)
{
    std::string Prefix;
    std::vector<std::string> Names;
    std::string Full = FullPath(Path);
    if (!Full.empty() && SplitFull(Full, Prefix, Names))
        fs::create_directories(Root + "/" + (Prefix[0] == '\\' ? "UNC/" + Lower(Prefix.substr(2)) : Prefix.substr(0, 1)));
}

void WriteFile(const std::string &Path, const std::string &Bytes)
{
    MakeRoot(Path);
    std::string Host = HostPath(Path);
    fs::create_directories(fs::path(Host).parent_path());
    std::ofstream(Host, std::ios::binary) << Bytes;
}

void MakeFolder(const std::string &Path)
{
    MakeRoot(Path);
    fs::create_directories(HostPath(Path));
}

void Remove(const std::string &Path)
{
    std::string Host = HostPath(Path);
    std::error_code Ignored;
    if (!Host.empty())
        fs::remove_all(Host, Ignored);
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

namespace sim {

bool MatchName(const std::string &Pattern, const std::string &Name)
{
    std::string P = Lower(Pattern), N = Lower(Name);
    if (P == "*.*")
        return true;
    // Iterative * and ? matching.
    size_t I = 0, J = 0, Star = std::string::npos, Mark = 0;
    while (J < N.size()) {
        if (I < P.size() && (P[I] == '?' || P[I] == N[J])) {
            I++;
            J++;
        } else if (I < P.size() && P[I] == '*') {
            Star = I++;
            Mark = J;
        } else if (Star != std::string::npos) {
            I = Star + 1;
            J = ++Mark;
        } else {
            return false;
        }
    }
    while (I < P.size() && P[I] == '*')
        I++;
    return I == P.size();
}

void CheckFilesReleased()
{
    for (auto &S : Searches)
        if (S)
            Fault("a file search was not closed");
}

static void Fill(const std::pair<std::string, bool> &Entry, LPWIN32_FIND_DATAA Found)
{
    memset(Found, 0, sizeof *Found);
    Found->dwFileAttributes = Entry.second ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    snprintf(Found->cFileName, sizeof Found->cFileName, "%s", Entry.first.c_str());
}

}  // namespace sim

HANDLE WINAPI FindFirstFileA(LPCSTR Pattern, LPWIN32_FIND_DATAA Found)
{
    if (Enter("FindFirstFileA", {}, {Pattern}))
        return INVALID_HANDLE_VALUE;
    std::string Full = FullPath(Pattern);
    size_t Cut = Full.rfind('\\');
    if (Full.empty() || Cut == std::string::npos || Cut + 1 == Full.size()) {
        M().lastError = ERROR_FILE_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
    }
    std::string Folder = Full.substr(0, Cut + 1), Name = Full.substr(Cut + 1);
    std::string Host = HostPath(Folder);
    auto S = std::make_unique<Search>();
    S->next = 0;
    std::error_code Error;
    if (!Host.empty() && fs::is_directory(Host)) {
        // Windows lists "." and ".." in every folder but a drive's root.
        if (FullPath(Folder).size() > 3 && Name.find_first_of("*?") != std::string::npos) {
            S->found.push_back({".", true});
            S->found.push_back({"..", true});
        }
        for (const auto &Entry : fs::directory_iterator(Host, Error)) {
            std::string Existing = Entry.path().filename().string();
            if (MatchName(Name, Existing))
                S->found.push_back({Existing, Entry.is_directory()});
        }
    }
    if (S->found.empty()) {
        M().lastError = ERROR_FILE_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
    }
    Fill(S->found[S->next++], Found);
    Searches.push_back(std::move(S));
    return (HANDLE)Searches.back().get();
}

static std::unique_ptr<Search> *FindSearch(HANDLE Handle)
{
    for (auto &S : Searches)
        if (S && (HANDLE)S.get() == Handle)
            return &S;
    return nullptr;
}

BOOL WINAPI FindNextFileA(HANDLE Handle, LPWIN32_FIND_DATAA Found)
{
    Enter("FindNextFileA");
    auto *S = FindSearch(Handle);
    if (!S || (*S)->next >= (*S)->found.size()) {
        M().lastError = 18;  // ERROR_NO_MORE_FILES
        return FALSE;
    }
    Fill((*S)->found[(*S)->next++], Found);
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE Handle)
{
    Enter("FindClose");
    auto *S = FindSearch(Handle);
    if (!S) {
        Fault("FindClose of a handle that is no open search");
        return FALSE;
    }
    S->reset();
    return TRUE;
}

namespace sim {

bool HoldsCurrentDirectory(const std::string &Path)
{
    std::string Folder = Lower(FullPath(Path)), Current = Lower(M().currentDirectory);
    if (Folder.empty())
        return false;
    if (Folder.back() != '\\')
        Folder += '\\';
    if (Current.back() != '\\')
        Current += '\\';
    return Current.compare(0, Folder.size(), Folder) == 0;
}

// The 8.3 alias the system would give a name: names that fit are kept;
// others become six characters, "~1" and three of the extension.
static std::string ShortName(const std::string &Name)
{
    size_t Dot = Name.rfind('.');
    std::string Base = Dot == std::string::npos ? Name : Name.substr(0, Dot);
    std::string Extension = Dot == std::string::npos ? "" : Name.substr(Dot + 1);
    bool Fits = Base.size() <= 8 && Extension.size() <= 3 && Base.find_first_of(" .") == std::string::npos &&
                Extension.find(' ') == std::string::npos && !Base.empty();
    if (Fits)
        return Name;
    std::string Short;
    for (char C : Base)
        if (C != ' ' && C != '.' && Short.size() < 6)
            Short += (char)toupper((unsigned char)C);
    Short += "~1";
    std::string ShortExtension;
    for (char C : Extension)
        if (C != ' ' && ShortExtension.size() < 3)
            ShortExtension += (char)toupper((unsigned char)C);
    return ShortExtension.empty() ? Short : Short + "." + ShortExtension;
}

}  // namespace sim

BOOL WINAPI CopyFileA(LPCSTR Existing, LPCSTR New, BOOL FailIfExists)
{
    if (Enter("CopyFileA", {(intptr_t)FailIfExists}, {Existing, New})) {
        M().lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    std::string From = HostPath(Existing), To = HostPath(New);
    std::string ToFull = FullPath(New);
    size_t Cut = ToFull.rfind('\\');
    std::string ToFolder = Cut == std::string::npos ? "" : HostPath(ToFull.substr(0, Cut + 1));
    if (From.empty() || !fs::is_regular_file(From)) {
        M().lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    if (To.empty() || ToFolder.empty() || !fs::is_directory(ToFolder)) {
        M().lastError = ERROR_PATH_NOT_FOUND;
        return FALSE;
    }
    if (fs::exists(To) && (FailIfExists || fs::is_directory(To) || fs::equivalent(From, To))) {
        M().lastError = fs::is_directory(To) ? ERROR_ACCESS_DENIED : 80;  // ERROR_FILE_EXISTS
        return FALSE;
    }
    std::error_code Error;
    fs::copy_file(From, To, fs::copy_options::overwrite_existing, Error);
    if (Error) {
        M().lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI DeleteFileA(LPCSTR File)
{
    if (Enter("DeleteFileA", {}, {File})) {
        M().lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    std::string Host = HostPath(File);
    if (Host.empty() || !fs::exists(Host)) {
        M().lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    if (fs::is_directory(Host)) {
        M().lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    std::error_code Error;
    fs::remove(Host, Error);
    return !Error;
}

DWORD WINAPI GetShortPathNameA(LPCSTR LongPath, LPSTR ShortPath, DWORD Size)
{
    if (Enter("GetShortPathNameA", {(intptr_t)Size}, {LongPath})) {
        M().lastError = ERROR_ACCESS_DENIED;
        return 0;
    }
    std::string Full = FullPath(LongPath);
    std::string Host = HostPath(LongPath);
    if (Full.empty() || Host.empty() || !fs::exists(Host)) {
        M().lastError = ERROR_FILE_NOT_FOUND;
        return 0;
    }
    // Drive and names of the path as given, each name replaced by its alias
    // (paths on a share are kept as they are).
    if (Full[0] == '\\') {
        if (Full.size() + 1 > Size)
            return (DWORD)Full.size() + 1;
        memcpy(ShortPath, Full.c_str(), Full.size() + 1);
        return (DWORD)Full.size();
    }
    std::string Result = Full.substr(0, 2);
    size_t Start = 3;
    while (Start < Full.size()) {
        size_t End = Full.find('\\', Start);
        if (End == std::string::npos)
            End = Full.size();
        Result += "\\" + ShortName(Full.substr(Start, End - Start));
        Start = End + 1;
    }
    if (Result.size() == 2)
        Result += "\\";
    if (Result.size() + 1 > Size)
        return (DWORD)Result.size() + 1;
    memcpy(ShortPath, Result.c_str(), Result.size() + 1);
    return (DWORD)Result.size();
}
