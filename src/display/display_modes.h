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

// What follows the test of a chosen mode. A mode is stored for the next
// start only once the user keeps it: stored on trial, a mode the monitor
// cannot show would come back at every start.
enum class ModeChange {
    Try,          // set for this session, with the undo countdown
    Store,        // set and stored at once: the user asked for no countdown
    AskToStore,   // takes a restart: stored for the next start if the user says so
    Refuse,       // the test failed; nothing changes
};
ModeChange modeChangeAfterTest(long testResult, bool countdown);

// The mode a favourite stands for. Numbers move when a driver or monitor
// changes: the stored number while that mode still reads as the stored
// text (closing blanks aside), else the last mode that does; none when no
// mode does.
std::optional<int> favouriteModeNumber(const std::vector<DisplayMode>& modes, int number,
                                       const std::string& description);

// The boxes after the test of a chosen mode, and after the test of the
// mode restored; none for success and for answers the tables do not name.
std::optional<std::string> applyModeMessage(long result, bool german);
std::optional<std::string> restoreModeMessage(long result, bool german);
