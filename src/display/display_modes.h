#pragma once

#include <optional>
#include <string>
#include <vector>

// A display mode as the driver lists it.
struct DisplayMode {
    unsigned width = 0;
    unsigned height = 0;
    unsigned frequency = 0;  // Hz
    unsigned bits = 0;       // colour depth
};

// "1024 x 768 x 60 Hz 32 -Bit " (closing blank included).
std::string modeText(const DisplayMode& mode);

// The mode number the undo countdown goes back to: the last listed mode
// equal to the current one in all four figures; previous when none is.
int rememberedMode(const std::vector<DisplayMode>& modes, const DisplayMode& current,
                   int previous);

// What a test or a change of the display mode answered
// (ChangeDisplaySettings' DISP_CHANGE_ values).
namespace disp_change {
constexpr long kSuccessful = 0;
constexpr long kRestart = 1;
constexpr long kFailed = -1;
constexpr long kBadMode = -2;
constexpr long kNotUpdated = -3;
constexpr long kBadFlags = -4;
}  // namespace disp_change

// Whether the mode is then set for good (success, or restart needed).
bool setsModeAfterTest(long result);

// The boxes after the test of a chosen mode, and after the test of the
// mode restored; none for success and for answers the tables do not name.
std::optional<std::string> applyModeMessage(long result, bool german);
std::optional<std::string> restoreModeMessage(long result, bool german);
