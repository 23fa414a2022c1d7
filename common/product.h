// The ZEM product's names, paths, texts and sizes, shared by setup and uninstall.
#ifndef ZEM_PRODUCT_H
#define ZEM_PRODUCT_H

// Names
#define PRODUCT_NAME            "ZEM"
#define PRODUCT_WINDOW_CLASS    "ZEM"
#define INSTALLER_WINDOW_CLASS  "INSTALL_ZEM"

// Registry
#define REGISTRY_KEY_CLASS      "KWB"
#define UNINSTALL_ENTRY_KEY     "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM"
#define DISPLAY_NAME_VALUE      "DisplayName"
#define UNINSTALL_STRING_VALUE  "UninstallString"
#define FONTS_KEY_NT            "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"
#define FONTS_KEY_95            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
#define FONT_REGISTRY_NAME      "lumidig4 (TrueType)"

// Files
#define NORMAL_PICTURE_FILE     "background_a.bmp"
#define HIGHLIGHT_PICTURE_FILE  "background_b.bmp"
#define DEFAULT_INSTALL_DIR     "C:\\Program Files\\ZEM\\"
#define INSTALL_FOLDER_NAME     "ZEM\\"
#define FONT_FILE               "lumidig4.ttf"
#define FONT_FILE_IN_FOLDER     "\\" FONT_FILE
#define UNINSTALLER_FILE        "uninstall.exe"
#define PRODUCT_FILE            "ZEM.exe"
#define DATA_FILES_PATTERN      ".\\Data\\*.*"
#define FONT_FILES_PATTERN      ".\\Fonts\\*.ttf"
// Shell lists end with an empty name: a second NUL behind the last one.
#define DATA_FILES_LIST         DATA_FILES_PATTERN "\0"
#define FONT_FILES_LIST         FONT_FILES_PATTERN "\0"

// Commands: a quote, the program path, then these (the path may hold blanks)
#define UNINSTALL_COMMAND_TAIL  "\" /uninstall"
#define PRODUCT_COMMAND_TAIL    "\" /c"

// Status texts
#define COPYING_TEXT            "Copying Files..."
#define LAUNCHING_TEXT          "Launching ZEM..."

// Sizes
enum {
    PATH_SIZE         = 256,  // a path buffer: 255 characters and the NUL
    PROGRAM_PATH_SIZE = 260,  // what GetModuleFileNameA may write (MAX_PATH)
    SHELL_PATH_SIZE   = 260,  // what the shell's path calls may write (MAX_PATH)
    // The longest command is the quote, InstallDir, "uninstall.exe", the
    // quote and " /uninstall": 26 characters more than InstallDir.
    MAX_INSTALL_DIR_LENGTH = PATH_SIZE - 1 - 26
};

// Closing a running product
enum {
    CLOSE_WAIT_COUNT = 10,    // at most ten waits after the quit request
    CLOSE_WAIT_MS    = 1000
};

#endif
