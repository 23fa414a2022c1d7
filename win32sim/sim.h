// The test side of the simulated Win32: set up the machine, script the user,
// read back what the program did.
#ifndef WIN32SIM_SIM_H
#define WIN32SIM_SIM_H

#include "windows.h"
#include "shell.h"
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
DWORD Now();
// The program ends and starts again on the same machine: its windows,
// classes and queue go; files, registry and the call log stay.
void NewProcess();  // the virtual clock, in milliseconds; only Sleep moves it

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
void Remove(const std::string &Path);  // a file, or a folder with all in it
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

// Version: the Windows NT family by default, or Windows 95
void SetWindows95(bool Windows95);

// Processes started: WinExec's result (above 31 is a start)
void SetWinExecResult(UINT Result);

// Shell special folders: each has a path by default (Fonts C:\WINDOWS\Fonts,
// desktop and Start menu under C:\Users\user); a folder can be missing
// (the location fails) or virtual (a location without a file-system path).
void SetSpecialFolder(int Csidl, const std::string &Path);
void RemoveSpecialFolder(int Csidl);
void MakeSpecialFolderVirtual(int Csidl);

// The folder dialog's answers, one per call: a folder path, cancel, or an
// item without a file-system path. Running out is a fault (and a cancel).
struct BrowseAnswer { enum Kind { FOLDER, CANCEL, VIRTUAL } kind; std::string path; };
BrowseAnswer Choose(const std::string &Path);
BrowseAnswer Cancel();
BrowseAnswer ChooseVirtual();
void ScriptBrowse(const std::vector<BrowseAnswer> &Answers);

// Messages the shell's dialogs dispatch to their owner while they are open:
// delivered inside the next shell call that has an owner window.
void DuringShellDialog(const std::vector<ScriptedMessage> &Messages);
// The next file operation stops as if the user cancelled its progress
// dialog: nothing copied, result 0, fAnyOperationsAborted set.
void AbortNextFileOperation();

struct FileOperation { HWND owner; UINT function; std::vector<std::string> from, to; FILEOP_FLAGS flags; int result; };
std::vector<FileOperation> FileOperations();

// Message boxes: each box shown takes the next scripted answer (IDYES, IDNO,
// IDOK, or 0 for a box that failed to show). Running out is a fault, and 0.
void AnswerBoxes(const std::vector<int> &Answers);
struct MessageBoxShown { HWND owner; std::string text, caption; UINT flags; int answer; };
std::vector<MessageBoxShown> MessageBoxes();

// The temporary folder as GetTempPathA reports it; C:\WINDOWS\TEMP\ by
// default, made by Reset. An empty path makes the call fail (result 0).
void SetTempPath(const std::string &Path);

// A double-byte ANSI code page (Shift-JIS lead bytes 0x81-0x9F, 0xE0-0xFC)
// instead of the default single-byte one.
void SetDoubleByteCodePage(bool DoubleByte);

// RegDeleteKeyA deletes whole subtrees, as Windows 95 does; by default it
// deletes only keys without subkeys, as Windows NT does.
void SetSubtreeKeyDeletion(bool WholeSubtree);

// What WritePrivateProfileStringA left: the value of Key in Section of the
// file (a bare file name lies in the Windows folder); exists false if none.
Value ProfileString(const std::string &File, const std::string &Section, const std::string &Key);

}  // namespace sim

#endif
