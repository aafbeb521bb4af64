#include "options/options_controls_win.h"

#include <commctrl.h>

#include <string>

#include "common/command_ids.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/version.h"
#include "options/options_ids.h"
#include "options/options_view.h"
#include "settings/action_items.h"
#include "settings/settings.h"
#include "win32/list_view_win.h"

namespace options_ui {
namespace {

constexpr int kWindow = -1;  // parent: the window itself
constexpr int kAllTabs = -1;

using Kind = ControlKind;

struct ControlSpec {
    Control control;
    Kind kind;
    int tab;
    int parent;  // the group box the place is given in, or kWindow
    int x, y, width, height;
    const char* de;
    const char* en;
    int id = 0;
};

constexpr const char* kForce = "Alle Operationen ohne Nachfrage durchführen (Force)";
constexpr const char* kForceEn = "Forces processes to terminate. ";

// Places at 96 DPI, in the group box given or the window (a drop-down
// list's closed); texts as the user sees them. Group boxes sit at x 20,
// 385 wide; the radio buttons and push buttons are placed in the window.
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

bool german() { return programFacts().german; }

// The pickers and the list keep their own font; the others take the small one.
HFONT fontOf(Kind kind, HGDIOBJ small) {
    const bool own = kind == Kind::TimePicker || kind == Kind::DatePicker || kind == Kind::List;
    return own ? nullptr : static_cast<HFONT>(small);
}

// Everything a control ever shows, so that the layout gives it room for
// the widest: its text, a list's items, a picker's widest value.
std::vector<std::string> shownTexts(const ControlSpec& spec, const OptionsContext& context) {
    const bool de = german(), hibernation = context.hibernationAvailable;
    switch (spec.control) {
    case ActionList: return scheduledActionItems(de, hibernation);
    case ClickList: return clickActionItems(de, hibernation);
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

void fillList(HWND list, const std::vector<std::string>& items) {
    for (const std::string& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

HWND createControl(HWND window, Controls& controls, const ControlSpec& spec,
                   const TableControl& entry, const Layout& layout) {
    // in the window, where its group box holds it
    Box place = layout.boxes[spec.control];
    if (spec.parent != kWindow) {
        place.x += layout.boxes[static_cast<std::size_t>(spec.parent)].x;
        place.y += layout.boxes[static_cast<std::size_t>(spec.parent)].y;
    }
    DWORD style = 0;
    if (spec.kind == Kind::List)
        style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | WS_BORDER;
    // the tab strip lies beneath the controls on it and never paints over them
    if (spec.kind == Kind::Tabs) style = TCS_MULTILINE | WS_CLIPSIBLINGS;
    const HWND control = createTableControl(window, spec.kind, bilingual(german(), spec.de, spec.en),
                                            place, spec.id, entry.font, style);
    controls[spec.control] = control;
    // an edit never takes more than a load keeps: a longer value would be
    // stored by OK and dropped by the next start
    if (spec.kind == Kind::Edit) SendMessageA(control, EM_LIMITTEXT, kMaxSettingLength, 0);
    return control;
}

void addTabs(HWND tabs) {
    for (int i = 0; i < 6; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT | TCIF_IMAGE;
        tab.pszText = const_cast<char*>(bilingual(german(), kTabs[i][0], kTabs[i][1]));
        tab.iImage = i;
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
    }
}

}  // namespace

std::vector<TableControl> controlTable(const OptionsContext& context, HFONT font) {
    std::vector<TableControl> table;
    for (const ControlSpec& spec : kControls)
        table.push_back({spec.kind, {spec.x, spec.y, spec.width, spec.height}, spec.parent,
                         spec.tab, shownTexts(spec, context), fontOf(spec.kind, font), spec.id});
    return table;
}

Controls createControls(HWND window, const OptionsContext& context,
                        const std::vector<TableControl>& table, const Layout& layout) {
    const bool de = german(), hibernation = context.hibernationAvailable;
    Controls controls{};
    for (const ControlSpec& spec : kControls)
        if (spec.control != ForceHibernate || hibernation)
            createControl(window, controls, spec, table[spec.control], layout);
    fillList(controls[ActionList], scheduledActionItems(de, hibernation));
    fillList(controls[ClickList], clickActionItems(de, hibernation));
    if (hibernation) SetWindowTextA(controls[StandbyGroup], kStandbyWithHibernate);
    SetWindowTextA(controls[WindowsName], context.windowsName.c_str());
    SetWindowTextA(controls[WindowsVersion], context.windowsVersion.c_str());
    SetWindowTextA(controls[MemoryLine],
                   physicalMemoryText(context.totalPhysicalBytes, de).c_str());
    for (Control c : {PowerOff, ForceShutdown, CheckAndRestore, Autostart, ForceHibernate,
                      ForceStandby})
        if (controls[c])  // the defaults, until the settings are loaded
            SendMessageA(controls[c], BM_SETCHECK, BST_CHECKED, 0);
    insertListColumn(controls[ComputerList], 0, bilingual(de, "Netzwerkcomputer", "Network PC"),
                     200);
    if (controls[TabStrip]) addTabs(controls[TabStrip]);
    return controls;
}

void showPage(HWND window, const Controls& controls, int page) {
    for (const ControlSpec& spec : kControls)
        if (const HWND c = controls[spec.control])
            ShowWindow(c, spec.tab == page || spec.tab == kAllTabs ? SW_SHOW : SW_HIDE);
    // A group box does not erase what lies inside it: the window is erased
    // and drawn anew, so that a tab's group, wider than the last tab's,
    // does not keep the last picture in it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace options_ui
