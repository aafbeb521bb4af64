#include "app/tray.h"

#include <shellapi.h>

void removeTrayIcon(HWND owner) {
    NOTIFYICONDATAA data{};
    // The first layout of the record, which every shell version accepts.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
}
