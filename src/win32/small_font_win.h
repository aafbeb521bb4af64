#pragma once

#include <windows.h>

// The program's small control font: "MS Sans Serif" at 8 points, weight 400.
// Windows maps a request for height -4 to that face's 8-point raster size;
// asking for 8 points at the screen's resolution gives the same text on
// Windows and under Wine, which would scale the face down to 4 pixels.
// Above 120 DPI, where the face has no raster size, it is Tahoma.
// The caller owns the font and deletes it once its controls are gone.
HFONT createSmallFont();
