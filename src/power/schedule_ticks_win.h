#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "power/conditions.h"

// What the clock schedule's and the conditions' ticks bring about: the
// triggers fall due, the one countdown runs in the warning window, and its
// action runs at zero; the window's answers, the options and standby act
// on them.

// Timer 2 of the main window.
void onSchedulerTick();

// The computer woke from standby or hibernation: a target that passed in
// its sleep, and the countdown that ran, warn afresh.
void onPowerResume();

// The options window opens, or the session ends: nothing may fire any
// more; the schedule and the program watch wait for the options' OK.
void pauseSchedule();

// Watches the process for its end and then carries out the options'
// action after its warning. The handle is the watch's from now on, closed
// on every way out. Refused with a box where the options hold no action;
// where another program is watched, the user is asked first. True when the
// process is watched.
bool watchProgramEnd(HANDLE process, const std::string& program);

// The conditions' window's Arm: the measured conditions replace those
// armed (none: none are); the watched program stays or goes. What of them
// was due or counting is withdrawn.
void armConditions(const std::optional<ConditionFigures>& measured, bool keepProgram);

// Everything but the clock schedule ends: the conditions' Disarm.
void disarmConditions();
