#pragma once

#include <string>

// The countdown after a new display mode: unless the user keeps the mode,
// the one before comes back one tick after the label reached 0.
class UndoCountdown {
public:
    // A new mode was set; length in seconds from checkscreen, 0 none (the
    // new mode is kept at once).
    void start(int length);
    // Keep or undo: the countdown is over.
    void stop() { active_ = false; }
    bool active() const { return active_; }

    struct Tick {
        bool restore = false;  // the last tick: set the old mode again
        int secondsLeft = 0;   // what the label shows otherwise
    };
    // One second has passed (timer 1).
    Tick tick();

private:
    bool active_ = false;
    int length_ = 10;
    int ticks_ = 0;
};

// "Undo in 9 Seconds" / "Zurücksetzen in 9 Sekunden".
std::string undoCountdownText(int secondsLeft, bool german);
