#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "power/action_codes.h"
#include "power/scheduler.h"

// Carries out the action when a watched program ends: its end starts a
// warning countdown of the settings' period (kMissedWarningSeconds where
// none is set), at whose end the action runs. Times are uptime seconds, so
// a clock change moves nothing. One program at a time; nothing is stored.
class ProgramWatch {
public:
    void arm(const std::string& program, std::uint32_t warningSeconds);
    // The options are open: nothing moves until their OK resumes it.
    void suspend() { suspended_ = true; }
    bool resume();  // true when a watch goes on
    // Cancel in its warning, or its action has run.
    void drop() { *this = ProgramWatch{}; }
    // Later: as the scheduler puts off a clock target.
    void postpone(std::uint32_t now);
    // One second has passed; ended: the program has.
    Scheduler::Tick tick(bool ended, std::uint32_t now);

    bool armed() const { return armed_; }
    bool counting() const { return armed_ && !suspended_ && counting_; }
    const std::string& program() const { return program_; }
    // Kept awake from the program's end until the action or Cancel or Later.
    bool keepAwake() const { return counting() && warned_; }
    // The tooltip's line, at most maxLength characters, the program's name
    // cut to fit: "ShutDown when render.exe ends", or the seconds left.
    std::optional<std::string> text(Action action, bool german, std::size_t maxLength) const;

private:
    std::string program_;
    bool armed_ = false, suspended_ = false, counting_ = false, warned_ = false;
    std::uint32_t target_ = 0, current_ = 0, warningSeconds_ = 0;
};
