#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "common/control_table_win.h"
#include "common/layout.h"
#include "options/options_context_win.h"

// The options window's controls: their table (kind, page, group box,
// place at 96 DPI, texts, id), their layout and their making. Every
// control is a child of the window, placed where its group box holds it,
// so that Tab walks each page in reading order.
namespace options_ui {

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
    Time, Date, DateTime,  // the pickers
    TabStrip,
    kControlCount
};


using Controls = std::array<HWND, kControlCount>;

// The client area the places were chosen for, at 96 DPI.
constexpr SIZE kClientSize{434, 319};

// Every control's table entry in the language shown: all it ever shows (its
// text, a list's items, a picker's widest value), so that the layout gives
// it room, and the font given (the pickers and the list keep their own).
std::vector<TableControl> controlTable(const OptionsContext& context, HFONT font);

// Makes every control at its laid-out place, the two lists filled, the
// computer list's column, the tabs and the Information lines; the defaults
// checked until the settings are loaded. The hibernation box only where
// hibernation is offered; a control the system could not make stays null.
Controls createControls(HWND window, const OptionsContext& context,
                        const std::vector<TableControl>& table, const Layout& layout);

// Shows only the controls of page (0..5), with OK, Cancel and the tab strip.
void showPage(HWND window, const Controls& controls, int page);

}  // namespace options_ui
