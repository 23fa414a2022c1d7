// The dispatch on the argument string: the hand-off from the install folder,
// or the removal by the copy in the temporary folder.
#include "uninstaller.h"

char InstallDir[PATH_SIZE];

// Letters a to z become A to Z in place; every other byte stays. In a
// double-byte code page the trail byte of a character is no letter: changing
// it would name another character, and so another folder.
static void UpperCase(char *Text)
{
    for (unsigned char *Byte = (unsigned char *)Text; *Byte != 0; Byte++) {
        if (IsDBCSLeadByte(*Byte)) {
            if (Byte[1] == 0)
                break;
            Byte++;
        } else if (*Byte >= 'a' && *Byte <= 'z') {
            *Byte = (unsigned char)(*Byte - ('a' - 'A'));
        }
    }
}

static void ShowError(const char *Text)
{
    MessageBoxA(NULL, Text, PRODUCT_NAME, ERROR_BOX_FLAGS);
}

static void HandOffStage(void)
{
    // Only a folder the installer made is offered for deletion; a stray copy
    // of the program (on the desktop, say) changes nothing.
    if (!GetOwnFolder(InstallDir) || !IsInstallFolder(InstallDir)) {
        ShowError(FAILED_TEXT);
        ExitProcess((UINT)-1);
    }
    char ConfirmText[CONFIRM_TEXT_SIZE];
    CopyText(ConfirmText, CONFIRM_TEXT_SIZE, CONFIRM_TEXT_START "\"");
    AppendText(ConfirmText, CONFIRM_TEXT_SIZE, InstallDir);
    AppendText(ConfirmText, CONFIRM_TEXT_SIZE, "\"" CONFIRM_TEXT_END);
    if (MessageBoxA(NULL, ConfirmText, PRODUCT_NAME, CONFIRM_BOX_FLAGS) == IDYES)
        StartHandOff();
    else
        ShowError(CANCELED_TEXT);
}

static int RemovalStage(const char *Folder)
{
    // A folder too long for the shell's list of names is refused like none.
    if (lstrlenA(Folder) > MAX_REMOVAL_DIR_LENGTH)
        return -1;
    CopyText(InstallDir, PATH_SIZE, Folder);
    if (InstallDir[0] == 0)
        return -1;
    // This box is what holds the copy back until the first process has
    // ended and its program file in the install folder can be deleted.
    MessageBoxA(NULL, COMPLETED_TEXT, PRODUCT_NAME, COMPLETED_BOX_FLAGS);
    RunRemoval();
    return 0;
}

int WINAPI UninstallerMain(HINSTANCE, HINSTANCE, LPSTR Arguments, int)
{
    ZeroMemory(InstallDir, sizeof InstallDir);
    CloseRunningProduct();
    UpperCase(Arguments);
    if (lstrcmpA(Arguments, HAND_OFF_COMMAND) == 0) {
        HandOffStage();
        return 0;
    }
    if (Arguments[0] == REMOVAL_COMMAND[0] && Arguments[1] == REMOVAL_COMMAND[1] && Arguments[2] == REMOVAL_COMMAND[2])
        return RemovalStage(Arguments + 3);
    return 0;
}
