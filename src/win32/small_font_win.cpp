#include "win32/small_font_win.h"

#include "win32/screen_dpi_win.h"

HFONT createSmallFont() {
    // 8 points in pixels at the screen's resolution, as a font height
    // (negative: the character height without the internal leading)
    return CreateFontA(-MulDiv(8, screenDpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}
