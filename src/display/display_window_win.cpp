#include "display/display_window_win.h"

#include <commctrl.h>

#include <optional>
#include <vector>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/decimal.h"
#include "common/dialog_keys_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "display/display_device_win.h"
#include "display/display_modes.h"
#include "display/favourite_modes.h"
#include "display/undo_countdown.h"
#include "settings/current_settings_win.h"
#include "settings/settings.h"
#include "settings/value_list_win.h"
#include "win32/common_controls_win.h"
#include "win32/list_view_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"

namespace {

static_assert(noneShared({kModeListId, kFavouriteModeListId, display_command::kKeep,
                          display_command::kUndo, display_command::kAddFavourite,
                          display_command::kDeleteFavourite}));

// The window's state: its lists, its font and the countdown of a mode on
// trial.
struct DisplayState {
    std::vector<HWND> listView;  // the lists and their buttons
    HWND modes = nullptr;
    HWND favourites = nullptr;
    HWND countdownLabel = nullptr;
    OwnedGdiObject font;
    DEVMODEA trial{};  // the mode the countdown runs for, stored only when kept
    UndoCountdown countdown;
};

// The lists and their buttons, at 96 DPI in a client area of 224 x 315.
constexpr PlainControl kListView[] = {
    {ControlKind::List, {0, 0, 220, 190}, "", "", kModeListId},
    {ControlKind::List, {0, 194, 220, 90}, "", "", kFavouriteModeListId},
    {ControlKind::Push, {5, 285, 100, 25}, "&Add", "&Add", display_command::kAddFavourite},
    {ControlKind::Push, {110, 285, 100, 25}, "&Delete", "&Delete",
     display_command::kDeleteFavourite},
};

// What replaces them while a new mode is on trial, at 96 DPI in a client
// area of 394 x 175; the last line counts down.
constexpr const char* kQuestionDe = "Möchten Sie diese Einstellungen behalten ? ";
constexpr const char* kQuestionEn = "Do you want to keep these settings";
constexpr PlainControl kCountdownView[] = {
    {ControlKind::Push, {170, 140, 100, 25}, "&Zurücksetzen", "&Undo", display_command::kUndo},
    {ControlKind::Push, {280, 140, 100, 25}, "&Übernehmen", "&OK", display_command::kKeep},
    {ControlKind::Label, {20, 40, 300, 13}, "Sie haben die Bildschirmeinstellungen neu konfiguriert ",
     "You resized your Monitor Settings", 1},
    {ControlKind::Label, {20, 54, 300, 13}, kQuestionDe, kQuestionEn, 1},
    {ControlKind::Label, {20, 80, 300, 13}, kQuestionDe, kQuestionEn, 1},
};

bool german() { return programFacts().german; }

void loadFavourites(const DisplayState& s) {
    for (const ListedValue& favourite : loadValueList(kFavouriteModesKeyPath))
        if (favourite.text) appendListCells(s.favourites, {favourite.name, *favourite.text});
}

void startCountdownView(HWND window, DisplayState& s, int length) {
    const bool de = german();
    for (HWND control : s.listView) ShowWindow(control, SW_HIDE);
    std::vector<TableControl> table =
        plainTable(kCountdownView, de, static_cast<HFONT>(s.font.get()));
    table.back().texts.push_back(undoCountdownText(length, de));
    const Layout layout = layOutTable(table, {394, 175});
    const std::vector<HWND> controls = createTable(window, table, layout);
    s.countdownLabel = controls.back();
    arrangeForKeyboard(window, controls, table);
    s.countdown.start(length);
    SetTimer(window, kDisplayTimerId, 1000, nullptr);
    placeFeatureWindow(window, layout, {160, 140}, HWND_TOPMOST);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    // the question's keyboard starts on Undo
    const HWND undo = controls.front();
    rememberFocus(window, undo);
    if (GetActiveWindow() == window) focusControl(window, undo);
}

// A double-click in one of the lists: the new mode on trial and the
// countdown of checkscreen's length, or, where checkscreen says "0", the
// new mode stored and the window closed. A favourite whose mode is no
// longer offered changes nothing and says so.
void onDoubleClick(HWND window, DisplayState& s, int listId) {
    if (s.countdown.active()) return;
    const HWND list = listId == kModeListId ? s.modes : s.favourites;
    const int row = selectedListRow(list);
    if (row < 0) return;
    std::optional<int> modeNumber = row;
    if (listId == kFavouriteModeListId) {
        modeNumber = favouriteModeNumber(displayModes(), settingAsInt(listCellText(list, row, 0)),
                                         listCellText(list, row, 1));
        if (!modeNumber) {
            MessageBoxA(mainWindow(),
                        bilingual(german(), "Diese Auflösung gibt es nicht mehr. Es wird nichts geändert.",
                                  "This display mode is no longer offered. Nothing is changed."),
                        "Information", MB_ICONINFORMATION);
            return;
        }
    }
    const int length = settingValue(currentSettings(), &Settings::checkscreen);
    if (applyDisplayMode(*modeNumber, length > 0)) {
        s.trial = modeNumbered(*modeNumber);
        startCountdownView(window, s, length);
    }
    else if (length == 0)
        // nothing to ask: the window closes as keep closes it, but not inside
        // the list's own notification
        PostMessageA(window, WM_COMMAND, display_command::kKeep, 0);
}

// The mode on trial becomes the mode of the next start too.
void keepTrialMode(DisplayState& s) {
    if (!s.countdown.active()) return;
    s.countdown.stop();
    storeDisplayMode(s.trial);
}

// The countdown stops first: a box that either step shows runs a loop in
// which the window may be closed, and its state is not used after them.
void endCountdown(HWND window, DisplayState& s, bool keep) {
    KillTimer(window, kDisplayTimerId);
    if (keep) {
        keepTrialMode(s);
    } else {
        s.countdown.stop();
        restoreDisplayMode();
    }
    DestroyWindow(window);
}

void onTick(HWND window, DisplayState& s) {
    const UndoCountdown::Tick tick = s.countdown.tick();
    if (tick.restore)
        endCountdown(window, s, false);
    else
        SetWindowTextA(s.countdownLabel, undoCountdownText(tick.secondsLeft, german()).c_str());
}

bool onCommand(HWND window, DisplayState& s, WPARAM id) {
    switch (id) {
    case display_command::kKeep: endCountdown(window, s, true); return true;
    case display_command::kUndo: endCountdown(window, s, false); return true;
    case display_command::kAddFavourite: addFavouriteMode(window); return true;
    case display_command::kDeleteFavourite: deleteFavouriteMode(window); return true;
    // Enter: the double-click of the list with the focus (the modes' by default)
    case IDOK:
        if (!s.countdown.active())
            onDoubleClick(window, s, GetFocus() == s.favourites ? kFavouriteModeListId : kModeListId);
        return true;
    // Esc: Undo while counting, else as the close box
    case IDCANCEL:
        if (s.countdown.active())
            endCountdown(window, s, false);
        else
            PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    default: return false;
    }
}

LRESULT CALLBACK displayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DisplayState* s = windowState<DisplayState>(window, message, lParam);
    switch (message) {
    case WM_DESTROY:
        // every way of closing keeps the favourites; the close box while
        // counting keeps the new mode, for the next start too
        if (s) keepTrialMode(*s);
        storeFavouriteModes(window);
        break;
    case DM_GETDEFID:  // none: Enter is the list's double-click, or the focused button
        return 0;
    case WM_COMMAND:
        if (s && onCommand(window, *s, wParam)) return 0;
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (s && header.code == static_cast<UINT>(NM_DBLCLK) &&
            (header.idFrom == kModeListId || header.idFrom == kFavouriteModeListId)) {
            onDoubleClick(window, *s, static_cast<int>(header.idFrom));
            return 0;
        }
        break;
    }
    case WM_TIMER:
        if (s && wParam == kDisplayTimerId && s->countdown.active()) {
            onTick(window, *s);
            return 0;
        }
        break;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

void openDisplayModes() { openFeatureWindow(kDisplayClass, createDisplayWindow); }

HWND createDisplayWindow() {
    const bool de = german();
    useCommonControls();
    auto state = std::make_unique<DisplayState>();
    const HWND window = createFeatureWindow(
        kDisplayClass, displayProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        bilingual(de, "Bildschirmauflösung ändern", "Change ScreenSettings"), &state);
    DisplayState* s = stateOf<DisplayState>(window);
    if (!s) return nullptr;
    s->font.reset(createSmallFont());
    const std::vector<TableControl> table =
        plainTable(kListView, de, static_cast<HFONT>(s->font.get()));
    const Layout layout = layOutTable(table, {224, 315});
    placeFeatureWindow(window, layout, {230, 340});
    ShowWindow(window, SW_SHOWNORMAL);

    const DWORD listStyle =
        LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | WS_BORDER;
    s->listView = createTable(window, table, layout, listStyle);
    s->modes = s->listView[0];
    s->favourites = s->listView[1];
    arrangeForKeyboard(window, s->listView, table);
    rememberFocus(window, s->modes);
    if (!insertListColumn(s->modes, 0, bilingual(de, "Auflösung", "Resolution"), 200)) return window;
    if (!insertListColumn(s->favourites, 0, "#", 30) ||
        !insertListColumn(s->favourites, 1, bilingual(de, "Favoriten", "Favorits"), 180))
        return window;
    enumerateModes();
    loadFavourites(*s);
    return window;
}

HWND displayWindow() { return openWindowOfClass(kDisplayClass); }

void enumerateModes() {
    const std::vector<DisplayMode> modes = displayModes();
    const DisplayState* s = stateOf<DisplayState>(displayWindow());
    if (s && s->modes) {
        SendMessageA(s->modes, LVM_DELETEALLITEMS, 0, 0);
        for (const DisplayMode& mode : modes) appendListRow(s->modes, modeText(mode));
    }
    rememberCurrentMode(modes);
    if (s && s->modes) selectListRow(s->modes, rememberedDisplayMode());
}

bool displayCountdownActive(HWND window) {
    const DisplayState* s = stateOf<DisplayState>(window);
    return s && s->countdown.active();
}

void addFavouriteMode(HWND window) {
    const DisplayState* s = stateOf<DisplayState>(window);
    const int row = s ? selectedListRow(s->modes) : -1;
    if (row < 0) return;
    appendListCells(s->favourites, {std::to_string(row), listCellText(s->modes, row, 0)});
}

void deleteFavouriteMode(HWND window) {
    const DisplayState* s = stateOf<DisplayState>(window);
    const int row = s ? selectedListRow(s->favourites) : -1;
    if (row >= 0) SendMessageA(s->favourites, LVM_DELETEITEM, row, 0);
}

void storeFavouriteModes(HWND window) {
    const DisplayState* s = stateOf<DisplayState>(window);
    if (!s || !IsWindow(s->favourites)) return;
    std::vector<FavouriteMode> favourites;
    for (int row = 0; row < listRowCount(s->favourites); ++row)
        favourites.push_back(
            {listCellText(s->favourites, row, 0), listCellText(s->favourites, row, 1)});
    // values of another type were never listed, and stay
    storeValueList(kFavouriteModesKeyPath, favouriteModesToStore(favourites), StaleValues::KeepOtherTypes);
}

void stopDisplayCountdown(HWND window) {
    if (DisplayState* s = stateOf<DisplayState>(window)) {
        KillTimer(window, kDisplayTimerId);
        s->countdown.stop();
    }
}
