// Simulated SHELL32: copying and deleting file trees, special folders, item-id lists and
// the shell's allocator, the folder dialog.
#include "internal.h"
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {

struct Item {
    std::string path;  // empty: no file-system path
    bool released;
};

static std::vector<std::unique_ptr<Item>> Items;
static std::map<int, BrowseAnswer> Folders;  // csidl -> path, or virtual
static std::deque<BrowseAnswer> Answers;
static std::vector<ScriptedMessage> DialogMessages;
static std::vector<FileOperation> Operations;
static bool AbortNext;

void ResetShell()
{
    Items.clear();
    Folders.clear();
    Answers.clear();
    DialogMessages.clear();
    Operations.clear();
    AbortNext = false;
    SetSpecialFolder(CSIDL_FONTS, "C:\\WINDOWS\\Fonts");
    SetSpecialFolder(CSIDL_DESKTOP, "C:\\Users\\user\\Desktop");
    SetSpecialFolder(CSIDL_STARTMENU, "C:\\Users\\user\\Start Menu");
}

void CheckShellReleased()
{
    for (auto &I : Items)
        if (!I->released)
            Fault("an item-id list was not released");
}

void SetSpecialFolder(int Csidl, const std::string &Path)
{
    Folders[Csidl] = BrowseAnswer{BrowseAnswer::FOLDER, Path};
    MakeFolder(Path);
}
void RemoveSpecialFolder(int Csidl) { Folders.erase(Csidl); }
void MakeSpecialFolderVirtual(int Csidl) { Folders[Csidl] = BrowseAnswer{BrowseAnswer::VIRTUAL, ""}; }

BrowseAnswer Choose(const std::string &Path) { return {BrowseAnswer::FOLDER, Path}; }
BrowseAnswer Cancel() { return {BrowseAnswer::CANCEL, ""}; }
BrowseAnswer ChooseVirtual() { return {BrowseAnswer::VIRTUAL, ""}; }
void ScriptBrowse(const std::vector<BrowseAnswer> &Given) { Answers.assign(Given.begin(), Given.end()); }
void DuringShellDialog(const std::vector<ScriptedMessage> &Messages) { DialogMessages = Messages; }
void AbortNextFileOperation() { AbortNext = true; }
std::vector<FileOperation> FileOperations() { return Operations; }

static LPITEMIDLIST NewItem(const std::string &Path)
{
    Items.push_back(std::make_unique<Item>(Item{Path, false}));
    return (LPITEMIDLIST)Items.back().get();
}

static Item *FindItem(const void *List)
{
    for (auto &I : Items)
        if (I.get() == List)
            return I.get();
    return nullptr;
}

static void RunDialogMessages(HWND Owner)
{
    if (!Owner)
        return;
    std::vector<ScriptedMessage> Messages;
    Messages.swap(DialogMessages);
    for (const ScriptedMessage &M : Messages)
        DispatchTo(Owner, M);
}

static std::vector<std::string> List(LPCSTR Names)
{
    std::vector<std::string> Result;
    if (!Names)
        return Result;
    for (const char *P = Names; *P; P += strlen(P) + 1)
        Result.push_back(P);
    return Result;
}

static bool CopyTree(const fs::path &From, const fs::path &To)
{
    std::error_code Error;
    if (fs::is_directory(From)) {
        fs::create_directories(To, Error);
        for (const auto &Entry : fs::directory_iterator(From, Error)) {
            std::string Name = Entry.path().filename().string();
            // Merge into an existing entry of the same name in any letter case.
            fs::path Target = To / Name;
            for (const auto &Existing : fs::directory_iterator(To, Error))
                if (Lower(Existing.path().filename().string()) == Lower(Name))
                    Target = Existing.path();
            if (!CopyTree(Entry.path(), Target))
                return false;
        }
        return true;
    }
    fs::copy_file(From, To, fs::copy_options::overwrite_existing, Error);
    return !Error;
}

static int Copy(const std::vector<std::string> &From, const std::string &To)
{
    std::string Target = HostPath(To);
    if (Target.empty())
        return ERROR_PATH_NOT_FOUND;
    std::error_code Error;
    fs::create_directories(Target, Error);  // FOF_NOCONFIRMMKDIR
    if (Error)
        return ERROR_ACCESS_DENIED;
    for (const std::string &Source : From) {
        std::string Full = FullPath(Source);
        size_t Cut = Full.rfind('\\');
        std::string Folder = HostPath(Full.substr(0, Cut + 1)), Pattern = Full.substr(Cut + 1);
        // Like Wine and Windows NT 4, a pattern that matches nothing, even in
        // a folder that does not exist, is reported as success.
        if (Folder.empty() || !fs::is_directory(Folder))
            continue;
        for (const auto &Entry : fs::directory_iterator(Folder, Error)) {
            std::string Name = Entry.path().filename().string();
            if (MatchName(Pattern, Name) && !CopyTree(Entry.path(), fs::path(Target) / Name))
                return ERROR_ACCESS_DENIED;
        }
    }
    return 0;
}

// Deletes a file, or a folder with all in it; a folder that is the current
// directory, or holds it, stays (emptied of everything else), as Windows
// keeps it. Returns false when something stayed.
static bool RemoveTree(const std::string &Windows, const fs::path &Host)
{
    std::error_code Error;
    if (!fs::is_directory(Host))
        return fs::remove(Host, Error) && !Error;
    if (!HoldsCurrentDirectory(Windows))
        return fs::remove_all(Host, Error) != (std::uintmax_t)-1 && !Error;
    std::vector<fs::path> Entries;
    for (const auto &Entry : fs::directory_iterator(Host, Error))
        Entries.push_back(Entry.path());
    for (const fs::path &Entry : Entries)
        RemoveTree(Windows + "\\" + Entry.filename().string(), Entry);
    return false;
}

static int Delete(const std::vector<std::string> &Names)
{
    int Result = 0;
    for (const std::string &Name : Names) {
        std::string Full = FullPath(Name);
        size_t Cut = Full.rfind('\\');
        if (Full.empty() || Cut == std::string::npos) {
            Result = ERROR_FILE_NOT_FOUND;
            continue;
        }
        std::string Folder = Full.substr(0, Cut), Pattern = Full.substr(Cut + 1);
        std::vector<std::string> Matches;
        if (Pattern.find_first_of("*?") == std::string::npos) {
            if (!HostPath(Full).empty() && fs::exists(HostPath(Full)))
                Matches.push_back(Full);
        } else {
            std::string Host = HostPath(Folder + "\\");
            std::error_code Error;
            if (!Host.empty() && fs::is_directory(Host))
                for (const auto &Entry : fs::directory_iterator(Host, Error))
                    if (MatchName(Pattern, Entry.path().filename().string()))
                        Matches.push_back(Folder + "\\" + Entry.path().filename().string());
        }
        if (Matches.empty())
            Result = ERROR_FILE_NOT_FOUND;
        for (const std::string &Match : Matches)
            if (!RemoveTree(Match, HostPath(Match)))
                Result = ERROR_SHARING_VIOLATION;
    }
    return Result;
}

}  // namespace sim

using namespace sim;

int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA Operation)
{
    FileOperation Record{Operation->hwnd, Operation->wFunc, List(Operation->pFrom), List(Operation->pTo),
                         Operation->fFlags, 0};
    bool Failing = Enter("SHFileOperationA",
                         {(intptr_t)Operation->hwnd, (intptr_t)Operation->wFunc, (intptr_t)Operation->fFlags,
                          (intptr_t)Operation->fAnyOperationsAborted, (intptr_t)Operation->hNameMappings,
                          (intptr_t)Operation->lpszProgressTitle},
                         {Record.from.empty() ? "" : Record.from[0], Record.to.empty() ? "" : Record.to[0]});
    RunDialogMessages(Operation->hwnd);
    int Result;
    if (Failing) {
        Result = ERROR_ACCESS_DENIED;
    } else if (AbortNext) {
        AbortNext = false;
        Operation->fAnyOperationsAborted = TRUE;
        Result = 0;
    } else if (Operation->wFunc == FO_COPY && !Record.to.empty()) {
        Result = Copy(Record.from, Record.to[0]);
    } else if (Operation->wFunc == FO_DELETE) {
        Result = Delete(Record.from);
    } else {
        Fault("SHFileOperationA: operation not simulated");
        Result = ERROR_ACCESS_DENIED;
    }
    Record.result = Result;
    Operations.push_back(Record);
    return Result;
}

HRESULT WINAPI SHGetSpecialFolderLocation(HWND Owner, int Folder, LPITEMIDLIST *Result)
{
    if (Enter("SHGetSpecialFolderLocation", {(intptr_t)Owner, Folder}))
        return E_FAIL;
    auto Found = Folders.find(Folder);
    if (Found == Folders.end()) {
        *Result = NULL;
        return E_FAIL;
    }
    *Result = NewItem(Found->second.path);
    return S_OK;
}

BOOL WINAPI SHGetPathFromIDListA(LPCITEMIDLIST List, LPSTR Path)
{
    Enter("SHGetPathFromIDListA");
    Item *I = FindItem(List);
    if (!I || I->released) {
        Fault("SHGetPathFromIDListA on a list that is not the shell's");
        Path[0] = 0;
        return FALSE;
    }
    // Writes as much as the system does: up to MAX_PATH bytes.
    std::string Text = I->path.substr(0, MAX_PATH - 1);
    memcpy(Path, Text.c_str(), Text.size() + 1);
    return !Text.empty();
}

LPITEMIDLIST WINAPI SHBrowseForFolderA(LPBROWSEINFOA Browse)
{
    Enter("SHBrowseForFolderA",
          {(intptr_t)Browse->hwndOwner, (intptr_t)Browse->pidlRoot, (intptr_t)Browse->pszDisplayName,
           (intptr_t)Browse->lpszTitle, (intptr_t)Browse->ulFlags, (intptr_t)Browse->lpfn, (intptr_t)Browse->lParam});
    RunDialogMessages(Browse->hwndOwner);
    if (Answers.empty()) {
        Fault("SHBrowseForFolderA: no scripted answer");
        return NULL;
    }
    BrowseAnswer Answer = Answers.front();
    Answers.pop_front();
    if (Answer.kind == BrowseAnswer::CANCEL)
        return NULL;
    return NewItem(Answer.path);
}

namespace sim {

struct Allocator : IMalloc {
    HRESULT STDMETHODCALLTYPE QueryInterface(const void *, void **) override { return E_FAIL; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        if (references == 0)
            Fault("IMalloc released more often than obtained");
        return references ? --references : 0;
    }
    void *STDMETHODCALLTYPE Alloc(SIZE_T) override { return nullptr; }
    void *STDMETHODCALLTYPE Realloc(void *, SIZE_T) override { return nullptr; }
    void STDMETHODCALLTYPE Free(void *Block) override
    {
        Enter("IMalloc::Free");
        Item *I = FindItem(Block);
        if (!I || I->released)
            Fault("IMalloc::Free of a block the shell did not give or gave back already");
        else
            I->released = true;
    }
    SIZE_T STDMETHODCALLTYPE GetSize(void *) override { return 0; }
    int STDMETHODCALLTYPE DidAlloc(void *Block) override { return FindItem(Block) != nullptr; }
    void STDMETHODCALLTYPE HeapMinimize() override {}
    ULONG references = 0;
};

static Allocator TheAllocator;

}  // namespace sim

HRESULT WINAPI SHGetMalloc(LPMALLOC *Result)
{
    Enter("SHGetMalloc");
    TheAllocator.AddRef();
    *Result = &TheAllocator;
    return S_OK;
}
