#include "app/tray_icon_win.h"

#include <shellapi.h>

#include <cstring>

#include "app/tray_menu.h"
#include "common/file_icon_win.h"
#include "common/program_facts.h"
#include "common/feature_window_win.h"
#include "settings/current_settings_win.h"
#include "common/windows_version_win.h"

namespace {

bool showIcon(DWORD operation, HWND owner, const std::string& iconFile) {
    NOTIFYICONDATAA data = trayIconRecord(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayNotifyMessage;
    data.hIcon = smallFileIcon(iconFile);
    const std::string tip =
        trayTooltip(windowsVersion().platformClass, programFacts().german);
    std::strncpy(data.szTip, tip.c_str(), sizeof(data.szTip) - 1);
    const bool shown = Shell_NotifyIconA(operation, &data) != FALSE;
    // the shell keeps a copy of the picture
    if (data.hIcon) DestroyIcon(data.hIcon);
    return shown;
}

}  // namespace

bool addTrayIcon(HWND owner) {
    return showIcon(NIM_ADD, owner,
                    iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory));
}

bool modifyTrayIcon(const std::string& iconFile) {
    return showIcon(NIM_MODIFY, mainWindow(), iconFile);
}

UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
