// The test side of the simulated Win32: set up the machine, script the user,
// read back what the program did.
#ifndef WIN32SIM_SIM_H
#define WIN32SIM_SIM_H

#include "windows.h"
#include <string>
#include <vector>

namespace sim {

// Restores the default machine: 640 x 480 screen, drive C with an empty
// root as current directory, no windows, no registry keys, clock at 0.
void Reset();

// Misuse and leaks the simulation noticed, and scripts that ran out.
std::vector<std::string> &Faults();
// Adds a fault for each drawing context, key or search still open.
void CheckReleased();

// Fault injection: the Nth call (from 1) of the named function fails, once.
void FailCall(const std::string &Function, int Nth = 1);

// A log of the calls the program made, in order, by name with their
// arguments as numbers and texts.
struct Call {
    std::string name;
    std::vector<intptr_t> numbers;
    std::vector<std::string> texts;
};
const std::vector<Call> &Calls();
std::vector<Call> CallsNamed(const std::string &Name);
int CountCalls(const std::string &Name);

// Machine
void SetScreenSize(int Width, int Height);
void SetProgramPath(const std::string &Path);
void SetCommandLine(const std::string &CommandLine);
void SetStartupShow(bool HasShow, WORD Show);
DWORD Now();  // the virtual clock, in milliseconds; only Sleep moves it

// The program ended through ExitProcess; thrown out of the program's code.
struct ProcessExit { UINT code; };

// The user: messages delivered to the program's first window, one by one,
// each time its queue is empty. A script that runs out is a fault.
struct ScriptedMessage { UINT message; WPARAM wParam; LPARAM lParam; };
ScriptedMessage Move(int X, int Y);
ScriptedMessage Release();
ScriptedMessage Close();
void Script(const std::vector<ScriptedMessage> &Messages);

// Another program's window of class "ZEM" that quits QuitDelayMs after it
// is posted WM_QUIT (never when negative).
HWND StartProduct(int QuitDelayMs);
struct Post { HWND window; UINT message; WPARAM wParam; LPARAM lParam; };
std::vector<Post> PostsTo(HWND Window);

// Windows of the program
struct WindowInfo {
    bool exists;
    std::string className, title;
    DWORD exStyle, style;
    int x, y, width, height;
    bool visible;
};
WindowInfo Window(HWND Window);
const WNDCLASSEXA *RegisteredClass(const std::string &Name);

// Drawing
struct Blit {
    bool toWindow;
    int x, y, width, height, sourceX, sourceY;
    DWORD rop;
    HBITMAP picture;  // selected into the source context at the time
};
std::vector<Blit> Blits();
struct TextDraw {
    std::string text;
    int length;
    RECT area;
    UINT format;
    HFONT font;
    int backgroundMode;
    COLORREF color;
};
std::vector<TextDraw> Texts();
void ClearDrawing();  // forgets blits and texts drawn so far
bool IsDeleted(HGDIOBJ Object);

// Files, under drive letters, kept in a temporary folder of the host
void WriteFile(const std::string &Path, const std::string &Bytes);
void MakeFolder(const std::string &Path);
bool FileExists(const std::string &Path);
bool FolderExists(const std::string &Path);
std::string ReadFile(const std::string &Path);
std::string CurrentDirectory();
void SetCurrentDirectory(const std::string &Path);  // as the process starts, not logged

// Registry
struct Value { bool exists; DWORD type; std::string data; };
bool KeyExists(HKEY Root, const std::string &Path);
Value GetValue(HKEY Root, const std::string &Path, const std::string &Name);
void PutValue(HKEY Root, const std::string &Path, const std::string &Name, DWORD Type, const std::string &Data);
void DenyFullAccess(HKEY Root, const std::string &Path);
std::vector<std::string> ValueNames(HKEY Root, const std::string &Path);

}  // namespace sim

#endif
