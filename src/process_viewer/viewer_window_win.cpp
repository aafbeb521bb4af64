#include "process_viewer/viewer_window_win.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "process_viewer/list_sort_win.h"
#include "process_viewer/module_window_win.h"
#include "process_viewer/nt4_viewer_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/row_commands_win.h"
#include "process_viewer/version_info_win.h"
#include "process_viewer/viewer_ids.h"
#include "settings/current_settings_win.h"
#include "settings/settings_registry_win.h"
#include "settings/settings.h"
#include "win32/common_controls_win.h"
#include "win32/file_dialog_win.h"
#include "win32/file_replace_win.h"
#include "win32/list_view_win.h"

namespace {

namespace id = viewer_command;
static_assert(noneShared({kWindowListId, kViewerStatusId, id::kRefresh, id::kClose, id::kDestroy,
                          id::kTerminate, id::kMaximise, id::kMinimise, id::kRestore, id::kToFront,
                          id::kVersionInfo, id::kModuleUsage, id::kExit, id::kSaveAs, id::kCopyPath,
                          id::kAlwaysOnTop, id::kAbout, id::kActWhenEnded,
                          kPriorityEntries[0].command,
                          kPriorityEntries[1].command, kPriorityEntries[2].command,
                          kPriorityEntries[3].command}));


struct ViewerState {
    HWND list = nullptr;
    HWND status = nullptr;
    WindowList rows;
    WindowReader reader;
};

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
    AppendMenuA(process, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(process, MF_STRING, id::kActWhenEnded, actWhenEndedText());

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
    RegistrySettingsStore key(RegistrySettingsStore::Opening::ExistingOnly, kOptionsKeyPath);
    return readAlwaysOnTop(key);
}

void storeAlwaysOnTop(bool on) {
    // only where the program's settings are: a missing key stays missing
    RegistrySettingsStore key(RegistrySettingsStore::Opening::ExistingToWrite, kOptionsKeyPath);
    writeAlwaysOnTop(key, on);
}

void setAlwaysOnTop(HWND viewer, bool on) {
    const UINT check = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(GetMenu(viewer), viewer_command::kAlwaysOnTop, check);
    CheckMenuItem(GetSystemMenu(viewer, FALSE), viewer_command::kAlwaysOnTop, check);
    SetWindowPos(viewer, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void appendRow(HWND list, const WindowRow& row) {
    // the window is the item data: unique to the row, and what its commands act on
    appendListCells(list,
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
        if (OpenClipboard(mainWindow())) {
            const bool given = EmptyClipboard() && SetClipboardData(CF_TEXT, block);
            CloseClipboard();
            if (given) return;  // the clipboard owns it now
        }
    }
    GlobalFree(block);
}

// The full refresh (menu "Refresh", the row commands that change windows,
// a pass that finds a window gone).
void refresh(HWND viewer, ViewerState& s) {
    KillTimer(viewer, kViewerTimerId);
    SendMessageA(s.list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(s.list, LVM_DELETEALLITEMS, 0, 0);
    FullPaths paths;
    for (const WindowRow& row : s.rows.refresh(s.reader.read(), processSnapshot(), std::ref(paths)))
        appendRow(s.list, row);
    // sorted by title again, whichever column the user sorted by last
    sortDirections().set(0, kFirstOrder);
    sortListByColumn(s.list, ViewerList::Windows, 0);
    SetTimer(viewer, kViewerTimerId, 1000, nullptr);
}

// The once-a-second pass: new windows appended, a gone one a refresh.
void runPass(HWND viewer, ViewerState& s) {
    if (s.rows.needsRebuild()) {  // before the windows are read: the refresh reads them
        refresh(viewer, s);
        return;
    }
    KillTimer(viewer, kViewerTimerId);
    FullPaths paths;
    const auto pass = s.rows.pass(s.reader.read(), processSnapshot(), std::ref(paths));
    for (const WindowRow& row : pass.appended) appendRow(s.list, row);  // at the end, unsorted
    SetTimer(viewer, kViewerTimerId, 1000, nullptr);
}

void toggleAlwaysOnTop(HWND viewer) {
    // the check mark alone: a highlight left on the item must not count.
    // (GetMenuItemInfoA would need the short record on Windows 95.)
    const UINT state = GetMenuState(GetMenu(viewer), id::kAlwaysOnTop, MF_BYCOMMAND);
    const bool on = state == static_cast<UINT>(-1) || !(state & MF_CHECKED);
    setAlwaysOnTop(viewer, on);
    storeAlwaysOnTop(on);
}

void saveListAsText(HWND viewer, const ViewerState& s) {
    const bool de = programFacts().german;
    const std::string file =
        chooseTextFileToSave(viewer, de, bilingual(de, "Speichern unter", "Save as "));
    const int rows = listRowCount(s.list);
    if (file.empty() || rows <= 0) return;
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 7; ++column)
            cells[static_cast<std::size_t>(row)].push_back(listCellText(s.list, row, column));
    // a failed save keeps the file as it was
    if (!replaceFileContent(file, listAsText(cells)))
        MessageBoxA(viewer, "Error open file", "Error", MB_OK);
}

void showStatus(const ViewerState& s) {
    if (selectedListRow(s.list) < 0) return;
    const std::string summary = versionSummaryOf(selectedCellText(s.list, 1));
    SetWindowTextA(s.status, statusText(summary, listRowCount(s.list)).c_str());
}

void showAbout(HWND viewer) {
    MessageBoxA(viewer,
                bilingual(programFacts().german,
                          "Process Viewer\n\nDie Fenster dieses Computers und ihre Prozesse.\n"
                          "Ein Teil von Dormival.",
                          "Process Viewer\n\nThe windows of this computer and their processes.\n"
                          "Part of Dormival."),
                "Process Viewer", MB_ICONINFORMATION);
}

bool onCommand(HWND viewer, ViewerState& s, unsigned command) {
    if (runRowCommand(s.list, command, [&] { refresh(viewer, s); })) return true;
    switch (command) {
    case id::kVersionInfo:
        if (selectedListRow(s.list) >= 0) showVersionReport(s.list, selectedCellText(s.list, 1));
        return true;
    case id::kModuleUsage:
        if (selectedListRow(s.list) >= 0)
            openModuleWindow(viewer, selectedCellText(s.list, 0), selectedProcessId(s.list));
        return true;
    case id::kExit: DestroyWindow(viewer); return true;
    case id::kSaveAs: saveListAsText(viewer, s); return true;
    case id::kCopyPath: copyTextToClipboard(selectedCellText(s.list, 1)); return true;
    case id::kAlwaysOnTop: toggleAlwaysOnTop(viewer); return true;
    case id::kAbout: showAbout(viewer); return true;
    default: return false;
    }
}

bool onNotify(HWND viewer, ViewerState& s, const NMLISTVIEW& header) {
    if (header.hdr.hwndFrom != s.list) return false;
    switch (header.hdr.code) {
    case NM_CLICK: showStatus(s); return true;
    // posted: the module window is not made inside the list's notification
    case NM_DBLCLK: PostMessageA(viewer, WM_COMMAND, id::kModuleUsage, 0); return true;
    case LVN_COLUMNCLICK: onSortColumnClick(s.list, ViewerList::Windows, header.iSubItem); return true;
    default: return false;
    }
}

LRESULT CALLBACK viewerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ViewerState* s = windowState<ViewerState>(window, message, lParam);
    switch (message) {
    case WM_DESTROY: KillTimer(window, kViewerTimerId); break;
    case WM_COMMAND:
        if (s && onCommand(window, *s, static_cast<unsigned>(wParam))) return 0;
        break;
    case WM_NOTIFY:
        if (s && onNotify(window, *s, *reinterpret_cast<const NMLISTVIEW*>(lParam))) return 0;
        break;
    case WM_CONTEXTMENU:
        if (s && reinterpret_cast<HWND>(wParam) == s->list && showRowContextMenu(window, s->list))
            return 1;
        break;
    case WM_SYSCOMMAND:
        if (wParam == id::kAlwaysOnTop) {
            toggleAlwaysOnTop(window);
            return 0;
        }
        break;
    case WM_TIMER:
        if (s && wParam == kViewerTimerId) {
            runPass(window, *s);
            return 0;
        }
        break;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

void openProcessViewer() {
    // the two viewers share their class: one of either kind is open at a time
    switch (viewerKind()) {
    case ViewerKind::None: return;
    case ViewerKind::Nt4: openFeatureWindow(kProcessViewerClass, createNt4ViewerWindow); return;
    case ViewerKind::WindowList:
        openFeatureWindow(kProcessViewerClass, createProcessViewerWindow);
        return;
    }
}

HWND createProcessViewerWindow() {
    useCommonControls();
    auto state = std::make_unique<ViewerState>();
    const HWND window = createFeatureWindow(
        kProcessViewerClass, viewerProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory), "Process Viewer",
        &state, WS_BORDER | WS_SYSMENU, nullptr, buildMenuBar());
    ViewerState* s = stateOf<ViewerState>(window);
    if (!s) return nullptr;
    // the list fills the client area down to the status bar
    const std::vector<TableControl> table = {
        {ControlKind::List, {0, 0, 744, 360}, -1, -1, {}, nullptr, kWindowListId},
        {ControlKind::Status, {0, 364, 744, 22}, -1, -1, {}, nullptr, kViewerStatusId}};
    const Layout layout = layOutTable(table, {744, 386});
    placeFeatureWindow(window, layout, {750, 430});
    AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, id::kAlwaysOnTop, "&Always On Top");
    const std::vector<HWND> controls = createTable(
        window, table, layout,
        WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
            LVS_EDITLABELS);
    s->list = controls[0];
    s->status = controls[1];
    arrangeForKeyboard(window, controls, table);
    useSystemSmallIcons(s->list);
    const bool de = programFacts().german;
    const std::pair<const char*, int> columns[] = {
        {"Name", 140},    {bilingual(de, "Pfad", "Path"), 200}, {"PID", 80}, {"Priority", 70},
        {"#Threads", 60}, {"ParProcID", 80},                    {"Classname", 80}};
    for (int i = 0; i < 7; ++i)
        if (!insertListColumn(s->list, i, columns[i].first, columns[i].second)) {
            DestroyWindow(window);
            return nullptr;
        }

    refresh(window, *s);
    if (storedAlwaysOnTop()) setAlwaysOnTop(window, true);
    selectListRow(s->list, 0);
    rememberFocus(window, s->list);
    return window;
}

HWND viewerWindow() { return openWindowOfClass(kProcessViewerClass, viewerProcedure); }
