#include "win32/small_font_win.h"

#include "win32/screen_dpi_win.h"

HFONT createSmallFont() {
    // 8 points in pixels at the screen's resolution, as a font height
    // (negative: the character height without the internal leading). The
    // face's raster sizes are made for 96 and 120 DPI, and Wine does not
    // scale them up: above, Tahoma, the scalable face of Windows' own
    // dialogs, draws the text at its full size.
    const int dpi = screenDpi();
    return CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, dpi > 120 ? "Tahoma" : "MS Sans Serif");
}
