#include "process_viewer/row_commands.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/system_error_text.h"
#include "common/text.h"
#include "common/token_privilege.h"
#include "common/window_set.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_lists.h"

namespace {

// Every right a process can grant, as systems before Vista count them: the
// newer mask asks for rights those systems do not know and is refused.
constexpr DWORD kAllProcessRights = STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0xFFF;

bool german() { return programFacts().german; }

void windowNotFound() {
    MessageBoxA(nullptr,
                bilingual(german(), "Kann das Fenster nicht finden !\nSchon geschlossen ?",
                          "Unable to find that window!\nAlready closed ?"),
                bilingual(german(), "Hinweis", "Note"), MB_ICONINFORMATION);
}

struct ProcessWindows {
    DWORD pid;
    UINT command;
    bool found = false;
};

BOOL CALLBACK commandProcessWindow(HWND window, LPARAM search) {
    auto& s = *reinterpret_cast<ProcessWindows*>(search);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != s.pid) return TRUE;
    s.found = true;
    BringWindowToTop(window);
    SendMessageA(window, WM_SYSCOMMAND, s.command, 0);
    return TRUE;
}

void setMenuItemCheck(HMENU menu, unsigned id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

DWORD selectedProcessId(HWND list) {
    return static_cast<DWORD>(std::atoi(selectedCellText(list, 2).c_str()));
}

void sendWindowCommand(HWND list, UINT command) {
    if (selectedListRow(list) < 0) return;
    ProcessWindows search{selectedProcessId(list), command};
    EnumWindows(commandProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) windowNotFound();
}

void bringSelectedToFront(HWND list) {
    if (selectedListRow(list) < 0) return;
    if (const HWND window = FindWindowA(nullptr, selectedCellText(list, 0).c_str())) {
        BringWindowToTop(window);
        return;
    }
    MessageBoxExA(nullptr,
                  bilingual(german(), "Kann das Programm nicht finden\nSchon geschlossen ?",
                            "Can't find the program\nAlready closed?"),
                  bilingual(german(), "Hinweis", "Information"),
                  MB_TASKMODAL | MB_ICONINFORMATION, 0);
}

void destroySelectedWindow(HWND list) {
    if (selectedListRow(list) < 0) return;
    const HWND window = FindWindowA(nullptr, selectedCellText(list, 0).c_str());
    if (!window) {
        windowNotFound();
        return;
    }
    BringWindowToTop(window);
    DestroyWindow(window);
}

void terminateSelectedProcess(HWND list) {
    if (selectedListRow(list) < 0) return;
    const DWORD pid = selectedProcessId(list);
    enableProcessPrivilege("SeDebugPrivilege");  // a refusal leaves our own processes
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!process || process == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        MessageBoxA(nullptr, "OpenProcess()", SystemErrorText(error).value_or("").c_str(), MB_OK);
        return;
    }
    if (TerminateProcess(process, static_cast<UINT>(-1))) {
        std::fputs("killed.\n", stdout);
    } else {
        const DWORD error = GetLastError();
        MessageBoxA(nullptr, "Termiante Process", SystemErrorText(error).value_or("").c_str(),
                    MB_OK);
    }
    CloseHandle(process);
}

void setSelectedPriority(HWND list, unsigned priorityClass) {
    if (selectedListRow(list) < 0) return;
    const DWORD pid = selectedProcessId(list);
    if (const HANDLE process = OpenProcess(kAllProcessRights, FALSE, pid)) {
        SetPriorityClass(process, priorityClass);
        CloseHandle(process);
    }
}

bool showRowContextMenu(HWND owner, HWND list) {
    if (SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0) return false;
    const DWORD pid = selectedProcessId(list);
    unsigned priorityClass = 0;
    if (const HANDLE process = OpenProcess(kAllProcessRights, FALSE, pid)) {
        priorityClass = GetPriorityClass(process);
        CloseHandle(process);
    }
    // a class of none of the four keeps the mark where it was last
    static unsigned markedLast = kPriorityEntries[0].command;
    markedLast = markedPriorityCommand(priorityClass, markedLast);

    const HMENU priorities = CreatePopupMenu();
    for (const PriorityEntry& entry : kPriorityEntries) {
        AppendMenuA(priorities, MF_STRING, entry.command, entry.text);
        setMenuItemCheck(priorities, entry.command, entry.command == markedLast);
    }
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, viewer_command::kModuleUsage, "Module Usage");
    AppendMenuA(menu, MF_STRING, viewer_command::kVersionInfo, "Version Info");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(priorities),
                bilingual(german(), "&Priorität ändern", "&Set Priority"));
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(windows().main);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, owner, nullptr);
    DestroyMenu(menu);  // and the submenu with it
    return true;
}
