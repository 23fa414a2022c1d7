// The simulated machine's common state: reset, faults, call log, injection.
#include "internal.h"
#include <algorithm>

namespace sim {

static Machine *TheMachine = new Machine;

Machine &M() { return *TheMachine; }

void Reset()
{
    delete TheMachine;
    TheMachine = new Machine;
    SetCommandLine("setup.exe");
    ResetFiles();
    ResetGdi();
    ResetRegistry();
    ResetShell();
    MakeFolder("C:\\WINDOWS\\TEMP");
}

std::vector<std::string> &Faults() { return M().faults; }

void Fault(const std::string &What) { M().faults.push_back(What); }

void CheckReleased()
{
    CheckGdiReleased();
    CheckRegistryReleased();
    CheckShellReleased();
    CheckFilesReleased();
}

void SetWindows95(bool Windows95) { M().windows95 = Windows95; }
void SetWinExecResult(UINT Result) { M().winExecResult = Result; }

void FailCall(const std::string &Function, int Nth) { M().failures[Function].push_back(Nth); }

bool Enter(const std::string &Name, std::vector<intptr_t> Numbers, std::vector<std::string> Texts)
{
    M().calls.push_back(Call{Name, std::move(Numbers), std::move(Texts)});
    int Count = ++M().counts[Name];
    auto Found = M().failures.find(Name);
    if (Found == M().failures.end())
        return false;
    auto &List = Found->second;
    auto Hit = std::find(List.begin(), List.end(), Count);
    if (Hit == List.end())
        return false;
    List.erase(Hit);
    return true;
}

const std::vector<Call> &Calls() { return M().calls; }

std::vector<Call> CallsNamed(const std::string &Name)
{
    std::vector<Call> Result;
    for (const Call &C : M().calls)
        if (C.name == Name)
            Result.push_back(C);
    return Result;
}

int CountCalls(const std::string &Name) { return (int)CallsNamed(Name).size(); }

std::string Lower(const std::string &Text)
{
    std::string Result = Text;
    for (char &C : Result)
        if (C >= 'A' && C <= 'Z')
            C = (char)(C + 32);
    return Result;
}

void SetScreenSize(int Width, int Height)
{
    M().screenWidth = Width;
    M().screenHeight = Height;
}

void SetProgramPath(const std::string &Path) { M().programPath = Path; }

void SetCommandLine(const std::string &CommandLine)
{
    M().commandLine.assign(CommandLine.begin(), CommandLine.end());
    M().commandLine.push_back(0);
}

void SetStartupShow(bool HasShow, WORD Show)
{
    M().hasShow = HasShow;
    M().show = Show;
}

DWORD Now() { return M().clock; }

void NewProcess()
{
    auto &Windows = M().windows;
    for (auto W = Windows.begin(); W != Windows.end();)
        W = (*W)->foreign ? W + 1 : Windows.erase(W);
    M().classes.clear();
    M().classNames.clear();
    M().queue.clear();
}

}  // namespace sim
