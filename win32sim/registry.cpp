// Simulated ADVAPI32 registry: a tree of keys with classes and typed values
// of exact byte sizes. Names match without regard to letter case.
#include "internal.h"
#include <algorithm>

namespace sim {

struct Key {
    std::string name, keyClass;
    bool denyFullAccess = false;
    std::map<std::string, std::pair<std::string, Value>> values;  // lower name -> (name, value)
    std::map<std::string, std::unique_ptr<Key>> subkeys;            // lower name -> key
};

static std::map<uintptr_t, std::unique_ptr<Key>> Roots;
static std::map<HKEY, Key *> Handles;  // open keys; null once the key was deleted
static uintptr_t NextHandle;
static bool WholeSubtree;

void SetSubtreeKeyDeletion(bool Whole) { WholeSubtree = Whole; }

// Handles into a deleted key, or below it, stay open but name nothing.
static void ForgetHandlesInto(Key *Deleted)
{
    std::vector<Key *> Gone{Deleted};
    for (size_t I = 0; I < Gone.size(); I++)
        for (auto &Sub : Gone[I]->subkeys)
            Gone.push_back(Sub.second.get());
    for (auto &Open : Handles)
        if (std::find(Gone.begin(), Gone.end(), Open.second) != Gone.end())
            Open.second = nullptr;
}

void ResetRegistry()
{
    Roots.clear();
    Handles.clear();
    NextHandle = 0x1000;
    WholeSubtree = false;
    for (uintptr_t R : {0x80000000u, 0x80000001u, 0x80000002u})
        Roots[R] = std::make_unique<Key>();
}

void CheckRegistryReleased()
{
    if (!Handles.empty())
        Fault("a registry key was not closed");
}

static Key *Resolve(HKEY Handle)
{
    auto Root = Roots.find((uintptr_t)Handle);
    if (Root != Roots.end())
        return Root->second.get();
    auto Open = Handles.find(Handle);
    return Open == Handles.end() ? nullptr : Open->second;
}

static std::vector<std::string> Names(const std::string &Path)
{
    std::vector<std::string> Result;
    std::string Name;
    for (size_t I = 0; I <= Path.size(); I++) {
        if (I == Path.size() || Path[I] == '\\') {
            if (!Name.empty())
                Result.push_back(Name);
            Name.clear();
        } else {
            Name += Path[I];
        }
    }
    return Result;
}

static Key *Walk(Key *From, const std::string &Path, bool Create, const std::string &Class = "")
{
    Key *K = From;
    for (const std::string &Name : Names(Path)) {
        auto &Slot = K->subkeys[Lower(Name)];
        if (!Slot) {
            if (!Create) {
                K->subkeys.erase(Lower(Name));
                return nullptr;
            }
            Slot = std::make_unique<Key>();
            Slot->name = Name;
            Slot->keyClass = Class;
        }
        K = Slot.get();
    }
    return K;
}

bool KeyExists(HKEY Root, const std::string &Path) { return Walk(Resolve(Root), Path, false) != nullptr; }

Value GetValue(HKEY Root, const std::string &Path, const std::string &Name)
{
    Key *K = Walk(Resolve(Root), Path, false);
    if (!K || !K->values.count(Lower(Name)))
        return Value{false, 0, ""};
    return K->values[Lower(Name)].second;
}

void PutValue(HKEY Root, const std::string &Path, const std::string &Name, DWORD Type, const std::string &Data)
{
    Walk(Resolve(Root), Path, true)->values[Lower(Name)] = {Name, Value{true, Type, Data}};
}

void DenyFullAccess(HKEY Root, const std::string &Path) { Walk(Resolve(Root), Path, true)->denyFullAccess = true; }

std::vector<std::string> ValueNames(HKEY Root, const std::string &Path)
{
    std::vector<std::string> Result;
    Key *K = Walk(Resolve(Root), Path, false);
    if (K)
        for (auto &V : K->values)
            Result.push_back(V.second.first);
    return Result;
}

}  // namespace sim

using namespace sim;

LONG WINAPI RegCreateKeyExA(HKEY Parent, LPCSTR SubKey, DWORD Reserved, LPSTR Class, DWORD Options,
                            REGSAM Access, LPSECURITY_ATTRIBUTES Security, PHKEY Result,
                            LPDWORD Disposition)
{
    if (Enter("RegCreateKeyExA", {(intptr_t)Parent, (intptr_t)Reserved, (intptr_t)Options, (intptr_t)Access, (intptr_t)Security},
              {SubKey ? SubKey : "", Class ? Class : ""}))
        return ERROR_ACCESS_DENIED;
    Key *From = Resolve(Parent);
    if (!From)
        return Handles.count(Parent) ? ERROR_KEY_DELETED : ERROR_INVALID_HANDLE;
    Key *Existing = Walk(From, SubKey ? SubKey : "", false);
    Key *K = Existing ? Existing : Walk(From, SubKey ? SubKey : "", true, Class ? Class : "");
    if (K->denyFullAccess && (Access & KEY_ALL_ACCESS) == KEY_ALL_ACCESS)
        return ERROR_ACCESS_DENIED;
    HKEY Handle = (HKEY)NextHandle;
    NextHandle += 4;
    Handles[Handle] = K;
    *Result = Handle;
    if (Disposition)
        *Disposition = Existing ? 2 : 1;  // REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY
    return ERROR_SUCCESS;
}

LONG WINAPI RegSetValueExA(HKEY Handle, LPCSTR Name, DWORD Reserved, DWORD Type, const BYTE *Data, DWORD Size)
{
    if (Enter("RegSetValueExA", {(intptr_t)Handle, (intptr_t)Reserved, (intptr_t)Type, (intptr_t)Size},
              {Name ? Name : "", std::string((const char *)Data, Size)}))
        return ERROR_ACCESS_DENIED;
    if (!Handles.count(Handle))
        return ERROR_INVALID_HANDLE;
    Key *K = Handles[Handle];
    if (!K)
        return ERROR_KEY_DELETED;
    std::string ValueName = Name ? Name : "";
    K->values[Lower(ValueName)] = {ValueName, Value{true, Type, std::string((const char *)Data, Size)}};
    return ERROR_SUCCESS;
}

LONG WINAPI RegDeleteKeyA(HKEY Handle, LPCSTR SubKey)
{
    if (Enter("RegDeleteKeyA", {(intptr_t)Handle}, {SubKey ? SubKey : ""}))
        return ERROR_ACCESS_DENIED;
    Key *Parent = Resolve(Handle);
    if (!Parent)
        return Handles.count(Handle) ? ERROR_KEY_DELETED : ERROR_INVALID_HANDLE;
    std::vector<std::string> Path = Names(SubKey ? SubKey : "");
    if (Path.empty())
        return ERROR_ACCESS_DENIED;
    std::string Last = Path.back();
    Path.pop_back();
    for (const std::string &Name : Path) {
        auto Found = Parent->subkeys.find(Lower(Name));
        if (Found == Parent->subkeys.end())
            return ERROR_FILE_NOT_FOUND;
        Parent = Found->second.get();
    }
    auto Found = Parent->subkeys.find(Lower(Last));
    if (Found == Parent->subkeys.end())
        return ERROR_FILE_NOT_FOUND;
    // Windows NT deletes only keys without subkeys; Windows 95 takes the
    // whole subtree.
    if (!WholeSubtree && !Found->second->subkeys.empty())
        return ERROR_ACCESS_DENIED;
    ForgetHandlesInto(Found->second.get());
    Parent->subkeys.erase(Found);
    return ERROR_SUCCESS;
}

LONG WINAPI RegCloseKey(HKEY Handle)
{
    Enter("RegCloseKey", {(intptr_t)Handle});
    if (Roots.count((uintptr_t)Handle))
        return ERROR_SUCCESS;
    if (!Handles.erase(Handle))
        return ERROR_INVALID_HANDLE;
    return ERROR_SUCCESS;
}
