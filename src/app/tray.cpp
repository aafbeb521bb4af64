#include "app/tray.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "app/current_settings.h"
#include "app/icon_source.h"
#include "app/tray_menu.h"
#include "common/text.h"
#include "common/window_set.h"
#include "systools/windows_version_win.h"

namespace {

// The first layout of the record, which every shell version accepts.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

NOTIFYICONDATAA trayRecord(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

bool showIcon(DWORD operation, HWND owner, const std::string& iconFile) {
    NOTIFYICONDATAA data = trayRecord(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayNotifyMessage;
    data.hIcon = smallShellIcon(iconFile);
    const std::string tip =
        trayTooltip(windowsVersion().platformClass, currentSettings().german);
    std::strncpy(data.szTip, tip.c_str(), sizeof(data.szTip) - 1);
    const bool shown = Shell_NotifyIconA(operation, &data) != FALSE;
    // the shell keeps a copy of the picture
    if (data.hIcon) DestroyIcon(data.hIcon);
    return shown;
}

}  // namespace

HICON smallShellIcon(const std::string& file) {
    SHFILEINFOA info{};
    SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON);
    return info.hIcon;
}

bool addTrayIcon(HWND owner) {
    const Settings& s = currentSettings();
    return showIcon(NIM_ADD, owner, iconSourceFile(s.AppIcon, s.homeDirectory));
}

bool modifyTrayIcon(const std::string& iconFile) {
    return showIcon(NIM_MODIFY, windows().main, iconFile);
}

void removeTrayIcon(HWND owner) {
    NOTIFYICONDATAA data = trayRecord(owner);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

std::string replaceTrayIcon() {
    const bool german = currentSettings().german;
    // one filter: description, pattern, and the list's closing empty string
    static const char kFilterDe[] = "Alle Dateien *.*\0*.*\0";
    static const char kFilterEn[] = "All files *.*\0*.*\0";
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    // the layout without the Windows 2000 additions, which older systems reject
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = windows().main;
    dialog.lpstrFilter = german ? kFilterDe : kFilterEn;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof(file);
    dialog.lpstrTitle = bilingual(german, "Programmicon austauschen", "Replace Icon ");
    dialog.lpstrDefExt = "*.txt";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog)) return "";
    modifyTrayIcon(file);
    return file;
}

UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
