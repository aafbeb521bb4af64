#include "display/display_device_win.h"

#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "common/text.h"

namespace {

struct DisplayDevice {
    int remembered = 0;
    DisplayChangeCall change = nullptr;
};

DisplayDevice& device() {
    static DisplayDevice d;
    return d;
}

bool german() { return programFacts().german; }

}  // namespace

void setDisplayChangeCall(DisplayChangeCall call) { device().change = call; }

LONG changeDisplay(DEVMODEA* mode, DWORD flags) {
    return device().change ? device().change(mode, flags) : ChangeDisplaySettingsA(mode, flags);
}

DisplayMode currentMode() {
    const HDC screen = GetDC(nullptr);
    const DisplayMode mode{static_cast<unsigned>(GetDeviceCaps(screen, HORZRES)),
                           static_cast<unsigned>(GetDeviceCaps(screen, VERTRES)),
                           static_cast<unsigned>(GetDeviceCaps(screen, VREFRESH)),
                           static_cast<unsigned>(GetDeviceCaps(screen, BITSPIXEL))};
    ReleaseDC(nullptr, screen);
    return mode;
}

DEVMODEA modeNumbered(int modeNumber) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    EnumDisplaySettingsA(nullptr, static_cast<DWORD>(modeNumber), &mode);
    return mode;
}

std::vector<DisplayMode> displayModes() {
    std::vector<DisplayMode> modes;
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i)
        modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmDisplayFrequency,
                         mode.dmBitsPerPel});
    return modes;
}

void rememberCurrentMode(const std::vector<DisplayMode>& modes) {
    device().remembered = rememberedMode(modes, currentMode(), device().remembered);
}

int rememberedDisplayMode() { return device().remembered; }

bool applyDisplayMode(int modeNumber, bool countdown) {
    DEVMODEA mode = modeNumbered(modeNumber);
    LONG result = changeDisplay(&mode, CDS_TEST);
    switch (modeChangeAfterTest(result, countdown)) {
    case ModeChange::Try:
        result = changeDisplay(&mode, 0);  // for this session only, until it is kept
        if (result != DISP_CHANGE_SUCCESSFUL) break;
        return true;
    case ModeChange::Store:
        changeDisplay(&mode, CDS_UPDATEREGISTRY);
        break;
    case ModeChange::AskToStore:
        if (MessageBoxA(mainWindow(),
                        bilingual(german(),
                                  "Diese Auflösung wird erst nach einem Neustart wirksam. Soll sie "
                                  "für den nächsten Start gespeichert werden?",
                                  "This mode takes effect only after a restart. Store it for the "
                                  "next start?"),
                        "", MB_YESNO | MB_ICONQUESTION) == IDYES)
            changeDisplay(&mode, CDS_UPDATEREGISTRY);
        return false;
    case ModeChange::Refuse:
        break;
    }
    if (const auto message = applyModeMessage(result, german()))
        MessageBoxA(mainWindow(), message->c_str(), "", MB_OK);
    return false;
}

void restoreDisplayMode() {
    DEVMODEA mode = modeNumbered(device().remembered);
    const LONG result = changeDisplay(&mode, CDS_TEST);
    // back for this session: the registry still holds the mode last kept
    if (result == DISP_CHANGE_SUCCESSFUL) changeDisplay(&mode, 0);
    if (const auto message = restoreModeMessage(result, german()))
        MessageBoxA(mainWindow(), message->c_str(), "Information", MB_ICONINFORMATION);
}

void storeDisplayMode(DEVMODEA& mode) {
    if (const auto message = applyModeMessage(changeDisplay(&mode, CDS_UPDATEREGISTRY), german()))
        MessageBoxA(mainWindow(), message->c_str(), "", MB_OK);
}
