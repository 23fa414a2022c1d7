// State of the simulated machine shared by the simulation's own files.
#ifndef WIN32SIM_INTERNAL_H
#define WIN32SIM_INTERNAL_H

#include "sim.h"
#include <deque>
#include <map>
#include <memory>

namespace sim {

// Returns true when the call should fail by FailCall, and logs the call.
bool Enter(const std::string &Name, std::vector<intptr_t> Numbers = {},
           std::vector<std::string> Texts = {});
void Fault(const std::string &What);
std::string Lower(const std::string &Text);

// Files
std::string HostPath(const std::string &WindowsPath);  // "" when unresolvable
std::string FullPath(const std::string &WindowsPath);  // absolute, backslashes
std::string HostRoot();
void ResetFiles();

struct SimWindow {
    std::string className, title;
    WNDPROC proc;
    DWORD exStyle, style;
    int x, y, width, height;
    bool visible, needsPaint, destroyed, foreign, painting;
    int quitDelay;       // foreign windows: ms after WM_QUIT, negative never
    DWORD quitAt;        // foreign windows: when it goes; 0 not yet asked
    bool quitAsked;
};

struct Machine {
    int screenWidth = 640, screenHeight = 480;
    std::string programPath = "C:\\setup.exe";
    std::vector<char> commandLine;
    bool hasShow = false;
    WORD show = 0;
    DWORD clock = 0;
    DWORD lastError = 0;
    std::vector<std::string> faults;
    std::vector<Call> calls;
    std::map<std::string, std::vector<int>> failures;  // function -> Nth calls
    std::map<std::string, int> counts;
    std::deque<ScriptedMessage> script;
    std::vector<std::unique_ptr<SimWindow>> windows;
    std::map<std::string, WNDCLASSEXA> classes;
    std::map<std::string, std::string> classNames;  // keeps lpszClassName alive
    std::deque<MSG> queue;
    std::vector<Post> posts;
    std::string currentDirectory = "C:\\";
    bool windows95 = false;
    UINT winExecResult = 33;
    std::string tempPath = "C:\\WINDOWS\\TEMP\\";
    bool doubleByte = false;
    std::deque<int> boxAnswers;
    std::vector<MessageBoxShown> boxes;
    std::map<std::string, std::string> profile;  // lower "file|section|key" -> value
};
Machine &M();

void ResetGdi();
void ResetShell();
void CheckShellReleased();
void CheckFilesReleased();
// Delivers a scripted message to the window procedure of one of the
// program's windows, as a dialog's own message loop would.
void DispatchTo(HWND Window, const ScriptedMessage &Message);
// Matches a file name against a pattern of * and ?, without regard to case;
// "*.*" matches every name, with or without a dot.
bool MatchName(const std::string &Pattern, const std::string &Name);
void CheckGdiReleased();
void ResetRegistry();
// True when Path is the current directory or a folder above it: Windows
// removes no folder that is a process's current directory.
bool HoldsCurrentDirectory(const std::string &Path);
void CheckRegistryReleased();

}  // namespace sim

#endif
