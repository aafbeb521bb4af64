#pragma once

// Loads the common controls from the system directory and registers their
// window classes: list views, tabs, status bars, and the date and time
// pickers where this system has them. Every window that creates one of
// these calls it first; the work is done once. Start-up does not need them.
void useCommonControls();
