// Simulated USER32 windows and messages: window classes, one queue fed by the
// test's script, painting requests, other programs' windows.
#include "internal.h"

using namespace sim;

namespace sim {

static SimWindow *Find(HWND Handle)
{
    for (auto &W : M().windows)
        if ((HWND)W.get() == Handle)
            return W.get();
    return nullptr;
}

static bool Alive(SimWindow *W)
{
    if (W->destroyed)
        return false;
    if (W->foreign && W->quitAsked && W->quitDelay >= 0 && M().clock >= W->quitAt)
        W->destroyed = true;
    return !W->destroyed;
}

static SimWindow *FirstOwnWindow()
{
    for (auto &W : M().windows)
        if (!W->foreign && !W->destroyed)
            return W.get();
    return nullptr;
}

ScriptedMessage Move(int X, int Y) { return {WM_MOUSEMOVE, 0, MAKELPARAM(X, Y)}; }
ScriptedMessage Release() { return {WM_LBUTTONUP, 0, 0}; }
ScriptedMessage Close() { return {WM_CLOSE, 0, 0}; }

void AnswerBoxes(const std::vector<int> &Answers) { M().boxAnswers.assign(Answers.begin(), Answers.end()); }
std::vector<MessageBoxShown> MessageBoxes() { return M().boxes; }

void Script(const std::vector<ScriptedMessage> &Messages)
{
    M().script.assign(Messages.begin(), Messages.end());
}

HWND StartProduct(int QuitDelayMs)
{
    auto W = std::make_unique<SimWindow>();
    W->className = "ZEM";
    W->title = "ZEM";
    W->foreign = true;
    W->quitDelay = QuitDelayMs;
    HWND Handle = (HWND)W.get();
    M().windows.push_back(std::move(W));
    return Handle;
}

std::vector<Post> PostsTo(HWND Window)
{
    std::vector<Post> Result;
    for (const Post &P : M().posts)
        if (P.window == Window)
            Result.push_back(P);
    return Result;
}

WindowInfo Window(HWND Handle)
{
    SimWindow *W = Find(Handle);
    if (!W || W->destroyed)
        return WindowInfo{};
    return WindowInfo{true, W->className, W->title, W->exStyle, W->style,
                      W->x, W->y, W->width, W->height, W->visible};
}

const WNDCLASSEXA *RegisteredClass(const std::string &Name)
{
    auto Found = M().classes.find(Lower(Name));
    return Found == M().classes.end() ? nullptr : &Found->second;
}

bool IsPainting(HWND Handle)
{
    SimWindow *W = Find(Handle);
    return W && W->painting;
}

void SetPainting(HWND Handle, bool Painting)
{
    SimWindow *W = Find(Handle);
    if (!W)
        return;
    W->painting = Painting;
    if (Painting)
        W->needsPaint = false;
}

bool IsOwnWindow(HWND Handle)
{
    SimWindow *W = Find(Handle);
    return W && !W->foreign && !W->destroyed;
}

void DispatchTo(HWND Handle, const ScriptedMessage &Message)
{
    SimWindow *W = Find(Handle);
    if (W && !W->foreign && !W->destroyed)
        W->proc(Handle, Message.message, Message.wParam, Message.lParam);
}

}  // namespace sim

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *Class)
{
    if (Enter("RegisterClassExA", {(intptr_t)Class->cbSize}, {Class->lpszClassName}))
        return 0;
    if (Class->cbSize != sizeof(WNDCLASSEXA))
        return 0;
    std::string Key = Lower(Class->lpszClassName);
    if (M().classes.count(Key))
        return 0;
    M().classNames[Key] = Class->lpszClassName;
    WNDCLASSEXA Copy = *Class;
    Copy.lpszClassName = M().classNames[Key].c_str();
    Copy.lpszMenuName = NULL;
    M().classes[Key] = Copy;
    return (ATOM)(0xC000 + M().classes.size());
}

HWND WINAPI CreateWindowExA(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style,
                            int X, int Y, int Width, int Height, HWND Parent, HMENU Menu,
                            HINSTANCE Instance, LPVOID Param)
{
    if (Enter("CreateWindowExA",
              {(intptr_t)ExStyle, (intptr_t)Style, X, Y, Width, Height, (intptr_t)Parent,
               (intptr_t)Menu, (intptr_t)Instance, (intptr_t)Param},
              {ClassName, WindowName ? WindowName : ""}))
        return NULL;
    const WNDCLASSEXA *Class = RegisteredClass(ClassName);
    if (!Class)
        return NULL;
    auto W = std::make_unique<SimWindow>();
    W->className = ClassName;
    W->title = WindowName ? WindowName : "";
    W->proc = Class->lpfnWndProc;
    W->exStyle = ExStyle;
    W->style = Style;
    W->x = X;
    W->y = Y;
    W->width = Width;
    W->height = Height;
    HWND Handle = (HWND)W.get();
    M().windows.push_back(std::move(W));
    return Handle;
}

HICON WINAPI LoadIconA(HINSTANCE Instance, LPCSTR Name)
{
    Enter("LoadIconA", {(intptr_t)Instance, (intptr_t)Name});
    static int Icons;
    return (HICON)(intptr_t)(0x10000 + ++Icons);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE Instance, LPCSTR Name)
{
    Enter("LoadCursorA", {(intptr_t)Instance, (intptr_t)Name});
    return (HCURSOR)(intptr_t)0x20001;
}

int WINAPI GetSystemMetrics(int Index)
{
    Enter("GetSystemMetrics", {Index});
    if (Index == SM_CXSCREEN)
        return M().screenWidth;
    if (Index == SM_CYSCREEN)
        return M().screenHeight;
    return 0;
}

BOOL WINAPI ShowWindow(HWND Handle, int Show)
{
    Enter("ShowWindow", {(intptr_t)Handle, Show});
    SimWindow *W = Find(Handle);
    if (!W)
        return FALSE;
    BOOL WasVisible = W->visible;
    if (!W->visible) {
        W->visible = true;
        W->needsPaint = true;
    }
    return WasVisible;
}

static LRESULT SendTo(SimWindow *W, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return W->proc((HWND)W, Message, WParam, LParam);
}

BOOL WINAPI UpdateWindow(HWND Handle)
{
    Enter("UpdateWindow", {(intptr_t)Handle});
    SimWindow *W = Find(Handle);
    if (!W || W->foreign)
        return FALSE;
    if (W->visible && W->needsPaint)
        SendTo(W, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND Handle)
{
    Enter("DestroyWindow", {(intptr_t)Handle});
    SimWindow *W = Find(Handle);
    if (!W || W->destroyed || W->foreign)
        return FALSE;
    W->visible = false;
    SendTo(W, WM_DESTROY, 0, 0);
    W->destroyed = true;
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG Message, HWND Window, UINT First, UINT Last)
{
    Enter("GetMessageA", {(intptr_t)Window, (intptr_t)First, (intptr_t)Last});
    memset(Message, 0, sizeof *Message);
    for (;;) {
        if (!M().queue.empty()) {
            *Message = M().queue.front();
            M().queue.pop_front();
            return Message->message != WM_QUIT;
        }
        // As on Windows, a window that needs painting gets WM_PAINT once the
        // queue is empty.
        for (auto &W : M().windows) {
            if (!W->foreign && !W->destroyed && W->visible && W->needsPaint) {
                Message->hwnd = (HWND)W.get();
                Message->message = WM_PAINT;
                return TRUE;
            }
        }
        SimWindow *Target = FirstOwnWindow();
        if (M().script.empty() || !Target) {
            Fault("GetMessageA: the script ran out before the program quit");
            Message->message = WM_QUIT;
            return FALSE;
        }
        ScriptedMessage Next = M().script.front();
        M().script.pop_front();
        MSG Queued = {};
        Queued.hwnd = (HWND)Target;
        Queued.message = Next.message;
        Queued.wParam = Next.wParam;
        Queued.lParam = Next.lParam;
        Queued.time = M().clock;
        M().queue.push_back(Queued);
    }
}

BOOL WINAPI TranslateMessage(const MSG *Message)
{
    Enter("TranslateMessage", {(intptr_t)Message->message});
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG *Message)
{
    Enter("DispatchMessageA", {(intptr_t)Message->message});
    SimWindow *W = Find(Message->hwnd);
    if (!W || W->destroyed || W->foreign)
        return 0;
    LRESULT Result = SendTo(W, Message->message, Message->wParam, Message->lParam);
    if (Message->message == WM_PAINT && W->needsPaint) {
        // A WM_PAINT that does not validate the window would come back for ever.
        Fault("WM_PAINT handled without BeginPaint");
        W->needsPaint = false;
    }
    return Result;
}

LRESULT WINAPI DefWindowProcA(HWND Handle, UINT Message, WPARAM WParam, LPARAM LParam)
{
    Enter("DefWindowProcA", {(intptr_t)Handle, (intptr_t)Message, (intptr_t)WParam, (intptr_t)LParam});
    switch (Message) {
    case WM_CLOSE:
        DestroyWindow(Handle);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return 0;
}

void WINAPI PostQuitMessage(int ExitCode)
{
    Enter("PostQuitMessage", {ExitCode});
    MSG Quit = {};
    Quit.message = WM_QUIT;
    Quit.wParam = (WPARAM)ExitCode;
    M().queue.push_back(Quit);
}

BOOL WINAPI PostMessageA(HWND Handle, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Enter("PostMessageA", {(intptr_t)Handle, (intptr_t)Message, (intptr_t)WParam, (intptr_t)LParam}))
        return FALSE;
    M().posts.push_back(Post{Handle, Message, WParam, LParam});
    if (Handle == HWND_BROADCAST)
        return TRUE;
    SimWindow *W = Find(Handle);
    if (!W || !Alive(W))
        return FALSE;
    if (W->foreign) {
        if (Message == WM_QUIT && !W->quitAsked) {
            W->quitAsked = true;
            W->quitAt = M().clock + (DWORD)(W->quitDelay < 0 ? 0 : W->quitDelay);
            Alive(W);
        }
        return TRUE;
    }
    MSG Queued = {};
    Queued.hwnd = Handle;
    Queued.message = Message;
    Queued.wParam = WParam;
    Queued.lParam = LParam;
    M().queue.push_back(Queued);
    return TRUE;
}

HWND WINAPI FindWindowA(LPCSTR ClassName, LPCSTR WindowName)
{
    Enter("FindWindowA", {}, {ClassName ? ClassName : "", WindowName ? WindowName : ""});
    for (auto &W : M().windows) {
        if (!Alive(W.get()))
            continue;
        if (ClassName && Lower(ClassName) != Lower(W->className))
            continue;
        if (WindowName && W->title != WindowName)
            continue;
        return (HWND)W.get();
    }
    return NULL;
}

int WINAPI MessageBoxA(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Type)
{
    // A box runs its own message loop until the user answers.
    std::string ShownText = Text ? Text : "", ShownCaption = Caption ? Caption : "Error";
    if (Enter("MessageBoxA", {(intptr_t)Owner, (intptr_t)Type}, {ShownText, ShownCaption}))
        return 0;
    int Answer = 0;
    if (M().boxAnswers.empty()) {
        Fault("MessageBoxA: no scripted answer for \"" + ShownText.substr(0, 60) + "\"");
    } else {
        Answer = M().boxAnswers.front();
        M().boxAnswers.pop_front();
    }
    M().boxes.push_back(MessageBoxShown{Owner, ShownText, ShownCaption, Type, Answer});
    return Answer;
}
