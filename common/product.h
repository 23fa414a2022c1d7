// The ZEM product's names, paths, texts and sizes, shared by setup and uninstall.
#ifndef ZEM_PRODUCT_H
#define ZEM_PRODUCT_H

// Names
#define PRODUCT_NAME            "ZEM"
#define PRODUCT_WINDOW_CLASS    "ZEM"
#define INSTALLER_WINDOW_CLASS  "INSTALL_ZEM"

// Registry
#define REGISTRY_KEY_CLASS      "KWB"

// Files
#define NORMAL_PICTURE_FILE     "background_a.bmp"
#define HIGHLIGHT_PICTURE_FILE  "background_b.bmp"
#define DEFAULT_INSTALL_DIR     "C:\\Program Files\\ZEM\\"

// Sizes
enum {
    PATH_SIZE         = 256,  // a path buffer: 255 characters and the NUL
    PROGRAM_PATH_SIZE = 260,  // what GetModuleFileNameA may write (MAX_PATH)
    SHELL_PATH_SIZE   = 260   // what the shell's path calls may write (MAX_PATH)
};

// Closing a running product
enum {
    CLOSE_WAIT_COUNT = 10,    // at most ten waits after the quit request
    CLOSE_WAIT_MS    = 1000
};

#endif
