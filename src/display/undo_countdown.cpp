#include "display/undo_countdown.h"

#include "common/text.h"

void UndoCountdown::start(int length) {
    length_ = length;
    ticks_ = 0;
    active_ = length > 0;
}

UndoCountdown::Tick UndoCountdown::tick() {
    if (!active_) return {};
    if (ticks_ < length_) {
        ++ticks_;
        return {false, length_ - ticks_};
    }
    active_ = false;
    return {true, 0};
}

std::string undoCountdownText(int secondsLeft, bool german) {
    return std::string(bilingual(german, "Zurücksetzen in ", "Undo in ")) +
           std::to_string(secondsLeft) + bilingual(german, " Sekunden", " Seconds");
}
