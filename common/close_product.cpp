// Closing a running product before anything is installed or removed.
#include "common.h"

void CloseRunningProduct(void)
{
    HWND Product = FindWindowA(PRODUCT_WINDOW_CLASS, NULL);
    if (Product == NULL)
        return;
    // WM_QUIT, posted, ends the product's message loop without asking it
    // anything; only the window of the first look receives it.
    PostMessageA(Product, WM_QUIT, 0, 0);
    int Waits = 0;
    while (FindWindowA(PRODUCT_WINDOW_CLASS, NULL) != NULL && Waits < CLOSE_WAIT_COUNT) {
        Sleep(CLOSE_WAIT_MS);
        Waits++;
    }
}
