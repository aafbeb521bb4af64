#include "app/tray_icon_shell_win.h"

#include <cstring>

#include "app/tray_menu.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/windows_version_win.h"
#include "power/scheduler_win.h"
#include "settings/current_settings_win.h"

namespace {

NotifyIconCall notifyIcon = Shell_NotifyIconA;
std::string shownTip;

std::string currentTip() {
    return trayTooltip(windowsVersion().platformClass, programFacts().german, armedActionLine());
}

NOTIFYICONDATAA recordWithTip(HWND owner) {
    NOTIFYICONDATAA data = trayIconRecord(owner);
    data.uFlags = NIF_TIP;
    std::strncpy(data.szTip, shownTip.c_str(), sizeof(data.szTip) - 1);
    return data;
}

bool showIcon(DWORD operation, HWND owner, const std::string& iconFile) {
    showScheduleInTray();  // the other icons too, should the text have changed
    NOTIFYICONDATAA data = recordWithTip(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayNotifyMessage;
    data.hIcon = smallFileIcon(iconFile);
    const bool shown = notifyIcon(operation, &data) != FALSE;
    // the shell keeps a copy of the picture
    if (data.hIcon) DestroyIcon(data.hIcon);
    return shown;
}

}  // namespace

bool addTrayIcon(HWND owner) {
    // a shell that comes later asks again with TaskbarCreated
    return showIcon(NIM_ADD, owner,
                    iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory));
}

bool modifyTrayIcon(const std::string& iconFile) {
    return showIcon(NIM_MODIFY, mainWindow(), iconFile);
}

void showScheduleInTray() {
    const std::string tip = currentTip();
    if (tip == shownTip) return;
    shownTip = tip;
    // every window of the program carries an icon
    for (HWND owner : openWindows()) {
        NOTIFYICONDATAA data = recordWithTip(owner);
        notifyIcon(NIM_MODIFY, &data);
    }
}

UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void setNotifyIconCall(NotifyIconCall call) { notifyIcon = call ? call : Shell_NotifyIconA; }
