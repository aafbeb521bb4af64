#pragma once

// The tray's Options entry and the options window's commands that reach
// beyond it: to the scheduler, the tray icon and the computer browser.

// Command 217: suspends the scheduler, closes the warning window, opens the
// options window and returns once it is closed. With the window open
// already, it only comes to the front.
void openOptions();

// OK (224): saves, re-reads the settings, arms the scheduler again and
// closes the window. A save that fails leaves the window open.
void confirmOptions();

// Cancel (225) and the close box: nothing saved, the scheduler stays
// suspended.
void cancelOptions();

// "..." (133): the user picks a file, whose icon the tray shows at once; a
// path too long to be stored is refused and the icon stays.
void chooseOptionsIcon();

// Add computer (227): the computer browser, owned by the options window.
void addOptionsComputerFromBrowser();
