#pragma once

#include <string>

// The countdown after a new display mode: unless the user keeps the mode,
// the one before comes back one tick after the label reached 0.
class UndoCountdown {
public:
    // The countdown's length in seconds from checkscreen: "0" none (the new
    // mode is kept at once), 1 to 3600 that many, anything else ten.
    static int lengthFor(const std::string& checkscreen);

    // A new mode was set; length from lengthFor.
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
