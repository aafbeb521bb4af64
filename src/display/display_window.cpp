#include "display/display_window.h"

#include <commctrl.h>

#include <vector>

#include "common/common_controls.h"
#include "common/decimal.h"
#include "common/feature_window.h"
#include "common/file_icon.h"
#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/small_font.h"
#include "common/text.h"
#include "common/window_set.h"
#include "display/display_modes.h"
#include "display/favourites.h"
#include "display/undo_countdown.h"
#include "settings/current_settings.h"
#include "settings/settings_registry.h"

namespace {

// The window's state while it exists, and what outlives it: the mode the
// countdown goes back to and the countdown itself.
struct DisplayWindow {
    HWND modes = nullptr;
    HWND favourites = nullptr;
    HWND add = nullptr;
    HWND remove = nullptr;
    HWND countdownLabel = nullptr;
    HFONT font = nullptr;  // deleted when the window is destroyed
    int remembered = 0;
    DEVMODEA trial{};  // the mode the countdown runs for, stored only when kept
    UndoCountdown countdown;
    DisplayChangeCall change = nullptr;
};

DisplayWindow& state() {
    static DisplayWindow window;
    return window;
}

bool german() { return programFacts().german; }

LONG changeDisplay(DEVMODEA* mode, DWORD flags) {
    return state().change ? state().change(mode, flags) : ChangeDisplaySettingsA(mode, flags);
}

HWND createChild(DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y,
                 int width, int height, int id) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           windows().display, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void setFont(HWND control) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state().font), TRUE);
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

void loadFavourites() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, kFavouritesKeyPath);
    if (!store.open()) return;
    for (const std::string& name : store.valueNames())
        if (const auto text = store.readText(name, SettingsStore::kAnyLength))
            appendListCells(state().favourites, {name, *text});
    store.close();
}

void closeAfterCountdown() {
    KillTimer(windows().display, kDisplayTimerId);
    state().countdown.stop();
    if (IsWindow(windows().display)) DestroyWindow(windows().display);
}

void startCountdownView(int length) {
    DisplayWindow& s = state();
    const bool de = german();
    ShowWindow(s.modes, SW_HIDE);
    ShowWindow(s.favourites, SW_HIDE);
    setFont(createChild(WS_EX_CLIENTEDGE, "button", bilingual(de, "&Zurücksetzen", "&Undo"), 0, 170,
                        140, 100, 25, display_command::kUndo));
    setFont(createChild(WS_EX_CLIENTEDGE, "button", bilingual(de, "&Übernehmen", "&OK"), 0, 280, 140,
                        100, 25, display_command::kKeep));
    s.countdown.start(length);
    SetTimer(windows().display, kDisplayTimerId, 1000, nullptr);
    const DWORD label = SS_CENTERIMAGE;
    const char* question =
        bilingual(de, "Möchten Sie diese Einstellungen behalten ? ", "Do you want to keep these settings");
    setFont(createChild(0, "static",
                        bilingual(de, "Sie haben die Bildschirmeinstellungen neu konfiguriert ",
                                  "You resized your Monitor Settings"),
                        label, 20, 40, 300, 13, 1));
    setFont(createChild(0, "static", question, label, 20, 54, 300, 13, 1));
    s.countdownLabel = createChild(0, "static", question, label, 20, 80, 300, 13, 1);
    setFont(s.countdownLabel);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    SetWindowPos(windows().display, HWND_TOPMOST, (desktop.right - 160) / 2,
                 (desktop.bottom - 140) / 2, 400, 200, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}

}  // namespace

void setDisplayChangeCall(DisplayChangeCall call) { state().change = call; }

HWND createDisplayWindow() {
    DisplayWindow& s = state();
    releaseDisplayFonts();  // left from a window that was never destroyed
    s.countdown.stop();
    const bool de = german();

    useCommonControls();

    WindowSet& w = windows();
    w.display = createFeatureWindow(
        kDisplayClass, iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        bilingual(de, "Bildschirmauflösung ändern", "Change ScreenSettings"), {230, 340},
        {230, 340});
    if (!w.display) return nullptr;
    s.font = createSmallFont();
    s.countdownLabel = nullptr;
    ShowWindow(w.display, SW_SHOWNORMAL);

    const DWORD listStyle =
        LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | WS_BORDER;
    s.modes = createChild(0, "SysListView32", "", listStyle, 0, 0, 220, 190, kModeListId);
    if (!insertListColumn(s.modes, 0, bilingual(de, "Auflösung", "Resolution"), 200)) return w.display;
    s.favourites = createChild(0, "SysListView32", "", listStyle, 0, 194, 220, 90, kFavouriteListId);
    if (!insertListColumn(s.favourites, 0, "#", 30) ||
        !insertListColumn(s.favourites, 1, bilingual(de, "Favoriten", "Favorits"), 180))
        return w.display;
    enumerateModes();
    s.add = createChild(WS_EX_CLIENTEDGE, "button", "&Add", 0, 5, 285, 100, 25,
                        display_command::kAddFavourite);
    s.remove = createChild(WS_EX_CLIENTEDGE, "button", "&Delete", 0, 110, 285, 100, 25,
                           display_command::kDeleteFavourite);
    setFont(s.add);
    setFont(s.remove);
    loadFavourites();
    return w.display;
}

void enumerateModes() {
    DisplayWindow& s = state();
    const bool listed = IsWindow(windows().display) && s.modes && IsWindow(s.modes);
    const std::vector<DisplayMode> modes = displayModes();
    if (listed) {
        SendMessageA(s.modes, LVM_DELETEALLITEMS, 0, 0);
        for (const DisplayMode& mode : modes) appendListRow(s.modes, modeText(mode));
    }
    s.remembered = rememberedMode(modes, currentMode(), s.remembered);
    if (listed) selectListRow(s.modes, s.remembered);
}

int rememberedDisplayMode() { return state().remembered; }

bool applyDisplayMode(int modeNumber, bool countdown) {
    DEVMODEA mode = modeNumbered(modeNumber);
    LONG result = changeDisplay(&mode, CDS_TEST);
    switch (modeChangeAfterTest(result, countdown)) {
    case ModeChange::Try:
        result = changeDisplay(&mode, 0);  // for this session only, until it is kept
        if (result != DISP_CHANGE_SUCCESSFUL) break;
        state().trial = mode;
        return true;
    case ModeChange::Store:
        changeDisplay(&mode, CDS_UPDATEREGISTRY);
        break;
    case ModeChange::AskToStore:
        if (MessageBoxA(windows().main,
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
        MessageBoxA(windows().main, message->c_str(), "", MB_OK);
    return false;
}

void restoreDisplayMode() {
    DEVMODEA mode = modeNumbered(state().remembered);
    const LONG result = changeDisplay(&mode, CDS_TEST);
    // back for this session: the registry still holds the mode last kept
    if (result == DISP_CHANGE_SUCCESSFUL) changeDisplay(&mode, 0);
    if (const auto message = restoreModeMessage(result, german()))
        MessageBoxA(windows().main, message->c_str(), "Information", MB_ICONINFORMATION);
}

void onDisplayDoubleClick(int listId) {
    DisplayWindow& s = state();
    if (s.countdown.active()) return;
    const HWND list = listId == kModeListId ? s.modes : s.favourites;
    const int row = selectedListRow(list);
    if (row < 0) return;
    std::optional<int> modeNumber = row;
    if (listId == kFavouriteListId) {
        modeNumber = favouriteModeNumber(displayModes(), settingAsInt(listCellText(list, row, 0)),
                                         listCellText(list, row, 1));
        if (!modeNumber) {
            MessageBoxA(windows().main,
                        bilingual(german(), "Diese Auflösung gibt es nicht mehr. Es wird nichts geändert.",
                                  "This display mode is no longer offered. Nothing is changed."),
                        "Information", MB_ICONINFORMATION);
            return;
        }
    }
    const int length = UndoCountdown::lengthFor(currentSettings().checkscreen);
    if (applyDisplayMode(*modeNumber, length > 0))
        startCountdownView(length);
    else if (length == 0)
        // nothing to ask: the window closes as keep closes it, but not inside
        // the list's own notification
        PostMessageA(windows().display, WM_COMMAND, display_command::kKeep, 0);
}

bool onDisplayTimer() {
    DisplayWindow& s = state();
    const UndoCountdown::Tick tick = s.countdown.tick();
    if (!tick.restore) {
        SetWindowTextA(s.countdownLabel, undoCountdownText(tick.secondsLeft, german()).c_str());
        return false;
    }
    KillTimer(windows().display, kDisplayTimerId);
    restoreDisplayMode();
    closeAfterCountdown();
    return true;
}

bool displayCountdownActive() { return state().countdown.active(); }

void keepDisplayMode() {
    // the user has seen it: now it is the mode of the next start too
    if (state().countdown.active()) changeDisplay(&state().trial, CDS_UPDATEREGISTRY);
    closeAfterCountdown();
}

void undoDisplayMode() {
    KillTimer(windows().display, kDisplayTimerId);
    restoreDisplayMode();
    closeAfterCountdown();
}

void addFavouriteMode() {
    DisplayWindow& s = state();
    const int row = selectedListRow(s.modes);
    if (row < 0) return;
    appendListCells(s.favourites, {std::to_string(row), listCellText(s.modes, row, 0)});
}

void deleteFavouriteMode() {
    const int row = selectedListRow(state().favourites);
    if (row >= 0) SendMessageA(state().favourites, LVM_DELETEITEM, row, 0);
}

void storeFavouriteModes() {
    const HWND list = state().favourites;
    if (!list || !IsWindow(list)) return;
    std::vector<FavouriteMode> favourites;
    for (int row = 0; row < listRowCount(list); ++row)
        favourites.push_back({listCellText(list, row, 0), listCellText(list, row, 1)});
    // written first, stale values removed only then: a failed write keeps
    // the favourites stored before. Values of another type were never
    // listed and stay.
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, kFavouritesKeyPath);
    if (!store.open()) return;
    replaceStoredValues(store, favouritesToStore(favourites), StaleValues::KeepOtherTypes);
    const bool empty = store.valueNames().empty();
    store.close();
    if (empty) RegDeleteKeyA(HKEY_CURRENT_USER, kFavouritesKeyPath);  // no favourites, no key
}

void stopDisplayCountdown() {
    KillTimer(windows().display, kDisplayTimerId);
    state().countdown.stop();
}

void onDisplayWindowDestroyed() {
    storeFavouriteModes();
    state().countdown.stop();
}

void releaseDisplayFonts() {
    if (state().font) DeleteObject(state().font);
    state().font = nullptr;
}
