#include "process_viewer/row_commands_win.h"

#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <string>

#include "win32/list_view_win.h"
#include "common/program_facts.h"
#include "win32/system_error_text_win.h"
#include "common/text.h"
#include "win32/token_privilege_win.h"
#include "common/feature_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_lists.h"

namespace {

bool german() { return programFacts().german; }

ProgramEndWatch programEndWatch = nullptr;

void windowNotFound() {
    MessageBoxA(nullptr,
                bilingual(german(), "Kann das Fenster nicht finden !\nSchon geschlossen ?",
                          "Unable to find that window!\nAlready closed ?"),
                bilingual(german(), "Hinweis", "Note"), MB_ICONINFORMATION);
}

void programNotFound() {
    MessageBoxExA(nullptr,
                  bilingual(german(), "Kann das Programm nicht finden\nSchon geschlossen ?",
                            "Can't find the program\nAlready closed?"),
                  bilingual(german(), "Hinweis", "Information"),
                  MB_TASKMODAL | MB_ICONINFORMATION, 0);
}

// A failed call, with the system's text for its error as the caption.
void callFailed(const char* call, DWORD error) {
    MessageBoxA(nullptr, call, SystemErrorText(error).value_or("").c_str(), MB_OK);
}

// Whether the row's process id still belongs to the program the row shows,
// looked up as the row was. Asked while a handle to the process is open,
// which keeps the id from passing to another process meanwhile.
bool stillTheRowsProgram(HWND list, DWORD pid) {
    const bool nt4List = GetDlgCtrlID(list) == kNt4ListId;
    return programPathNow(pid, nt4List) == selectedCellText(list, 1);
}

// The row's process, opened with these rights (and the privilege, where
// one is named, for the opening alone) and still the row's program. Null,
// after a box that says why, otherwise.
HANDLE openRowProcess(HWND list, DWORD rights, const char* privilege = nullptr) {
    const DWORD pid = selectedProcessId(list);
    HANDLE process;
    DWORD error;
    {
        std::optional<ScopedPrivilege> enabled;
        if (privilege) enabled.emplace(privilege);
        process = OpenProcess(rights, FALSE, pid);
        error = GetLastError();
    }
    if (!process || process == INVALID_HANDLE_VALUE) {
        callFailed("OpenProcess()", error);
        return nullptr;
    }
    if (!stillTheRowsProgram(list, pid)) {
        CloseHandle(process);
        programNotFound();
        return nullptr;
    }
    return process;
}

// The row's window while it exists and still belongs to the row's process.
HWND rowWindow(HWND list) {
    const auto window = reinterpret_cast<HWND>(selectedItemData(list));
    const auto pid = processIdText(selectedCellText(list, 2));
    if (!window || !pid || !IsWindow(window)) return nullptr;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == *pid ? window : nullptr;
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
    // what the user sees and could close; a hidden helper window gets nothing
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (pid != s.pid || !(style & WS_VISIBLE) || !(style & WS_SYSMENU)) return TRUE;
    s.found = true;
    // posted: a program that has stopped answering must not stop this one
    PostMessageA(window, WM_SYSCOMMAND, s.command, 0);
    return TRUE;
}

void setMenuItemCheck(HMENU menu, unsigned id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

DWORD selectedProcessId(HWND list) {
    return processIdText(selectedCellText(list, 2)).value_or(0);
}

void sendWindowCommand(HWND list, UINT command) {
    if (selectedListRow(list) < 0) return;
    ProcessWindows search{selectedProcessId(list), command};
    if (const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, search.pid)) {
        if (stillTheRowsProgram(list, search.pid))
            EnumWindows(commandProcessWindow, reinterpret_cast<LPARAM>(&search));
        CloseHandle(process);
    }
    if (!search.found) windowNotFound();
}

void bringSelectedToFront(HWND list) {
    if (selectedListRow(list) < 0) return;
    const HWND window = rowWindow(list);
    if (!window) {
        programNotFound();
        return;
    }
    // asynchronous: raising another thread's window would wait for that thread
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

void destroySelectedWindow(HWND list) {
    if (selectedListRow(list) < 0) return;
    const HWND window = rowWindow(list);
    if (!window) {
        windowNotFound();
        return;
    }
    // the system destroys no other thread's window, and says so
    if (!DestroyWindow(window)) callFailed("DestroyWindow()", GetLastError());
}

void terminateSelectedProcess(HWND list) {
    if (selectedListRow(list) < 0) return;
    if (isCriticalSystemProcess(selectedCellText(list, 1))) {
        MessageBoxA(nullptr,
                    bilingual(german(),
                              "Dieser Prozess gehört zu Windows und wird nicht beendet: ohne ihn "
                              "hält Windows an, und alle ungesicherten Dokumente gehen verloren.",
                              "This process is part of Windows and is not ended: without it "
                              "Windows stops, and every unsaved document is lost."),
                    bilingual(german(), "Hinweis", "Note"), MB_ICONEXCLAMATION);
        return;
    }
    // the debug privilege opens the processes of other users
    const HANDLE process = openRowProcess(list, PROCESS_TERMINATE, "SeDebugPrivilege");
    if (!process) return;
    if (TerminateProcess(process, static_cast<UINT>(-1)))
        std::fputs("killed.\n", stdout);
    else
        callFailed("Termiante Process", GetLastError());
    CloseHandle(process);
}

void setProgramEndWatch(ProgramEndWatch watch) { programEndWatch = watch; }

const char* actWhenEndedText() {
    return bilingual(german(), "&Aktion, wenn dieses Programm endet",
                     "&Action when this program ends");
}

void actWhenSelectedEnds(HWND list) {
    if (selectedListRow(list) < 0 || !programEndWatch) return;
    if (selectedProcessId(list) == GetCurrentProcessId()) {
        MessageBoxA(nullptr,
                    bilingual(german(), "Dormival kann nicht auf sein eigenes Ende warten.",
                              "Dormival cannot wait for its own end."),
                    bilingual(german(), "Hinweis", "Note"), MB_ICONINFORMATION);
        return;
    }
    const DWORD pid = selectedProcessId(list);
    // all a wait needs: an elevated program refuses more to a plain one
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    // an id that no process has any more is a program already gone
    if (!process && GetLastError() != ERROR_INVALID_PARAMETER) {
        callFailed("OpenProcess()", GetLastError());
        return;
    }
    if (!process || !stillTheRowsProgram(list, pid)) {
        if (process) CloseHandle(process);
        programNotFound();
        return;
    }
    const std::string path = selectedCellText(list, 1);
    programEndWatch(process, path.substr(path.find_last_of("\\/") + 1));
}

void setSelectedPriority(HWND list, unsigned priorityClass) {
    if (selectedListRow(list) < 0) return;
    const HANDLE process =
        openRowProcess(list, PROCESS_SET_INFORMATION | PROCESS_QUERY_INFORMATION);
    if (!process) return;
    SetPriorityClass(process, priorityClass);
    CloseHandle(process);
}

bool runRowCommand(HWND list, unsigned id, const std::function<void()>& refresh) {
    namespace c = viewer_command;
    const bool nt4 = id >= c::kNt4Refresh && id <= c::kNt4ToFront;
    const unsigned menuId = nt4 ? id - (c::kNt4Refresh - c::kRefresh) : id;
    switch (menuId) {
    case c::kRefresh: refresh(); return true;
    case c::kClose: sendWindowCommand(list, SC_CLOSE); refresh(); return true;
    case c::kDestroy: destroySelectedWindow(list); refresh(); return true;
    case c::kTerminate: terminateSelectedProcess(list); refresh(); return true;
    case c::kMaximise: sendWindowCommand(list, SC_MAXIMIZE); return true;
    case c::kMinimise: sendWindowCommand(list, SC_MINIMIZE); return true;
    case c::kRestore: sendWindowCommand(list, SC_RESTORE); return true;
    case c::kToFront: bringSelectedToFront(list); return true;
    }
    if (id == c::kActWhenEnded) {
        actWhenSelectedEnds(list);
        return true;
    }
    for (const PriorityEntry& entry : kPriorityEntries)
        if (!nt4 && entry.command == id) {
            setSelectedPriority(list, entry.priorityClass);
            refresh();
            return true;
        }
    return false;
}

bool showRowContextMenu(HWND owner, HWND list) {
    if (SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0) return false;
    const DWORD pid = selectedProcessId(list);
    unsigned priorityClass = 0;
    if (const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid)) {
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
    AppendMenuA(menu, MF_STRING, viewer_command::kActWhenEnded, actWhenEndedText());
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(mainWindow());
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, owner, nullptr);
    DestroyMenu(menu);  // and the submenu with it
    return true;
}
