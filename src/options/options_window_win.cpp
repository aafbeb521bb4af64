#include "options/options_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <vector>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/version.h"
#include "common/window_state_win.h"
#include "options/options_view.h"
#include "settings/current_settings_win.h"
#include "settings/network_drives.h"
#include "settings/settings.h"
#include "settings/settings_registry_win.h"
#include "settings/startup_link_win.h"
#include "win32/common_controls_win.h"
#include "win32/file_dialog_win.h"
#include "win32/list_view_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"

namespace {

// Every control of the window, in the order it is built.
enum Control {
    TaskGroup, ActionLabel, ActionList, Minutes, MinutesLabel, DateTimeLabel, ShowWarning,
    WarningSeconds, WarningLabel, NoAction, AfterStart, AtTime, AtDateTime,
    RebootGroup, ForceReboot, LogoffGroup, ForceLogoff, ShutdownGroup, ForceShutdown, NoPowerOff,
    PowerOff, StandbyGroup, ForceHibernate, ForceStandby,
    ScreenGroup, RestoreSeconds, RestoreLabel, ApplyUnchecked, CheckAndRestore,
    OptionsGroup, CommandLineLabel, Autostart, EmptyCache, DoubleClick, ClickLabel, ClickList,
    IconLabel, IconPath, CommandLineHelp, ChooseIcon,
    Ok, Cancel,
    InfoGroup, ProductLine, WindowsName, WindowsVersion, MemoryLine,
    NetworkGroup, ComputerList, ForceNet, DisplayTimeLabel, DisplaySeconds, AddComputer,
    RemoveComputer,
    Time, Date, DateTime,  // the pickers, made while the controls are loaded
    TabStrip,
    kControlCount
};

constexpr int kWindow = -1;  // parent: the window itself
constexpr int kAllTabs = -1;

using Kind = ControlKind;

struct ControlSpec {
    Control control;
    Kind kind;
    int tab;
    int parent;  // a group box's Control, or kWindow
    int x, y, width, height;
    const char* de;
    const char* en;
    int id = 0;
};

constexpr const char* kForce = "Alle Operationen ohne Nachfrage durchführen (Force)";
constexpr const char* kForceEn = "Forces processes to terminate. ";

// Places at 96 DPI, relative to the parent (a drop-down list's closed);
// texts as the user sees them. Group boxes sit at x 20, 385 wide; radio
// buttons and push buttons belong to the window so that a tab's radio
// buttons form one set.
constexpr ControlSpec kControls[] = {
    {TaskGroup, Kind::Group, 0, kWindow, 20, 60, 385, 180, "Task-Manager", "Task-Manager"},
    {ActionLabel, Kind::Label, 0, TaskGroup, 20, 18, 180, 13, "Auszuführende Aktion festlegen : ",
     "select action : "},
    {ActionList, Kind::Combo, 0, TaskGroup, 200, 18, 140, 21, "", ""},
    {Minutes, Kind::Edit, 0, TaskGroup, 130, 58, 50, 16, "120", "120"},
    {MinutesLabel, Kind::Label, 0, TaskGroup, 190, 58, 150, 13, "Minuten nach dem Einschalten",
     "minutes after Windows started"},
    {DateTimeLabel, Kind::Label, 0, TaskGroup, 24, 114, 86, 13, "Datum / Uhrzeit : ",
     "Date /Time"},
    {ShowWarning, Kind::Check, 0, TaskGroup, 8, 138, 130, 13, "&Warnhinweis anzeigen",
     "&Show warning"},
    {WarningSeconds, Kind::Edit, 0, TaskGroup, 140, 138, 54, 16, "", ""},
    {WarningLabel, Kind::Label, 0, TaskGroup, 200, 138, 180, 13, "Sekunden vor dem Herunterfahren",
     "seconds before shutdown "},
    {NoAction, Kind::Radio, 0, kWindow, 30, 102, 220, 13, "Keine Aktion ausführen", "no action"},
    {AfterStart, Kind::Radio, 0, kWindow, 30, 120, 120, 13, "Aktion ausführen", "make action"},
    {AtTime, Kind::Radio, 0, kWindow, 30, 138, 200, 13, "Aktion ausführen zur festgelegten Zeit :",
     "action to a given time"},
    {AtDateTime, Kind::Radio, 0, kWindow, 30, 156, 310, 13,
     "Aktion ausführen zum festgelegten Datum und Uhrzeit :", "action to a given datetime"},

    {RebootGroup, Kind::Group, 2, kWindow, 20, 60, 385, 40, "&Reboot", "&Reboot"},
    {ForceReboot, Kind::Check, 2, RebootGroup, 10, 16, 305, 13, kForce, kForceEn},
    {LogoffGroup, Kind::Group, 2, kWindow, 20, 100, 385, 40, "&LogOff", "&LogOff"},
    {ForceLogoff, Kind::Check, 2, LogoffGroup, 10, 16, 305, 13, kForce, kForceEn},
    {ShutdownGroup, Kind::Group, 2, kWindow, 20, 140, 385, 70, "ShutDown", "ShutDown"},
    {ForceShutdown, Kind::Check, 2, ShutdownGroup, 10, 46, 305, 13, kForce, kForceEn},
    {NoPowerOff, Kind::Radio, 2, kWindow, 30, 156, 270, 13, "Strom nicht abschalten",
     "no power off"},
    {PowerOff, Kind::Radio, 2, kWindow, 30, 170, 363, 13,
     "Strom abschalten (System muss PowerOff Funktion unterstützen)", "power off"},
    {StandbyGroup, Kind::Group, 2, kWindow, 20, 210, 385, 50, "&StandbyModus ", "&StandbyModus "},
    {ForceHibernate, Kind::Check, 2, StandbyGroup, 4, 20, 344, 13,
     "Alle Operationen ohne Nachfrage durchführen (Force Hibernate)",
     "Forces processes to terminate.(Hibernate) "},
    {ForceStandby, Kind::Check, 2, StandbyGroup, 4, 34, 358, 13,
     "Alle Operationen ohne Nachfrage durchführen (Force - Standby)",
     "Forces processes to terminate.(Standby) "},

    {ScreenGroup, Kind::Group, 1, kWindow, 20, 60, 385, 180, "&Bildschirmoptionen",
     "&Screen Options"},
    {RestoreSeconds, Kind::Edit, 1, ScreenGroup, 30, 104, 40, 16, "10", "10"},
    {RestoreLabel, Kind::Label, 1, ScreenGroup, 80, 104, 220, 13, "Sekunden zurücksetzen",
     "seconds"},
    {ApplyUnchecked, Kind::Radio, 1, kWindow, 30, 126, 290, 13,
     "Bildschirmeinstellungen ohne Überprüfung übernehmen", "Set screen settings without checking"},
    {CheckAndRestore, Kind::Radio, 1, kWindow, 30, 140, 313, 13,
     "Bildschirmeinstellungen überprüfen und gegebenenfalls nach",
     "Check Screen Settings and restore after"},

    {OptionsGroup, Kind::Group, 3, kWindow, 20, 60, 385, 200, "&Optionen", "&Options"},
    {CommandLineLabel, Kind::Label, 3, OptionsGroup, 20, 40, 210, 13,
     "Dormival unterstützt Kommandozeilen", "Dormival supports command lines"},
    {Autostart, Kind::Check, 3, OptionsGroup, 20, 70, 305, 13,
     "Dormival beim Systemstart automatisch starten", "Start Dormival from startup"},
    {EmptyCache, Kind::Check, 3, OptionsGroup, 20, 84, 360, 13,
     "&Leeren des Ordners \"Temporary Internet Files\" beim Start von Dormival",
     "&Empty folder  \"Temporary Internet Files\" by starting Dormival"},
    {DoubleClick, Kind::Check, 3, OptionsGroup, 20, 98, 360, 13,
     "&Aktion ausführen bei Doppelklick/sonst Einzelklick",
     "&Use Doubleclick for action(otherwise Singleclick)"},
    {ClickLabel, Kind::Label, 3, OptionsGroup, 20, 130, 180, 13, "Bei linkem Mausklick : ",
     "By Clicking the left mousebutton : "},
    {ClickList, Kind::Combo, 3, OptionsGroup, 200, 130, 140, 21, "", ""},
    {IconLabel, Kind::Label, 3, OptionsGroup, 20, 154, 200, 13, "Folgendes Icon anzeigen in Taskbar ",
     "Choose Display Icon in Taskbar  "},
    {IconPath, Kind::Label, 3, OptionsGroup, 46, 170, 300, 13, "", ""},
    {CommandLineHelp, Kind::Push, 3, kWindow, 260, 90, 100, 25, "&Kommandozeile", "&Commandline",
     options_command::kCommandLineHelp},
    {ChooseIcon, Kind::Push, 3, kWindow, 40, 228, 20, 20, "...", "...",
     options_command::kChooseIcon},

    {Ok, Kind::Push, kAllTabs, kWindow, 210, 274, 100, 25, "&OK", "&OK", options_command::kOk},
    {Cancel, Kind::Push, kAllTabs, kWindow, 320, 274, 100, 25, "&Abbrechen", "&Cancel",
     options_command::kCancel},

    {InfoGroup, Kind::Group, 5, kWindow, 20, 60, 385, 180, "Information", "Information"},
    {ProductLine, Kind::Label, 5, InfoGroup, 90, 30, 202, 30, "Dormival " DORMIVAL_VERSION, "Dormival " DORMIVAL_VERSION},
    {WindowsName, Kind::Label, 5, InfoGroup, 90, 128, 220, 13, "", ""},
    {WindowsVersion, Kind::Label, 5, InfoGroup, 90, 142, 220, 13, "", ""},
    {MemoryLine, Kind::Label, 5, InfoGroup, 90, 156, 220, 13, "", ""},

    {NetworkGroup, Kind::Group, 4, kWindow, 20, 60, 385, 180, "Netzwerk", "Network"},
    {ComputerList, Kind::List, 4, NetworkGroup, 30, 30, 220, 80, "", "", kComputerListId},
    {ForceNet, Kind::Check, 4, NetworkGroup, 30, 120, 300, 13,
     "Netzwerk-Shutdown erzwingen (Force)", "Force Network Shutdown"},
    {DisplayTimeLabel, Kind::Label, 4, NetworkGroup, 30, 135, 300, 13,
     "Hinweisfenster beim Shutdown anzeigen (in Sekunden)",
     "Time for displaying Shutdown (in seconds)"},
    {DisplaySeconds, Kind::Edit, 4, NetworkGroup, 30, 150, 40, 16, "", ""},
    {AddComputer, Kind::Push, 4, kWindow, 280, 90, 100, 25, "&Hinzufügen", "&Add",
     options_command::kAddComputer},
    {RemoveComputer, Kind::Push, 4, kWindow, 280, 116, 100, 25, "&Entfernen", "&Remove",
     options_command::kRemoveComputer},

    {Time, Kind::TimePicker, 0, TaskGroup, 230, 72, 110, 22, "", ""},
    {Date, Kind::DatePicker, 0, TaskGroup, 110, 110, 110, 22, "", ""},
    {DateTime, Kind::TimePicker, 0, TaskGroup, 220, 110, 110, 22, "", ""},
    {TabStrip, Kind::Tabs, kAllTabs, kWindow, 8, 8, 410, 260, "", ""},
};

// The table's order is the controls' order: a control's index is its place
// in the layout, and a group box comes before what it holds.
constexpr bool inControlOrder() {
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[i].control != i) return false;
    return true;
}
static_assert(std::size(kControls) == kControlCount && inControlOrder());

// The client area the places above were chosen for.
constexpr SIZE kClientSize{434, 319};

constexpr const char* kStandbyWithHibernate = "&StandbyModus / Hibernate";

constexpr const char* kTabs[][2] = {
    {"Task-Manager", "Task-Manager"}, {"Bildschirmoptionen", "ScreenOptions"},
    {"ShutDown", "ShutDown"},         {"Optionen", "Options"},
    {"Netzwerk", "Network"},          {"Information", "Information"},
};

// The two lists, each item's index the code it stands for; Hibernate last,
// and only while hibernation is offered.
constexpr const char* kActions[][2] = {
    {"System Herunterfahren", "ShutDown system"}, {"ReBoot des Systems", "reboot system "},
    {"LogOff", "LogOff"}, {"StandBy", "StandBy"}};
constexpr const char* kClickActions[][2] = {
    {"System Herunterfahren", "ShutDown system"}, {"ReBoot des Systems", "reboot system "},
    {"LogOff", "LogOff"}, {"StandBy", "StandBy"},
    {"Netzwerk herunterfahren", "Shutdown network "}, {"Reboot Netzwerk", "Reboot network "},
    {"Keine Aktion", "Do nothing"}};

static_assert(noneShared({options_command::kChooseIcon, options_command::kOk,
                          options_command::kCancel, options_command::kCommandLineHelp,
                          options_command::kAddComputer, options_command::kRemoveComputer,
                          kComputerListId}));

// The window's state, made and freed with it.
struct OptionsState {
    std::array<HWND, kControlCount> controls{};
    std::vector<Box> places;  // every control's, laid out at the screen's resolution
    HWND tabs = nullptr;
    OwnedGdiObject font;
    OptionsContext context;
};

HWND open = nullptr;

// The open window's state; the functions below run only while it is open.
OptionsState& state() { return *stateOf<OptionsState>(open); }

HWND control(Control c) { return state().controls[c]; }

const ControlSpec& specOf(Control c) {
    for (const ControlSpec& spec : kControls)
        if (spec.control == c) return spec;
    return kControls[0];
}

bool german() { return programFacts().german; }

std::string textOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(),
                                                        static_cast<int>(text.size()))));
    return text;
}

bool checked(Control c) { return SendMessageA(control(c), BM_GETCHECK, 0, 0) == BST_CHECKED; }
void check(Control c, bool on) {
    SendMessageA(control(c), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The pickers and the list keep their own font; the others take the small one.
HFONT fontOf(Kind kind, HGDIOBJ small) {
    const bool own = kind == Kind::TimePicker || kind == Kind::DatePicker || kind == Kind::List;
    return own ? nullptr : static_cast<HFONT>(small);
}

HWND createControl(const ControlSpec& spec) {
    const HWND parent = spec.parent == kWindow ? open : control(Control(spec.parent));
    DWORD style = 0;
    if (spec.kind == Kind::List)
        style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | WS_BORDER;
    // the tab strip lies beneath the groups and never paints over them
    if (spec.kind == Kind::Tabs) style = TCS_MULTILINE | WS_CLIPSIBLINGS;
    const HWND window = createTableControl(parent, spec.kind, bilingual(german(), spec.de, spec.en),
                                           state().places[spec.control], spec.id,
                                           fontOf(spec.kind, state().font.get()), style);
    state().controls[spec.control] = window;
    // an edit never takes more than a load keeps: a longer value would be
    // stored by OK and dropped by the next start
    if (spec.kind == Kind::Edit) SendMessageA(window, EM_LIMITTEXT, kMaxSettingLength, 0);
    return window;
}

void createControls(Control first, Control last) {
    for (const ControlSpec& spec : kControls) {
        if (spec.control < first || spec.control > last) continue;
        if (spec.control == ForceHibernate && !state().context.hibernationAvailable) continue;
        createControl(spec);
    }
}

template <std::size_t N>
std::vector<std::string> listTexts(const char* const (&items)[N][2], bool withHibernate) {
    std::vector<std::string> texts;
    for (const auto& item : items) texts.push_back(bilingual(german(), item[0], item[1]));
    if (withHibernate) texts.push_back("Hibernate");
    return texts;
}

// Everything a control ever shows, so that the layout gives it room for
// the widest: its text, a list's items, a picker's widest value.
std::vector<std::string> shownTexts(const ControlSpec& spec, const OptionsContext& context) {
    const bool de = german(), hibernation = context.hibernationAvailable;
    switch (spec.control) {
    case ActionList: return listTexts(kActions, hibernation);
    case ClickList: return listTexts(kClickActions, hibernation);
    case Time:
    case DateTime: return {"00:00:00 "};
    case Date: return {"28.09.2026"};
    case WindowsName: return {context.windowsName};
    case WindowsVersion: return {context.windowsVersion};
    case MemoryLine: return {physicalMemoryText(context.totalPhysicalBytes, de)};
    case StandbyGroup:
        if (hibernation) return {kStandbyWithHibernate};
        [[fallthrough]];
    default: return {bilingual(de, spec.de, spec.en)};
    }
}

Layout layOutControls(const OptionsContext& context, HGDIOBJ font) {
    std::vector<TableControl> table;
    for (const ControlSpec& spec : kControls)
        table.push_back({spec.kind, {spec.x, spec.y, spec.width, spec.height}, spec.parent,
                         spec.tab, shownTexts(spec, context), fontOf(spec.kind, font)});
    return layOutTable(table, kClientSize);
}

template <std::size_t N>
void fillList(HWND list, const char* const (&items)[N][2], bool withHibernate) {
    for (const auto& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bilingual(german(), item[0], item[1])));
    if (withHibernate)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Hibernate"));
}

int listCount(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); }

SYSTEMTIME nowWith(const std::optional<TimeOfDay>& time, const std::optional<CalendarDate>& date) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    if (time) {
        t.wHour = static_cast<WORD>(time->hour);
        t.wMinute = static_cast<WORD>(time->minute);
        t.wSecond = static_cast<WORD>(time->second);
        t.wMilliseconds = 0;
    }
    if (date) {
        t.wDay = static_cast<WORD>(date->day);
        t.wMonth = static_cast<WORD>(date->month);
        t.wYear = static_cast<WORD>(date->year);
        t.wDayOfWeek = 0;
    }
    return t;
}

// A picker showing the stored time or date; one the control refuses (a
// hand-edited 99:99:99, say) leaves it at the current time.
void createPicker(Control c, const char* format, const SYSTEMTIME& shown) {
    const HWND picker = createControl(specOf(c));
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format));
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
}

std::optional<SYSTEMTIME> pickerValue(Control c) {
    SYSTEMTIME t{};
    if (!control(c) ||
        SendMessageA(control(c), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) != GDT_VALID)
        return std::nullopt;
    return t;
}

std::string pickerTime(Control c) {
    const auto t = pickerValue(c);
    return t ? timeOfDayText({t->wHour, t->wMinute, t->wSecond}) : "";
}

std::vector<std::string> computers() {
    const HWND list = control(ComputerList);
    std::vector<std::string> names;
    for (int row = 0; row < listRowCount(list); ++row) names.push_back(listCellText(list, row, 0));
    return names;
}

// Sets every control from the settings read afresh, and makes the pickers.
void loadControls() {
    loadSettings();
    const OptionsView v = optionsView(currentSettings());
    for (const std::string& name : v.networkComputers) appendListRow(control(ComputerList), name);
    check(DoubleClick, v.doubleClick);
    SetWindowTextA(control(DisplaySeconds), v.networkWarningSecondsText.c_str());
    check(ForceNet, v.forceNetShutdown);
    const Control modes[] = {NoAction, AfterStart, AtTime, AtDateTime};
    for (int mode = 0; mode < 4; ++mode) check(modes[mode], v.scheduleMode == mode);
    SetWindowTextA(control(Minutes), v.minutesText.c_str());
    SetWindowTextA(control(WarningSeconds), v.warningSecondsText.c_str());
    check(ShowWarning, v.showWarning);
    check(PowerOff, v.powerOff);
    check(NoPowerOff, !v.powerOff);
    check(CheckAndRestore, v.checkScreen);
    check(ApplyUnchecked, !v.checkScreen);
    SetWindowTextA(control(RestoreSeconds), v.restoreSecondsText.c_str());
    check(ForceShutdown, v.forceShutdown);
    check(ForceReboot, v.forceReboot);
    check(ForceLogoff, v.forceLogoff);
    check(ForceStandby, v.forceStandby);
    if (control(ForceHibernate)) check(ForceHibernate, v.forceHibernate);
    check(EmptyCache, v.emptyCache);
    check(Autostart, v.autostart);
    constexpr const char* kTimeFormat = "HH':'mm':'ss ";
    createPicker(Time, kTimeFormat, nowWith(v.time, std::nullopt));
    createPicker(Date, "dd'.'MM'.'yyyy", nowWith(std::nullopt, v.date));
    createPicker(DateTime, kTimeFormat, nowWith(v.dateTime, std::nullopt));
}

bool createTabs() {
    const HWND tabs = state().tabs = createControl(specOf(TabStrip));
    if (!tabs) return false;
    for (int i = 0; i < 6; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT | TCIF_IMAGE;
        tab.pszText = const_cast<char*>(bilingual(german(), kTabs[i][0], kTabs[i][1]));
        tab.iImage = i;
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
    }
    // beneath the groups it frames
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

// A text the settings could not keep is refused where it is chosen: stored,
// it would be dropped by the next start.
void refuse(const char* de, const char* en) {
    MessageBoxA(open, bilingual(german(), de, en),
                bilingual(german(), "Dormival Optionen", "Dormival Options"), MB_OK | MB_ICONEXCLAMATION);
}

// OK: the settings stored, read back and acted on, and the window closed; a
// save that fails leaves it open with the edits.
void confirm(HWND window) {
    if (!saveOptions()) return;
    ShowWindow(window, SW_HIDE);
    loadSettings();
    if (state().context.confirmed) state().context.confirmed();
    DestroyWindow(window);
}

void chooseIcon() {
    const bool de = german();
    const std::string file =
        chooseAnyFile(mainWindow(), de, bilingual(de, "Programmicon austauschen", "Replace Icon "));
    // the icon changes at once, but only to one the settings can keep
    if (!file.empty() && setOptionsIconPath(file) && state().context.showTrayIcon)
        state().context.showTrayIcon(file);
}

void addComputerFromBrowser() {
    if (state().context.browseForComputer)
        addOptionsComputer(state().context.browseForComputer(
            open, bilingual(german(), "Computer suchen", "Browse for Computer")));
}

bool onCommand(HWND window, WPARAM id) {
    switch (id) {
    case options_command::kOk: confirm(window); return true;
    case options_command::kCancel: DestroyWindow(window); return true;  // nothing stored
    case options_command::kCommandLineHelp: openCommandLineHelp(); return true;
    case options_command::kAddComputer: addComputerFromBrowser(); return true;
    case options_command::kRemoveComputer: removeSelectedOptionsComputer(); return true;
    case options_command::kChooseIcon: chooseIcon(); return true;
    default: return false;
    }
}

LRESULT CALLBACK optionsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const OptionsState* s = windowState<OptionsState>(window, message, open);
    switch (message) {
    case WM_COMMAND:
        // wParam as a whole: an edit's change notification is not its id's command
        if (s && onCommand(window, wParam)) return 0;
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (s && header.hwndFrom == s->tabs && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
            showOptionsTab(static_cast<int>(SendMessageA(s->tabs, TCM_GETCURSEL, 0, 0)));
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
    openFeatureWindow(open, [&] { return createOptionsWindow(context); });
}

HWND createOptionsWindow(const OptionsContext& context) {
    // the pickers' and the list's classes must be registered before they are made
    useCommonControls();
    const bool de = german();
    const Settings shownBefore = currentSettings();
    const HWND window = createFeatureWindow(
        kOptionsClass, optionsProcedure,
        iconSourceFile(shownBefore.AppIcon, programFacts().homeDirectory),
        bilingual(de, "Dormival Optionen", "Dormival Options"));
    if (!stateOf<OptionsState>(window)) return nullptr;
    OptionsState& s = state();
    s.context = context;
    s.font.reset(createSmallFont());
    const Layout layout = layOutControls(context, s.font.get());
    s.places = layout.boxes;
    placeFeatureWindow(window, layout, {400, 320});
    ShowWindow(window, SW_SHOWNORMAL);

    createControls(TaskGroup, AtDateTime);
    fillList(control(ActionList), kActions, context.hibernationAvailable);
    if (!shownBefore.TaskManagerAktion.empty())
        SendMessageA(control(ActionList), CB_SETCURSEL,
                     storedListItem(shownBefore.TaskManagerAktion, listCount(control(ActionList))),
                     0);
    createControls(RebootGroup, ChooseIcon);
    if (context.hibernationAvailable)
        SetWindowTextA(control(StandbyGroup), kStandbyWithHibernate);
    fillList(control(ClickList), kClickActions, context.hibernationAvailable);
    SendMessageA(control(ClickList), CB_SETCURSEL, 0, 0);
    if (!shownBefore.mouseclick.empty())
        SendMessageA(control(ClickList), CB_SETCURSEL,
                     storedListItem(shownBefore.mouseclick, listCount(control(ClickList))), 0);
    SetWindowTextA(control(IconPath), shownBefore.AppIcon.c_str());
    createControls(Ok, MemoryLine);
    SetWindowTextA(control(WindowsName), context.windowsName.c_str());
    SetWindowTextA(control(WindowsVersion), context.windowsVersion.c_str());
    SetWindowTextA(control(MemoryLine), physicalMemoryText(context.totalPhysicalBytes, de).c_str());
    for (Control c : {PowerOff, ForceShutdown, CheckAndRestore, Autostart, ForceHibernate,
                      ForceStandby})
        if (control(c)) check(c, true);  // the defaults, until the settings are loaded

    createControls(NetworkGroup, RemoveComputer);
    if (!insertListColumn(control(ComputerList), 0, bilingual(de, "Netzwerkcomputer", "Network PC"),
                          200))
        return window;  // the window stays as far as it was built

    loadControls();
    createTabs();
    showOptionsTab(0);
    UpdateWindow(window);
    return window;
}

HWND optionsWindow() { return open; }

void showOptionsTab(int index) {
    if (!open) return;
    for (const ControlSpec& spec : kControls)
        if (const HWND c = control(spec.control))
            ShowWindow(c, spec.tab == index || spec.tab == kAllTabs ? SW_SHOW : SW_HIDE);
    // A group box does not erase what lies inside it: the window is erased
    // and drawn anew, so that a tab's group, wider than the last tab's,
    // does not keep the last picture in it.
    RedrawWindow(open, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

OptionsRecord optionsRecordFromControls() {
    OptionsRecord r;
    if (!open) return r;
    const Control modes[] = {NoAction, AfterStart, AtTime, AtDateTime};
    for (int mode = 0; mode < 4; ++mode)
        if (checked(modes[mode])) r.scheduleMode = mode;
    r.scheduledAction = static_cast<int>(SendMessageA(control(ActionList), CB_GETCURSEL, 0, 0));
    r.minutesText = textOf(control(Minutes));
    r.timeText = pickerTime(Time);
    if (const auto d = pickerValue(Date)) r.dateText = dateText({d->wDay, d->wMonth, d->wYear});
    r.dateTimeText = pickerTime(DateTime);
    r.showWarning = checked(ShowWarning);
    r.warningSecondsText = textOf(control(WarningSeconds));
    r.powerOff = checked(PowerOff);
    r.forceShutdown = checked(ForceShutdown);
    r.forceReboot = checked(ForceReboot);
    r.forceLogoff = checked(ForceLogoff);
    r.forceStandby = checked(ForceStandby);
    r.forceHibernate = control(ForceHibernate) && checked(ForceHibernate);
    r.clickAction = static_cast<int>(SendMessageA(control(ClickList), CB_GETCURSEL, 0, 0));
    r.doubleClick = checked(DoubleClick);
    r.checkScreen = !checked(ApplyUnchecked);
    r.restoreSecondsText = textOf(control(RestoreSeconds));
    r.emptyCache = checked(EmptyCache);
    r.iconPath = textOf(control(IconPath));
    r.networkComputers = computers();
    r.forceNetShutdown = checked(ForceNet);
    r.networkWarningSecondsText = textOf(control(DisplaySeconds));
    r.autostart = checked(Autostart);
    return r;
}

bool storeOptionsRecord(const OptionsRecord& record, bool hibernationAvailable) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    if (!saveOptionsRecord(currentSettings(), record, hibernationAvailable, store)) return false;
    setAutostart(record.autostart, programFacts().homeDirectory);
    return true;
}

bool saveOptions() {
    if (!open) return false;
    if (storeOptionsRecord(optionsRecordFromControls(), state().context.hibernationAvailable))
        return true;
    const bool de = german();
    MessageBoxA(open,
                bilingual(de,
                          "Die Einstellungen konnten nicht gespeichert werden. Die bisherigen "
                          "Einstellungen bleiben erhalten.",
                          "The settings could not be saved. The previous settings are kept."),
                bilingual(de, "Dormival Optionen", "Dormival Options"), MB_OK | MB_ICONERROR);
    return false;
}

void closeOptionsWindow() {
    if (open) DestroyWindow(open);
}

void openCommandLineHelp() {
    const char* file = bilingual(german(), "Kommandozeile.txt", "Commandline.txt");
    const std::string path = programFacts().homeDirectory + "\\" + file;
    ShellExecuteA(open, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void addOptionsComputer(const std::string& name) {
    if (name.empty() || !open || !control(ComputerList)) return;
    if (!networkDrivesTake(computers(), name)) {
        refuse("Dieser Computer passt nicht mehr in die Liste: alle Namen zusammen dürfen höchstens "
               "249 Zeichen lang sein.",
               "This computer does not fit in the list: all names together may be 249 characters "
               "long at most.");
        return;
    }
    appendListRow(control(ComputerList), name);
    InvalidateRect(control(ComputerList), nullptr, TRUE);
    UpdateWindow(control(ComputerList));
}

void removeSelectedOptionsComputer() {
    if (!open) return;
    const HWND list = control(ComputerList);
    const int selected = selectedListRow(list);
    if (selected < 0) return;
    const bool de = german();
    if (MessageBoxA(open,
                    bilingual(de, "Maschine aus Liste entfernen ?", "Remove machine from list  ?"),
                    bilingual(de, "Frage", "Question"), MB_ICONQUESTION | MB_YESNO) == IDYES)
        SendMessageA(list, LVM_DELETEITEM, selected, 0);
}

bool setOptionsIconPath(const std::string& path) {
    if (!open || !control(IconPath)) return false;
    if (path.size() > kMaxSettingLength) {
        refuse("Der Pfad des Symbols ist zu lang (höchstens 249 Zeichen). Das bisherige Symbol bleibt.",
               "The icon's path is too long (249 characters at most). The previous icon is kept.");
        return false;
    }
    SetWindowTextA(control(IconPath), path.c_str());
    return true;
}

