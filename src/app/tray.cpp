#include "app/tray.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "app/tray_menu.h"
#include "common/file_icon.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_set.h"
#include "settings/current_settings.h"
#include "systools/windows_version_win.h"

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
    return showIcon(NIM_MODIFY, windows().main, iconFile);
}

std::string replaceTrayIcon() {
    const bool german = programFacts().german;
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
    // the current directory is nobody's business but the user's
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return "";
    modifyTrayIcon(file);
    return file;
}

UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
