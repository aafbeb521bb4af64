#pragma once

#include <optional>
#include <string>

// The system's message text for an error code in the user's language,
// without its closing line break; none when the system has no text for it.
std::optional<std::string> SystemErrorText(unsigned long error);
