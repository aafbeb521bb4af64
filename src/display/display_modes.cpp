#include "display/display_modes.h"

#include "common/text.h"

namespace {

constexpr const char* kRestartDe = "Der Computer muss neu gestartet werden";
constexpr const char* kFailedDe = "Monitor unterstützt nicht den Graphikmodus";
constexpr const char* kBadModeDe = "Graphikmodus wird nicht unterstützt";
constexpr const char* kNotUpdatedDe =
    "Nur Windows NT : Eintragungen konnten nicht in Registrierung übernommen werden";
constexpr const char* kNotUpdatedEn =
    "Windows NT only: the settings could not be written to the registry";
constexpr const char* kBadFlagsDe = "Ungültige Parameter";

}  // namespace

std::string modeText(const DisplayMode& m) {
    return std::to_string(m.width) + " x " + std::to_string(m.height) + " x " +
           std::to_string(m.frequency) + " Hz " + std::to_string(m.bits) + " -Bit ";
}

int rememberedMode(const std::vector<DisplayMode>& modes, const DisplayMode& current,
                   int previous) {
    int remembered = previous;
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const DisplayMode& m = modes[i];
        if (m.width == current.width && m.height == current.height &&
            m.frequency == current.frequency && m.bits == current.bits)
            remembered = static_cast<int>(i);
    }
    return remembered;
}

ModeChange modeChangeAfterTest(long testResult, bool countdown) {
    if (testResult == disp_change::kSuccessful) return countdown ? ModeChange::Try : ModeChange::Store;
    if (testResult == disp_change::kRestart)
        return countdown ? ModeChange::AskToStore : ModeChange::Store;
    return ModeChange::Refuse;
}

namespace {

std::string withoutClosingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::optional<int> favouriteModeNumber(const std::vector<DisplayMode>& modes, int number,
                                       const std::string& description) {
    const std::string wanted = withoutClosingBlanks(description);
    const auto reads = [&](std::size_t i) { return withoutClosingBlanks(modeText(modes[i])) == wanted; };
    if (number >= 0 && static_cast<std::size_t>(number) < modes.size() &&
        reads(static_cast<std::size_t>(number)))
        return number;
    std::optional<int> found;
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (reads(i)) found = static_cast<int>(i);
    return found;
}

std::optional<std::string> applyModeMessage(long result, bool german) {
    switch (result) {
    case disp_change::kRestart: return bilingual(german, kRestartDe, "restart your system");
    case disp_change::kFailed:
        return bilingual(german, kFailedDe, "your monitor doesn't support that mode");
    case disp_change::kBadMode: return bilingual(german, kBadModeDe, "grahic mode isn't supported");
    case disp_change::kNotUpdated: return bilingual(german, kNotUpdatedDe, kNotUpdatedEn);
    case disp_change::kBadFlags: return bilingual(german, kBadFlagsDe, "an error occured");
    default: return std::nullopt;
    }
}

std::optional<std::string> restoreModeMessage(long result, bool german) {
    switch (result) {
    case disp_change::kRestart: return bilingual(german, kRestartDe, "Restart Computer now?");
    case disp_change::kFailed: return bilingual(german, kFailedDe, "Monitor doesn't support this mode");
    case disp_change::kBadMode: return bilingual(german, kBadModeDe, "Graphic mode isn't supported");
    case disp_change::kNotUpdated: return bilingual(german, kNotUpdatedDe, kNotUpdatedEn);
    case disp_change::kBadFlags: return bilingual(german, kBadFlagsDe, "Bad Parameter");
    default: return std::nullopt;
    }
}
