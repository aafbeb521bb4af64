#include "power/action_codes.h"

#include "settings/settings.h"

namespace {

// A code's digit (read as Reading::Digit), when it is one of count.
int digitCode(int digit, int count) {
    return digit < count ? digit : -1;
}

Action actionOf(int digit) {
    return digit < 0 ? Action::None : static_cast<Action>(digit + 1);
}

ClickAction clickActionOf(int digit) {
    return digit < 0 ? ClickAction::None : static_cast<ClickAction>(digit + 1);
}

}  // namespace

Action parseAction(const std::string& code) {
    return actionOf(digitCode(readingOf(code, Reading::Digit), 5));
}

ClickAction parseClickAction(const std::string& code) {
    return clickActionOf(digitCode(readingOf(code, Reading::Digit), 8));
}

Action scheduledAction(const Settings& settings) {
    return actionOf(digitCode(settingValue(settings, &Settings::TaskManagerAktion), 5));
}

ClickAction clickAction(const Settings& settings) {
    return clickActionOf(digitCode(settingValue(settings, &Settings::mouseclick), 8));
}
