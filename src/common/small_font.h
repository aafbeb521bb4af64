#pragma once

#include <windows.h>

// The program's small control font: "MS Sans Serif", height -4, weight 400.
// The caller owns it and deletes it once its controls are gone.
HFONT createSmallFont();
