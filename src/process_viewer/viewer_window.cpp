#include "process_viewer/viewer_window.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "common/common_controls.h"
#include "common/feature_window.h"
#include "common/file_dialog.h"
#include "common/file_icon.h"
#include "common/file_replace.h"
#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/registry_text.h"
#include "common/text.h"
#include "common/window_set.h"
#include "process_viewer/list_sort.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/version_info.h"
#include "process_viewer/viewer_ids.h"
#include "settings/current_settings.h"

namespace {

constexpr const char* kOptionsKeyPath = "Software\\Dormival\\Options";
constexpr const char* kAlwaysOnTopValue = "ProcessViewAlwaysOnTop";

struct ViewerState {
    WindowList rows;
    WindowReader reader;
};

ViewerState& state() {
    static ViewerState viewer;
    return viewer;
}

struct MenuLine {
    const char* text;  // nullptr: a separator
    unsigned id;
};

HMENU popupOf(std::initializer_list<MenuLine> lines) {
    const HMENU menu = CreatePopupMenu();
    for (const MenuLine& line : lines)
        AppendMenuA(menu, line.text ? MF_STRING : MF_SEPARATOR, line.id, line.text);
    return menu;
}

HMENU buildMenuBar() {
    namespace id = viewer_command;
    const HMENU priorities = CreatePopupMenu();
    for (const PriorityEntry& entry : kPriorityEntries)
        AppendMenuA(priorities, MF_STRING, entry.command, entry.text);
    const HMENU process = popupOf({{"&Version Info", id::kVersionInfo},
                                   {"Module Usage", id::kModuleUsage},
                                   {nullptr, 0}});
    AppendMenuA(process, MF_POPUP, reinterpret_cast<UINT_PTR>(priorities), "&Set Priority");
    AppendMenuA(process, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(process, MF_STRING, id::kCopyPath, "&Copy Path");

    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP,
                reinterpret_cast<UINT_PTR>(popupOf({{"&Save As", id::kSaveAs},
                                                    {nullptr, 0},
                                                    {"&Close", id::kClose},
                                                    {"&Destroy", id::kDestroy},
                                                    {"Terminate", id::kTerminate},
                                                    {nullptr, 0},
                                                    {"&Maximize", id::kMaximise},
                                                    {"&Minimize", id::kMinimise},
                                                    {"Restore", id::kRestore},
                                                    {"Bring To Front", id::kToFront},
                                                    {nullptr, 0},
                                                    {"&Exit", id::kExit}})),
                "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(process), "&Process");
    AppendMenuA(bar, MF_POPUP,
                reinterpret_cast<UINT_PTR>(popupOf(
                    {{"Refresh", id::kRefresh}, {nullptr, 0}, {"&Always On Top", id::kAlwaysOnTop}})),
                "&View");
    AppendMenuA(bar, MF_STRING, id::kAbout, "&?");
    return bar;
}

bool storedAlwaysOnTop() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const auto value = readRegistryText(key, kAlwaysOnTopValue, 1);
    RegCloseKey(key);
    return value == "1";
}

void storeAlwaysOnTop(bool on) {
    HKEY key;
    // only where the program's settings are: a missing key stays missing
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKeyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, kAlwaysOnTopValue, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(on ? "1" : "0"), 2);
    RegCloseKey(key);
}

void setAlwaysOnTop(bool on) {
    const HWND viewer = windows().processViewer;
    const UINT check = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(GetMenu(viewer), viewer_command::kAlwaysOnTop, check);
    CheckMenuItem(GetSystemMenu(viewer, FALSE), viewer_command::kAlwaysOnTop, check);
    SetWindowPos(viewer, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void appendRow(const WindowRow& row) {
    // the window is the item data: unique to the row, and what its commands act on
    appendListCells(windows().processList,
                    {row.title, row.path, row.pid, row.priority, row.threads, row.parent,
                     row.className},
                    systemSmallIconIndex(row.path), static_cast<LPARAM>(row.window));
}

void copyTextToClipboard(const std::string& text) {
    if (text.empty()) return;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, text.size() + 1);
    if (!block) return;
    if (void* bytes = GlobalLock(block)) {
        CopyMemory(bytes, text.c_str(), text.size());
        GlobalUnlock(block);
        if (OpenClipboard(windows().main)) {
            const bool given = EmptyClipboard() && SetClipboardData(CF_TEXT, block);
            CloseClipboard();
            if (given) return;  // the clipboard owns it now
        }
    }
    GlobalFree(block);
}

}  // namespace

HWND createProcessViewerWindow() {
    state() = ViewerState{};
    useCommonControls();
    WindowSet& w = windows();
    w.processViewer = createFeatureWindow(
        kProcessViewerClass, iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        "Process Viewer", {750, 430}, {750, 430}, WS_BORDER | WS_SYSMENU);
    if (!w.processViewer) return nullptr;
    SetMenu(w.processViewer, buildMenuBar());
    AppendMenuA(GetSystemMenu(w.processViewer, FALSE), MF_STRING, viewer_command::kAlwaysOnTop,
                "&Always On Top");
    const auto statusId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kViewerStatusId));
    w.processStatus = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                      w.processViewer, statusId, GetModuleHandleA(nullptr), nullptr);

    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_EDITLABELS;
    w.processList = CreateWindowExA(0, "SysListView32", "", listStyle, 0, 0, 745, 360,
                                    w.processViewer,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWindowListId)),
                                    GetModuleHandleA(nullptr), nullptr);
    useSystemSmallIcons(w.processList);
    const bool de = programFacts().german;
    const std::pair<const char*, int> columns[] = {
        {"Name", 140},    {bilingual(de, "Pfad", "Path"), 200}, {"PID", 80}, {"Priority", 70},
        {"#Threads", 60}, {"ParProcID", 80},                    {"Classname", 80}};
    for (int i = 0; i < 7; ++i)
        if (!insertListColumn(w.processList, i, columns[i].first, columns[i].second)) return nullptr;

    refreshWindowList();
    if (storedAlwaysOnTop()) setAlwaysOnTop(true);
    selectListRow(w.processList, 0);
    SetFocus(w.processList);
    return w.processViewer;
}

void refreshWindowList() {
    const WindowSet& w = windows();
    KillTimer(w.processViewer, kViewerTimerId);
    SendMessageA(w.processList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(w.processList, LVM_DELETEALLITEMS, 0, 0);
    FullPaths paths;
    ViewerState& s = state();
    for (const WindowRow& row : s.rows.refresh(s.reader.read(), processSnapshot(), std::ref(paths)))
        appendRow(row);
    // sorted by title again, whichever column the user sorted by last
    sortDirections().set(0, kFirstOrder);
    sortListByColumn(w.processList, ViewerList::Windows, 0);
    SetTimer(w.processViewer, kViewerTimerId, 1000, nullptr);
}

void runWindowListPass() {
    const WindowSet& w = windows();
    ViewerState& s = state();
    if (s.rows.needsRebuild()) {  // before the windows are read: the refresh reads them
        refreshWindowList();
        return;
    }
    KillTimer(w.processViewer, kViewerTimerId);
    FullPaths paths;
    const auto pass = s.rows.pass(s.reader.read(), processSnapshot(), std::ref(paths));
    for (const WindowRow& row : pass.appended) appendRow(row);  // at the end, unsorted
    SetTimer(w.processViewer, kViewerTimerId, 1000, nullptr);
}

void toggleAlwaysOnTop() {
    // the check mark alone: a highlight left on the item must not count.
    // (GetMenuItemInfoA would need the short record on Windows 95.)
    const UINT state =
        GetMenuState(GetMenu(windows().processViewer), viewer_command::kAlwaysOnTop, MF_BYCOMMAND);
    const bool on = state == static_cast<UINT>(-1) || !(state & MF_CHECKED);
    setAlwaysOnTop(on);
    storeAlwaysOnTop(on);
}

void saveWindowListAsText() {
    const HWND viewer = windows().processViewer;
    const std::string file =
        chooseTextFileToSave(viewer, bilingual(programFacts().german, "Speichern unter", "Save as "));
    const HWND list = windows().processList;
    const int rows = listRowCount(list);
    if (file.empty() || rows <= 0) return;
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 7; ++column)
            cells[static_cast<std::size_t>(row)].push_back(listCellText(list, row, column));
    // a failed save keeps the file as it was
    if (!replaceFileContent(file, listAsText(cells)))
        MessageBoxA(viewer, "Error open file", "Error", MB_OK);
}

void copySelectedPath() { copyTextToClipboard(selectedCellText(windows().processList, 1)); }

void showSelectedStatus() {
    const WindowSet& w = windows();
    if (selectedListRow(w.processList) < 0) return;
    const std::string summary = versionSummaryOf(selectedCellText(w.processList, 1));
    SetWindowTextA(w.processStatus, statusText(summary, listRowCount(w.processList)).c_str());
}

void showViewerAbout() {
    MessageBoxA(windows().processViewer,
                bilingual(programFacts().german,
                          "Process Viewer\n\nDie Fenster dieses Computers und ihre Prozesse.\n"
                          "Ein Teil von Dormival.",
                          "Process Viewer\n\nThe windows of this computer and their processes.\n"
                          "Part of Dormival."),
                "Process Viewer", MB_ICONINFORMATION);
}

void showSelectedVersionReport(HWND list) {
    if (selectedListRow(list) < 0) return;
    showVersionReport(list, selectedCellText(list, 1));
}

void closeProcessViewer() {
    KillTimer(windows().processViewer, kViewerTimerId);
    DestroyWindow(windows().processViewer);
}
