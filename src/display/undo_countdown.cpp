#include "display/undo_countdown.h"

#include "common/text.h"

int UndoCountdown::lengthFor(const std::string& checkscreen) {
    if (checkscreen == "0") return 0;
    if (checkscreen.empty() || checkscreen.size() > 4) return 10;
    int seconds = 0;
    for (char c : checkscreen) {
        if (c < '0' || c > '9') return 10;
        seconds = seconds * 10 + (c - '0');
    }
    return seconds >= 1 && seconds <= 3600 ? seconds : 10;
}

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
