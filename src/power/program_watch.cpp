#include "power/program_watch.h"

#include <algorithm>

#include "common/text.h"
#include "power/scheduler.h"

std::string ProgramWatch::reason(bool german) const {
    return program_ + bilingual(german, " ist beendet", " has ended");
}

std::optional<std::string> ProgramWatch::text(Action action, bool german,
                                              std::size_t maxLength) const {
    if (action == Action::None || !armed()) return std::nullopt;
    const std::string before =
        std::string(actionName(action, german)) + bilingual(german, ", wenn ", " when ");
    const std::string after = bilingual(german, " endet", " ends");
    std::string program = program_;
    const std::size_t room = maxLength - std::min(maxLength, before.size() + after.size());
    if (program.size() > room) program = program.substr(0, room >= 3 ? room - 3 : 0) + "...";
    return before + program + after;
}
