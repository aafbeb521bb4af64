#include "win32/screen_dpi_win.h"

#include <windows.h>

int screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int scaledToScreen(int value) { return MulDiv(value, screenDpi(), 96); }
