// The ZEM product's names, paths, texts and sizes, shared by setup and uninstall.
#ifndef ZEM_PRODUCT_H
#define ZEM_PRODUCT_H

// Names
#define PRODUCT_NAME            "ZEM"
#define PRODUCT_WINDOW_CLASS    "ZEM"
#define INSTALLER_WINDOW_CLASS  "INSTALL_ZEM"

// Registry
#define REGISTRY_KEY_CLASS      "KWB"
#define UNINSTALL_KEY           "software\\microsoft\\windows\\currentversion\\uninstall"
#define UNINSTALL_ENTRY_KEY     UNINSTALL_KEY "\\" PRODUCT_NAME
#define DISPLAY_NAME_VALUE      "DisplayName"
#define UNINSTALL_STRING_VALUE  "UninstallString"
#define FONTS_KEY_NT            "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"
#define FONTS_KEY_95            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
#define FONT_REGISTRY_NAME      "lumidig4 (TrueType)"
// The product's own keys, which the uninstaller removes
#define SOFTWARE_KEY            "Software"
#define PRODUCT_FILE_TYPE       "ZEM.FILE"

// Files
#define NORMAL_PICTURE_FILE     "background_a.bmp"
#define HIGHLIGHT_PICTURE_FILE  "background_b.bmp"
#define DEFAULT_INSTALL_DIR     "C:\\Program Files\\ZEM\\"
#define INSTALL_FOLDER_NAME     "ZEM\\"
#define FONT_FILE               "lumidig4.ttf"
#define FONT_FILE_IN_FOLDER     "\\" FONT_FILE
#define UNINSTALLER_FILE        "uninstall.exe"
#define UNINSTALLER_IN_FOLDER   "\\" UNINSTALLER_FILE
#define SHORTCUT_IN_FOLDER      "\\ZEM.lnk"
// Where Windows 95, 98 and Me take deletions at the next start
#define WININIT_FILE            "WININIT.INI"
#define WININIT_SECTION         "rename"
#define WININIT_DELETE_KEY      "NUL"
#define PRODUCT_FILE            "ZEM.exe"
#define DATA_FILES_PATTERN      ".\\Data\\*.*"
#define FONT_FILES_PATTERN      ".\\Fonts\\*.ttf"
// Shell lists end with an empty name: a second NUL behind the last one.
#define DATA_FILES_LIST         DATA_FILES_PATTERN "\0"
#define FONT_FILES_LIST         FONT_FILES_PATTERN "\0"

// Commands: a quote, the program path, then these (the path may hold blanks)
#define UNINSTALL_COMMAND_TAIL  "\" /uninstall"
#define PRODUCT_COMMAND_TAIL    "\" /c"
// The uninstaller's two commands, compared after upper-casing, and the
// copy's command line: a quote, the copy's path, then this and InstallDir
#define HAND_OFF_COMMAND        "/UNINSTALL"
#define REMOVAL_COMMAND         "/D:"
#define COPY_COMMAND_MIDDLE     "\" /D:"

// Status texts
#define COPYING_TEXT            "Copying Files..."
#define LAUNCHING_TEXT          "Launching ZEM..."

// Uninstaller messages
#define CONFIRM_TEXT_START      "You are about to delete all the files in directory "
#define CONFIRM_TEXT_END        " including all the plugins and skins that you may have installed." \
                                " Please backup all the files in this directory that you don't want" \
                                " to delete. Do you want to uninstall now?"
#define CANCELED_TEXT           "Uninstallation canceled."
#define FAILED_TEXT             "Uninstallation failed!"
#define COMPLETED_TEXT          "Uninstallation completed. Thank you for using ZEM."

// Sizes
enum {
    PATH_SIZE         = 256,  // a path buffer: 255 characters and the NUL
    PROGRAM_PATH_SIZE = 260,  // what GetModuleFileNameA may write (MAX_PATH)
    SHELL_PATH_SIZE   = 260,  // what the shell's path calls may write (MAX_PATH)
    // The longest command is the quote, InstallDir, "uninstall.exe", the
    // quote and " /uninstall": 26 characters more than InstallDir.
    MAX_INSTALL_DIR_LENGTH = PATH_SIZE - 1 - 26,
    CONFIRM_TEXT_SIZE = 1024, // 52 + 2 quotes + 255 + 173 characters at most
    // The copy's command line: a quote, the copy's path (a path buffer), the
    // quote and " /D:", and InstallDir; 502 characters at most.
    COPY_COMMAND_SIZE = 2 * PATH_SIZE,
    // InstallDir serves as the shell's list of names: its second NUL must
    // still lie inside the buffer.
    MAX_REMOVAL_DIR_LENGTH = PATH_SIZE - 2
};

// Closing a running product
enum {
    CLOSE_WAIT_COUNT = 10,    // at most ten waits after the quit request
    CLOSE_WAIT_MS    = 1000
};

#endif
