#include "options/options_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "common/command_ids.h"
#include "common/dialog_keys_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "options/options_controls_win.h"
#include "options/options_fields_win.h"
#include "settings/current_settings_win.h"
#include "settings/network_computers.h"
#include "settings/settings.h"
#include "settings/settings_registry_win.h"
#include "settings/startup_link_win.h"
#include "win32/common_controls_win.h"
#include "win32/file_dialog_win.h"
#include "win32/list_view_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"

namespace {

using namespace options_ui;

static_assert(noneShared({options_command::kChooseIcon, options_command::kOk,
                          options_command::kCancel, options_command::kCommandLineHelp,
                          options_command::kAddComputer, options_command::kRemoveComputer,
                          kComputerListId}));

// The window's state, made with it from what opened it, and freed with it.
struct OptionsState {
    explicit OptionsState(const OptionsContext& given) : context(given) {}
    OptionsContext context;
    Controls controls{};
    OwnedGdiObject font;
};

OptionsState* stateOfWindow(HWND window) { return stateOf<OptionsState>(window); }

bool german() { return programFacts().german; }

// A text the settings could not keep is refused where it is chosen: stored,
// it would be dropped by the next start.
void refuse(HWND window, const char* de, const char* en) {
    MessageBoxA(window, bilingual(german(), de, en),
                bilingual(german(), "Dormival Optionen", "Dormival Options"),
                MB_OK | MB_ICONEXCLAMATION);
}

// OK: the settings stored, read back and acted on, and the window closed; a
// save that fails leaves it open with the edits.
void confirm(HWND window, const OptionsState& s) {
    if (!saveOptions(window)) return;
    ShowWindow(window, SW_HIDE);
    loadSettings();
    if (s.context.confirmed) s.context.confirmed();
    DestroyWindow(window);
}

void chooseIcon(HWND window, const OptionsState& s) {
    const bool de = german();
    const std::string file =
        chooseAnyFile(mainWindow(), de, bilingual(de, "Programmicon austauschen", "Replace Icon "));
    // the icon changes at once, but only to one the settings can keep
    if (!file.empty() && setOptionsIconPath(window, file) && s.context.showTrayIcon)
        s.context.showTrayIcon(file);
}

void addComputerFromBrowser(HWND window, const OptionsState& s) {
    if (s.context.browseForComputer)
        addOptionsComputer(window, s.context.browseForComputer(
                                       window, bilingual(german(), "Computer suchen",
                                                         "Browse for Computer")));
}

bool onCommand(HWND window, const OptionsState& s, WPARAM id) {
    switch (id) {
    case IDOK:  // Enter
    case options_command::kOk: confirm(window, s); return true;
    case IDCANCEL:  // Esc
    case options_command::kCancel: DestroyWindow(window); return true;  // nothing stored
    case options_command::kCommandLineHelp: openCommandLineHelp(window); return true;
    case options_command::kAddComputer: addComputerFromBrowser(window, s); return true;
    case options_command::kRemoveComputer: removeSelectedOptionsComputer(window); return true;
    case options_command::kChooseIcon: chooseIcon(window, s); return true;
    default: return false;
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous tab, the focus on its
// first control.
void turnPage(HWND window, const OptionsState& s, bool backwards) {
    const HWND tabs = s.controls[TabStrip];
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;
    const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    const int next = (current + (backwards ? count - 1 : 1)) % count;
    SendMessageA(tabs, TCM_SETCURSEL, next, 0);
    showOptionsTab(window, next);
    focusControl(window, firstTabStop(window));
}

LRESULT CALLBACK optionsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const OptionsState* s = windowState<OptionsState>(window, message, lParam);
    switch (message) {
    case DM_GETDEFID:
        return MAKELRESULT(options_command::kOk, DC_HASDEFID);
    case kNextPageMessage:
        if (s) turnPage(window, *s, wParam != 0);
        return 1;
    case WM_COMMAND:
        // wParam as a whole: an edit's change notification is not its id's command
        if (s && onCommand(window, *s, wParam)) return 0;
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (s && header.hwndFrom == s->controls[TabStrip] &&
            header.code == static_cast<UINT>(TCN_SELCHANGE)) {
            showOptionsTab(window, static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    }
    case WM_CLOSE:  // as Cancel: nothing stored, the schedule stays suspended
        DestroyWindow(window);
        return 0;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

void openOptions(const OptionsContext& context) {
    openFeatureWindow(kOptionsClass, [&] { return createOptionsWindow(context); });
}

HWND createOptionsWindow(const OptionsContext& context) {
    // the pickers' and the list's classes must be registered before they are made
    useCommonControls();
    const Settings shownBefore = currentSettings();
    auto state = std::make_unique<OptionsState>(context);
    const HWND window = createFeatureWindow(
        kOptionsClass, optionsProcedure,
        iconSourceFile(shownBefore.AppIcon, programFacts().homeDirectory),
        bilingual(german(), "Dormival Optionen", "Dormival Options"), &state);
    OptionsState* s = stateOfWindow(window);
    if (!s) return nullptr;
    // in the language the window's creation took
    s->font.reset(createSmallFont());
    const std::vector<TableControl> table = controlTable(context, static_cast<HFONT>(s->font.get()));
    const Layout layout = layOutTable(table, kClientSize);
    placeFeatureWindow(window, layout, {400, 320});
    ShowWindow(window, SW_SHOWNORMAL);

    s->controls = createControls(window, context, table, layout);
    showSettings(s->controls, shownBefore);
    arrangeForKeyboard(window, std::vector<HWND>(s->controls.begin(), s->controls.end()), table);
    showOptionsTab(window, 0);
    rememberFocus(window, firstTabStop(window));
    UpdateWindow(window);
    return window;
}

HWND optionsWindow() { return openWindowOfClass(kOptionsClass); }

void showOptionsTab(HWND window, int index) {
    if (const OptionsState* s = stateOfWindow(window)) showPage(window, s->controls, index);
}

OptionsRecord optionsRecordFromControls(HWND window) {
    const OptionsState* s = stateOfWindow(window);
    return s ? recordFrom(s->controls) : OptionsRecord{};
}

bool storeOptionsRecord(const OptionsRecord& record, bool hibernationAvailable) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    if (!saveOptionsRecord(currentSettings(), record, hibernationAvailable, store)) return false;
    setAutostart(record.autostart, programFacts().homeDirectory);
    return true;
}

bool saveOptions(HWND window) {
    const OptionsState* s = stateOfWindow(window);
    if (!s) return false;
    if (storeOptionsRecord(recordFrom(s->controls), s->context.hibernationAvailable)) return true;
    const bool de = german();
    MessageBoxA(window,
                bilingual(de,
                          "Die Einstellungen konnten nicht gespeichert werden. Die bisherigen "
                          "Einstellungen bleiben erhalten.",
                          "The settings could not be saved. The previous settings are kept."),
                bilingual(de, "Dormival Optionen", "Dormival Options"), MB_OK | MB_ICONERROR);
    return false;
}

void openCommandLineHelp(HWND window) {
    const char* file = bilingual(german(), "Kommandozeile.txt", "Commandline.txt");
    const std::string path = programFacts().homeDirectory + "\\" + file;
    ShellExecuteA(window, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void addOptionsComputer(HWND window, const std::string& name) {
    const OptionsState* s = stateOfWindow(window);
    if (name.empty() || !s || !s->controls[ComputerList]) return;
    if (!networkComputersTake(listedComputers(s->controls), name)) {
        refuse(window,
               "Dieser Computer passt nicht mehr in die Liste: alle Namen zusammen dürfen höchstens "
               "249 Zeichen lang sein.",
               "This computer does not fit in the list: all names together may be 249 characters "
               "long at most.");
        return;
    }
    const HWND list = s->controls[ComputerList];
    appendListRow(list, name);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}

void removeSelectedOptionsComputer(HWND window) {
    const OptionsState* s = stateOfWindow(window);
    if (!s) return;
    const HWND list = s->controls[ComputerList];
    const int selected = selectedListRow(list);
    if (selected < 0) return;
    const bool de = german();
    if (MessageBoxA(window,
                    bilingual(de, "Maschine aus Liste entfernen ?", "Remove machine from list  ?"),
                    bilingual(de, "Frage", "Question"), MB_ICONQUESTION | MB_YESNO) == IDYES)
        SendMessageA(list, LVM_DELETEITEM, selected, 0);
}

bool setOptionsIconPath(HWND window, const std::string& path) {
    const OptionsState* s = stateOfWindow(window);
    if (!s || !s->controls[IconPath]) return false;
    if (path.size() > kMaxSettingLength) {
        refuse(window,
               "Der Pfad des Symbols ist zu lang (höchstens 249 Zeichen). Das bisherige Symbol bleibt.",
               "The icon's path is too long (249 characters at most). The previous icon is kept.");
        return false;
    }
    SetWindowTextA(s->controls[IconPath], path.c_str());
    return true;
}
