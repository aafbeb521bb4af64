#include "power/conditions_window_win.h"

#include <algorithm>
#include <memory>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/decimal.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "power/condition_samplers_win.h"
#include "power/condition_trigger_win.h"
#include "power/power_calls_win.h"
#include "power/program_watch_win.h"
#include "power/schedule_ticks_win.h"
#include "settings/action_items.h"
#include "settings/current_settings_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"
#include "win32/system_error_text_win.h"

namespace {

namespace id = conditions_control;

static_assert(noneShared({id::kActionLabel, id::kActionList, id::kIdle, id::kIdleMinutes,
                          id::kIdleUnit, id::kIdleNow, id::kProcessor, id::kProcessorPercent,
                          id::kProcessorMiddle, id::kProcessorMinutes, id::kProcessorUnit,
                          id::kProcessorNow, id::kNetwork, id::kNetworkKBps, id::kNetworkMiddle,
                          id::kNetworkMinutes, id::kNetworkUnit, id::kNetworkNow, id::kProgram,
                          id::kProgramList, id::kArm, id::kCancel, id::kDisarm}));

constexpr UINT_PTR kNowTimerId = 1;
RunningPrograms runningPrograms = nullptr;

struct ConditionsState {
    OwnedGdiObject font;
    SamplersHold samplers;
};

using Kind = ControlKind;

// The rows at 96 DPI, in a client area of 660 x 210: a condition's check
// box, its two figures with the words between them, and the value now. The
// layout moves what a longer text pushes. Columns: the first figure, the
// words, the second figure, the unit, the value now.
constexpr int kFirst = 205, kMiddle = 250, kSecond = 365, kUnit = 410, kNow = 485;
constexpr PlainControl kControls[] = {
    {Kind::Label, {12, 15, 80, 13}, "Ak&tion:", "Ac&tion:", id::kActionLabel},
    {Kind::Combo, {kFirst, 12, 170, 21}, "", "", id::kActionList},
    {Kind::Check, {12, 46, 190, 17}, "Der &Computer ist seit", "the c&omputer has been idle for",
     id::kIdle},
    {Kind::Edit, {kFirst, 44, 40, 20}, "", "", id::kIdleMinutes},
    {Kind::Label, {kMiddle, 46, 120, 13}, "Minuten unbenutzt", "minutes", id::kIdleUnit},
    {Kind::Label, {kNow, 46, 170, 13}, "", "", id::kIdleNow},
    {Kind::Check, {12, 76, 190, 17}, "Der &Prozessor liegt seit", "the &processor has been below",
     id::kProcessor},
    {Kind::Edit, {kFirst, 74, 40, 20}, "", "", id::kProcessorPercent},
    {Kind::Label, {kMiddle, 76, 110, 13}, "Minuten unter", "% for", id::kProcessorMiddle},
    {Kind::Edit, {kSecond, 74, 40, 20}, "", "", id::kProcessorMinutes},
    {Kind::Label, {kUnit, 76, 70, 13}, "%", "minutes", id::kProcessorUnit},
    {Kind::Label, {kNow, 76, 170, 13}, "", "", id::kProcessorNow},
    {Kind::Check, {12, 106, 190, 17}, "Das &Netzwerk überträgt seit",
     "the &network has carried less than", id::kNetwork},
    {Kind::Edit, {kFirst, 104, 40, 20}, "", "", id::kNetworkKBps},
    {Kind::Label, {kMiddle, 106, 110, 13}, "Minuten weniger als", "KB/s for", id::kNetworkMiddle},
    {Kind::Edit, {kSecond, 104, 40, 20}, "", "", id::kNetworkMinutes},
    {Kind::Label, {kUnit, 106, 70, 13}, "KB/s", "minutes", id::kNetworkUnit},
    {Kind::Label, {kNow, 106, 170, 13}, "", "", id::kNetworkNow},
    {Kind::Check, {12, 136, 190, 17}, "Dieses Pro&gramm ist beendet:", "this pro&gram has ended:",
     id::kProgram},
    {Kind::Combo, {kFirst, 134, 240, 21}, "", "", id::kProgramList},
    // Disarm, present while something is armed, before the two always there
    {Kind::Push, {335, 174, 95, 25}, "Auf&heben", "&Disarm", id::kDisarm},
    {Kind::Push, {445, 174, 95, 25}, "&Scharf schalten", "&Arm", id::kArm},
    {Kind::Push, {555, 174, 95, 25}, "&Abbrechen", "&Cancel", id::kCancel},
};

// German names the minutes first: its two figures trade places.
int idInLanguage(int control, bool german) {
    if (!german) return control;
    switch (control) {
    case id::kProcessorPercent: return id::kProcessorMinutes;
    case id::kProcessorMinutes: return id::kProcessorPercent;
    case id::kNetworkKBps: return id::kNetworkMinutes;
    case id::kNetworkMinutes: return id::kNetworkKBps;
    default: return control;
    }
}

const char* unmeasuredText(bool german) {
    return bilingual(german, "braucht Windows 98 oder NT 4 SP4", "needs Windows 98 or NT 4 SP4");
}

// Each condition: its check box, the edits of its figures, its figures'
// ranges and where its figures live.
struct ConditionRow {
    int check, now;
    bool ConditionFigures::*ticked;
    struct Figure {
        int edit;
        std::uint32_t ConditionFigures::*value;
        FigureRange range;
    } figures[2];
};

constexpr ConditionRow kRows[] = {
    {id::kIdle, id::kIdleNow, &ConditionFigures::idle,
     {{id::kIdleMinutes, &ConditionFigures::idleMinutes, kMinutesRange}, {}}},
    {id::kProcessor, id::kProcessorNow, &ConditionFigures::processor,
     {{id::kProcessorMinutes, &ConditionFigures::processorMinutes, kMinutesRange},
      {id::kProcessorPercent, &ConditionFigures::processorPercent, kPercentRange}}},
    {id::kNetwork, id::kNetworkNow, &ConditionFigures::network,
     {{id::kNetworkMinutes, &ConditionFigures::networkMinutes, kMinutesRange},
      {id::kNetworkKBps, &ConditionFigures::networkKBps, kKBpsRange}}},
};

bool checked(HWND window, int control) {
    return IsWindowEnabled(GetDlgItem(window, control)) &&
           SendMessageA(GetDlgItem(window, control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool measured(const ConditionsState& s, int check) {
    if (check == id::kProcessor) return s.samplers->processorMeasured();
    if (check == id::kNetwork) return s.samplers->networkMeasured();
    return true;
}

void showFigures(HWND window, const ConditionsState& s, const ConditionFigures& figures) {
    for (const ConditionRow& row : kRows) {
        const bool on = measured(s, row.check);
        EnableWindow(GetDlgItem(window, row.check), on);
        SendMessageA(GetDlgItem(window, row.check), BM_SETCHECK, on && figures.*row.ticked, 0);
        for (const auto& figure : row.figures) {
            if (!figure.edit) continue;
            const HWND edit = GetDlgItem(window, figure.edit);
            SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_NUMBER);
            SendMessageA(edit, EM_LIMITTEXT, 7, 0);
            SetWindowTextA(edit, std::to_string(figures.*figure.value).c_str());
            EnableWindow(edit, on);
        }
        if (!on) SetWindowTextA(GetDlgItem(window, row.now), unmeasuredText(programFacts().german));
    }
}

// Where a name goes in the list, which is kept in order of names as it
// fills.
LRESULT placeByName(HWND list, const std::string& name) {
    LRESULT low = 0, high = SendMessageA(list, CB_GETCOUNT, 0, 0);
    char text[MAX_PATH];
    while (low < high) {
        const LRESULT middle = (low + high) / 2;
        text[0] = '\0';
        SendMessageA(list, CB_GETLBTEXT, middle, reinterpret_cast<LPARAM>(text));
        if (lstrcmpiA(text, name.c_str()) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void addProgram(HWND list, const std::string& name, LPARAM pid, LRESULT place) {
    const LRESULT item = SendMessageA(list, CB_INSERTSTRING, static_cast<WPARAM>(place),
                                      reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(item), pid);
}

// The running programs by name; first, and chosen, the item that stands
// for the program watched now, whichever process of that name runs.
void showPrograms(HWND window) {
    const HWND list = GetDlgItem(window, id::kProgramList);
    if (runningPrograms)
        for (const RunningProgram& program : runningPrograms())
            if (program.pid != GetCurrentProcessId())
                addProgram(list, program.name, program.pid, placeByName(list, program.name));
    if (programWatch().armed())
        addProgram(list,
                   programWatch().program() +
                       bilingual(programFacts().german, " (überwacht)", " (watched)"),
                   0, 0);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    SendMessageA(GetDlgItem(window, id::kProgram), BM_SETCHECK, programWatch().armed(), 0);
}

// Arm only with a condition ticked; Disarm only while something is armed.
void showButtons(HWND window) {
    bool any = checked(window, id::kProgram);
    for (const ConditionRow& row : kRows) any = any || checked(window, row.check);
    EnableWindow(GetDlgItem(window, id::kArm), any);
    ShowWindow(GetDlgItem(window, id::kDisarm),
               programWatch().armed() || conditionWatch().armed() ? SW_SHOWNA : SW_HIDE);
}

void showNow(HWND window, ConditionsState& s) {
    const bool german = programFacts().german;
    const ConditionSample& now = s.samplers->sampleThisSecond();
    if (now.idleSeconds)
        SetWindowTextA(GetDlgItem(window, id::kIdleNow),
                       idleNowText(*now.idleSeconds, german).c_str());
    if (now.processorPercent)
        SetWindowTextA(GetDlgItem(window, id::kProcessorNow),
                       processorNowText(*now.processorPercent, german).c_str());
    if (now.networkBytes)
        SetWindowTextA(GetDlgItem(window, id::kNetworkNow),
                       networkNowText(*now.networkBytes, german).c_str());
}

// What the controls hold; the tester's minute as the stored choice has it.
ConditionChoice choiceFromControls(HWND window, const ConditionChoice& stored) {
    ConditionChoice choice;
    const auto item = SendMessageA(GetDlgItem(window, id::kActionList), CB_GETCURSEL, 0, 0);
    if (item >= 0) choice.action = std::to_string(item);
    choice.figures.secondsPerMinute = stored.figures.secondsPerMinute;
    for (const ConditionRow& row : kRows) {
        choice.figures.*row.ticked = checked(window, row.check);
        for (const auto& figure : row.figures) {
            if (!figure.edit) continue;
            char text[16] = "";
            GetWindowTextA(GetDlgItem(window, figure.edit), text, sizeof(text));
            const auto value = static_cast<std::uint32_t>(std::max(0, settingAsInt(text)));
            choice.figures.*figure.value =
                std::clamp(value, figure.range.lowest, figure.range.highest);
        }
    }
    return choice;
}

// The process of a listed program, where it still runs that program: an
// id the system gave to another process since the list was read is not it.
HANDLE openListed(DWORD pid, const std::string& name) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return nullptr;
    if (runningPrograms)
        for (const RunningProgram& program : runningPrograms())
            if (program.pid == pid && program.name == name) return process;
    CloseHandle(process);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

// The program ticked: the one watched stays; another is watched from now on
// (where the user agrees to give up the one watched). False where it is not.
bool armProgram(HWND window, bool& keep) {
    keep = false;
    if (!checked(window, id::kProgram)) return true;
    const HWND list = GetDlgItem(window, id::kProgramList);
    const auto item = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (item < 0) return false;
    keep = item == 0 && programWatch().armed();
    if (keep) return true;
    char name[MAX_PATH] = "";
    SendMessageA(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(name));
    const auto pid = static_cast<DWORD>(SendMessageA(list, CB_GETITEMDATA, item, 0));
    const HANDLE process = openListed(pid, name);
    if (!process) {
        // an id no process has any more is a program that has ended
        const DWORD error = GetLastError();
        const bool german = programFacts().german;
        const std::string text =
            error == ERROR_INVALID_PARAMETER
                ? bilingual(german, "Dieses Programm ist schon beendet.",
                            "This program has ended already.")
                : SystemErrorText(error).value_or("OpenProcess()");
        MessageBoxA(window, text.c_str(), "Dormival", MB_ICONINFORMATION);
        return false;
    }
    keep = watchProgramEnd(process, name);
    return keep;
}

// The choice is stored, then armed, and the window closes; where the
// program cannot be watched, the choice stays as it was and so does the
// window. The window takes no input while a question is asked.
void arm(HWND window) {
    const ConditionChoice before = storedConditionChoice();
    const ConditionChoice choice = choiceFromControls(window, before);
    const ConditionFigures& f = choice.figures;
    const bool program = checked(window, id::kProgram);
    if (!program && !f.idle && !f.processor && !f.network) return;
    storeConditionChoice(choice);  // the action a program's watch asks for
    EnableWindow(window, FALSE);
    bool keepProgram = false;
    const bool watched = armProgram(window, keepProgram);
    EnableWindow(window, TRUE);
    if (!watched) {
        storeConditionChoice(before);
        return;
    }
    armConditions(f.idle || f.processor || f.network ? std::optional<ConditionFigures>(f)
                                                     : std::nullopt,
                  keepProgram);
    DestroyWindow(window);
}

LRESULT CALLBACK conditionsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ConditionsState* s = windowState<ConditionsState>(window, message, lParam);
    switch (message) {
    case DM_GETDEFID:
        return MAKELRESULT(id::kArm, DC_HASDEFID);
    case WM_TIMER:
        if (s && wParam == kNowTimerId) showNow(window, *s);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case id::kArm: arm(window); return 0;
        case id::kCancel: DestroyWindow(window); return 0;
        case id::kDisarm:
            disarmConditions();
            DestroyWindow(window);
            return 0;
        case id::kIdle:
        case id::kProcessor:
        case id::kNetwork:
        case id::kProgram: showButtons(window); return 0;
        }
        break;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

void setRunningProgramsSource(RunningPrograms source) { runningPrograms = source; }

void openConditionsWindow() { openFeatureWindow(kConditionsClass, createConditionsWindow); }

HWND createConditionsWindow() {
    auto state = std::make_unique<ConditionsState>();
    const HWND window =
        createFeatureWindow(kConditionsClass, conditionsProcedure,
                            iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
                            "Dormival", &state);
    ConditionsState* s = stateOf<ConditionsState>(window);
    if (!s) return nullptr;
    // in the language its creation read
    const bool de = programFacts().german;
    SetWindowTextA(window, bilingual(de, "Dormival: Wenn", "Dormival: When"));
    s->font.reset(createSmallFont());
    std::vector<TableControl> table = plainTable(kControls, de, static_cast<HFONT>(s->font.get()));
    const std::vector<std::string> actions = scheduledActionItems(de, hibernationAvailable());
    for (TableControl& control : table) {
        control.id = idInLanguage(control.id, de);
        // room for the widest each ever shows
        if (control.id == id::kActionList) control.texts = actions;
        if (control.id == id::kIdleNow) control.texts = {idleNowText(999 * 60, de)};
        if (control.id == id::kProcessorNow || control.id == id::kNetworkNow)
            control.texts = {unmeasuredText(de), networkNowText(999u << 20, de)};
    }
    const Layout layout = layOutTable(table, {660, 210});
    placeFeatureWindow(window, layout, {666, 236});
    const std::vector<HWND> controls = createTable(window, table, layout);
    arrangeForKeyboard(window, controls, table);

    for (const std::string& item : actions)
        SendMessageA(GetDlgItem(window, id::kActionList), CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(item.c_str()));
    const ConditionChoice choice = storedConditionChoice();
    const int action = static_cast<int>(conditionsAction()) - 1;  // the list starts at Shutdown
    SendMessageA(GetDlgItem(window, id::kActionList), CB_SETCURSEL,
                        action >= 0 && action < static_cast<int>(actions.size()) ? action : 0, 0);
    showFigures(window, *s,
                conditionWatch().armed() ? *conditionWatch().figures() : choice.figures);
    showPrograms(window);
    showButtons(window);
    showNow(window, *s);
    SetTimer(window, kNowTimerId, 1000, nullptr);
    rememberFocus(window, GetDlgItem(window, id::kActionList));
    return window;
}

HWND conditionsWindow() { return openWindowOfClass(kConditionsClass, conditionsProcedure); }
