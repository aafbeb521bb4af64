#pragma once

// What the scheduler's and the program watch's ticks bring about: the
// warning window opened (its loop then runs inside the tick) and counting
// down, and the action at zero.

// Timer 2 of the main window.
void onSchedulerTick();

// The computer woke from standby or hibernation: a target that passed in
// its sleep opens the warning window with a fresh countdown.
void onPowerResume();

// Opening the options window: nothing may fire while it is open; the
// schedule and the program watch wait for the options' OK.
void cancelScheduleAndCloseWarning();
