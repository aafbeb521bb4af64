#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Message boxes and popup menus of this thread, read from inside their own
// loops by a thread timer, then closed, so a test can run the call that
// shows them.

// A Win32 menu as text, one line per item: "text=id", "-" for a
// separator, "text>" for a submenu followed by its items indented by two
// blanks; " [x]" after a checked item.
inline void appendMenuLines(HMENU menu, std::vector<std::string>& lines, const std::string& indent = "") {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        GetMenuItemInfoA(menu, i, TRUE, &item);
        std::string line = indent;
        if (item.fType & MFT_SEPARATOR) line += "-";
        else if (item.hSubMenu) line += std::string(text) + ">";
        else line += std::string(text) + "=" + std::to_string(item.wID);
        if (item.fState & MFS_CHECKED) line += " [x]";
        lines.push_back(line);
        if (item.hSubMenu) appendMenuLines(item.hSubMenu, lines, indent + "  ");
    }
}

inline std::vector<std::string> menuTextLines(HMENU menu) {
    std::vector<std::string> lines;
    appendMenuLines(menu, lines);
    return lines;
}

namespace modal_watch {

struct Shown {
    std::string caption;           // of the message box
    std::string text;              // of the message box
    std::vector<std::string> menu; // of the popup menu
    int boxes = 0;
};
inline Shown* watching = nullptr;
inline int reply = IDOK;

inline BOOL CALLBACK readModal(HWND window, LPARAM) {
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof(cls));
    if (!IsWindowVisible(window)) return TRUE;
    if (std::string(cls) == "#32770") {
        char text[512] = "";
        GetWindowTextA(window, text, sizeof(text));
        watching->caption = text;
        GetDlgItemTextA(window, 0xFFFF, text, sizeof(text));  // the box's message
        watching->text = text;
        ++watching->boxes;
        PostMessageA(window, WM_COMMAND, reply, 0);
    } else if (std::string(cls) == "#32768") {
        constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
        watching->menu = menuTextLines(reinterpret_cast<HMENU>(SendMessageA(window, kGetMenu, 0, 0)));
        EndMenu();
    }
    return TRUE;
}

inline void CALLBACK look(HWND, UINT, UINT_PTR, DWORD) {
    if (watching) EnumThreadWindows(GetCurrentThreadId(), readModal, 0);
}

}  // namespace modal_watch

// Runs act; every message box it shows is read and answered with reply
// (OK unless told), a popup menu it tracks is read and closed. The last of
// each is returned.
inline modal_watch::Shown watchModals(const std::function<void()>& act, int reply = IDOK) {
    modal_watch::Shown shown;
    modal_watch::watching = &shown;
    modal_watch::reply = reply;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, modal_watch::look);
    act();
    KillTimer(nullptr, timer);
    modal_watch::watching = nullptr;
    return shown;
}
