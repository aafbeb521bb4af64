#include "win32/small_font_win.h"

namespace {

// 8 points in pixels at the screen's resolution, as a font height (negative:
// the character height without the internal leading).
int smallFontHeight() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return -MulDiv(8, dpi, 72);
}

}  // namespace

HFONT createSmallFont() {
    return CreateFontA(smallFontHeight(), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}
