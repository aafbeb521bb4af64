#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "power/action_codes.h"

// The one program whose end is awaited: its end makes the action fall due,
// with a warning like any other (see PendingActions). One program at a
// time; nothing is stored.
class ProgramWatch {
public:
    void arm(const std::string& program) { program_ = program; }
    void drop() { program_.clear(); }
    bool armed() const { return !program_.empty(); }
    const std::string& program() const { return program_; }
    // The warning's line that names it: "render.exe has ended".
    std::string reason(bool german) const;
    // The tooltip's line while the program runs, at most maxLength
    // characters, the program's name cut to fit: "ShutDown when render.exe
    // ends".
    std::optional<std::string> text(Action action, bool german, std::size_t maxLength) const;

private:
    std::string program_;
};
