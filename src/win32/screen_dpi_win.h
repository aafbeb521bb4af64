#pragma once

// The screen's resolution in dots per inch: 96 at 100 %, 120 for "large
// fonts", 144 at 150 %. A program that declares itself DPI-aware (ours
// does, in its manifest) gets the real value on Windows Vista and later;
// the earlier systems and Wine always give it.
int screenDpi();

// A size given at 96 DPI at the screen's resolution.
int scaledToScreen(int value);
