#include "common/tray_icon_record_win.h"

#include <shellapi.h>

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

NOTIFYICONDATAA trayIconRecord(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

void removeTrayIcon(HWND owner) {
    NOTIFYICONDATAA data = trayIconRecord(owner);
    Shell_NotifyIconA(NIM_DELETE, &data);
}
