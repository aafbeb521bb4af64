#include "power/action_codes.h"

namespace {

// The code's one digit, when it is one of count; -1 otherwise.
int digitCode(const std::string& code, int count) {
    if (code.size() != 1 || code[0] < '0' || code[0] >= '0' + count) return -1;
    return code[0] - '0';
}

}  // namespace

Action parseAction(const std::string& code) {
    const int digit = digitCode(code, 5);
    return digit < 0 ? Action::None : static_cast<Action>(digit + 1);
}

ClickAction parseClickAction(const std::string& code) {
    const int digit = digitCode(code, 8);
    return digit < 0 ? ClickAction::None : static_cast<ClickAction>(digit + 1);
}
