#include "options/options_fields_win.h"

#include <commctrl.h>

#include <optional>

#include "options/options_view.h"
#include "settings/current_settings_win.h"
#include "settings/settings.h"
#include "win32/list_view_win.h"

namespace options_ui {
namespace {

std::string textOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(),
                                                        static_cast<int>(text.size()))));
    return text;
}

bool checked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void check(HWND control, bool on) {
    if (control) SendMessageA(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
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
void showInPicker(HWND picker, const char* format, const SYSTEMTIME& shown) {
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format));
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
}

std::optional<SYSTEMTIME> pickerValue(HWND picker) {
    SYSTEMTIME t{};
    if (!picker ||
        SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) != GDT_VALID)
        return std::nullopt;
    return t;
}

std::string pickerTime(HWND picker) {
    const auto t = pickerValue(picker);
    return t ? timeOfDayText({t->wHour, t->wMinute, t->wSecond}) : "";
}

}  // namespace

std::vector<std::string> listedComputers(const Controls& c) {
    const HWND list = c[ComputerList];
    std::vector<std::string> names;
    for (int row = 0; row < listRowCount(list); ++row) names.push_back(listCellText(list, row, 0));
    return names;
}

void showSettings(const Controls& c, const Settings& shownBefore) {
    const auto showItem = [&](Control list, SettingText member) {
        const int item = storedListItem(shownValue(shownBefore, member), listCount(c[list]));
        SendMessageA(c[list], CB_SETCURSEL, item, 0);
    };
    showItem(ActionList, &Settings::TaskManagerAktion);
    showItem(ClickList, &Settings::mouseclick);
    SetWindowTextA(c[IconPath], shownBefore.AppIcon.c_str());

    loadSettings();
    const OptionsView v = optionsView(currentSettings());
    for (const std::string& name : v.networkComputers) appendListRow(c[ComputerList], name);
    check(c[DoubleClick], v.doubleClick);
    SetWindowTextA(c[DisplaySeconds], v.networkWarningSecondsText.c_str());
    check(c[ForceNet], v.forceNetShutdown);
    const Control modes[] = {NoAction, AfterStart, AtTime, AtDateTime};
    for (int mode = 0; mode < 4; ++mode) check(c[modes[mode]], v.scheduleMode == mode);
    SetWindowTextA(c[Minutes], v.minutesText.c_str());
    SetWindowTextA(c[WarningSeconds], v.warningSecondsText.c_str());
    check(c[ShowWarning], v.showWarning);
    check(c[PowerOff], v.powerOff);
    check(c[NoPowerOff], !v.powerOff);
    check(c[CheckAndRestore], v.checkScreen);
    check(c[ApplyUnchecked], !v.checkScreen);
    SetWindowTextA(c[RestoreSeconds], v.restoreSecondsText.c_str());
    check(c[ForceShutdown], v.forceShutdown);
    check(c[ForceReboot], v.forceReboot);
    check(c[ForceLogoff], v.forceLogoff);
    check(c[ForceStandby], v.forceStandby);
    check(c[ForceHibernate], v.forceHibernate);
    check(c[EmptyCache], v.emptyCache);
    check(c[Autostart], v.autostart);
    constexpr const char* kTimeFormat = "HH':'mm':'ss ";
    showInPicker(c[Time], kTimeFormat, nowWith(v.time, std::nullopt));
    showInPicker(c[Date], "dd'.'MM'.'yyyy", nowWith(std::nullopt, v.date));
    showInPicker(c[DateTime], kTimeFormat, nowWith(v.dateTime, std::nullopt));
}

OptionsRecord recordFrom(const Controls& c) {
    OptionsRecord r;
    const Control modes[] = {NoAction, AfterStart, AtTime, AtDateTime};
    for (int mode = 0; mode < 4; ++mode)
        if (checked(c[modes[mode]])) r.scheduleMode = mode;
    r.scheduledAction = static_cast<int>(SendMessageA(c[ActionList], CB_GETCURSEL, 0, 0));
    r.minutesText = textOf(c[Minutes]);
    r.timeText = pickerTime(c[Time]);
    if (const auto d = pickerValue(c[Date])) r.dateText = dateText({d->wDay, d->wMonth, d->wYear});
    r.dateTimeText = pickerTime(c[DateTime]);
    r.showWarning = checked(c[ShowWarning]);
    r.warningSecondsText = textOf(c[WarningSeconds]);
    r.powerOff = checked(c[PowerOff]);
    r.forceShutdown = checked(c[ForceShutdown]);
    r.forceReboot = checked(c[ForceReboot]);
    r.forceLogoff = checked(c[ForceLogoff]);
    r.forceStandby = checked(c[ForceStandby]);
    r.forceHibernate = c[ForceHibernate] && checked(c[ForceHibernate]);
    r.clickAction = static_cast<int>(SendMessageA(c[ClickList], CB_GETCURSEL, 0, 0));
    r.doubleClick = checked(c[DoubleClick]);
    r.checkScreen = !checked(c[ApplyUnchecked]);
    r.restoreSecondsText = textOf(c[RestoreSeconds]);
    r.emptyCache = checked(c[EmptyCache]);
    r.iconPath = textOf(c[IconPath]);
    r.networkComputers = listedComputers(c);
    r.forceNetShutdown = checked(c[ForceNet]);
    r.networkWarningSecondsText = textOf(c[DisplaySeconds]);
    r.autostart = checked(c[Autostart]);
    return r;
}

}  // namespace options_ui
