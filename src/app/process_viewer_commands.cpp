#include "app/process_viewer_commands.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "common/feature_window.h"
#include "common/list_view.h"
#include "common/window_set.h"
#include "process_viewer/list_sort.h"
#include "process_viewer/module_window.h"
#include "process_viewer/nt4_viewer_window.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/row_commands.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_lists.h"
#include "process_viewer/viewer_window.h"

namespace {

// Module usage for the window list's selected row. A module window that is
// open already makes way for the new one.
void openModuleUsage() {
    const HWND list = windows().processList;
    if (selectedListRow(list) < 0) return;
    if (IsWindow(windows().modules)) closeModuleWindow();
    if (const HWND window = createModuleWindow(selectedCellText(list, 0), selectedProcessId(list)))
        runFeatureWindow(window);
}

// The row commands of both viewers: the menu bar's act on the window list,
// the NT 4 viewer's buttons on its process list; the commands that change
// windows refresh the list they came from.
bool runRowCommand(unsigned id) {
    namespace c = viewer_command;
    const bool nt4 = id >= c::kNt4Refresh && id <= c::kNt4ToFront;
    const unsigned menuId = nt4 ? id - (c::kNt4Refresh - c::kRefresh) : id;
    if (menuId < c::kRefresh || menuId > c::kToFront) return false;
    const HWND list = nt4 ? windows().nt4List : windows().processList;
    const auto refresh = [nt4] { nt4 ? refreshNt4List() : refreshWindowList(); };
    switch (menuId) {
    case c::kRefresh: refresh(); break;
    case c::kClose: sendWindowCommand(list, SC_CLOSE); refresh(); break;
    case c::kDestroy: destroySelectedWindow(list); refresh(); break;
    case c::kTerminate: terminateSelectedProcess(list); refresh(); break;
    case c::kMaximise: sendWindowCommand(list, SC_MAXIMIZE); break;
    case c::kMinimise: sendWindowCommand(list, SC_MINIMIZE); break;
    case c::kRestore: sendWindowCommand(list, SC_RESTORE); break;
    case c::kToFront: bringSelectedToFront(list); break;
    }
    return true;
}

}  // namespace

void openProcessViewer() {
    for (const HWND open : {windows().processViewer, windows().nt4Viewer})
        if (IsWindow(open)) {
            SetForegroundWindow(open);
            return;
        }
    HWND window = nullptr;
    switch (viewerKind()) {
    case ViewerKind::None: return;
    case ViewerKind::Nt4: window = createNt4ViewerWindow(); break;
    case ViewerKind::WindowList: window = createProcessViewerWindow(); break;
    }
    if (window) runFeatureWindow(window);
}

bool runProcessViewerCommand(HWND window, unsigned id) {
    const WindowSet& w = windows();
    if (window != w.processViewer && window != w.nt4Viewer) return false;
    if (runRowCommand(id)) return true;
    namespace c = viewer_command;
    switch (id) {
    case c::kVersionInfo: showSelectedVersionReport(w.processList); return true;
    case c::kModuleUsage: openModuleUsage(); return true;
    case c::kExit:
        closeProcessViewer();
        hideMainWindow();
        return true;
    case c::kSaveAs: saveWindowListAsText(); return true;
    case c::kCopyPath: copySelectedPath(); return true;
    case c::kAlwaysOnTop: toggleAlwaysOnTop(); return true;
    case c::kAbout: showViewerAbout(); return true;
    }
    for (const PriorityEntry& entry : kPriorityEntries)
        if (entry.command == id) {
            setSelectedPriority(w.processList, entry.priorityClass);
            refreshWindowList();
            return true;
        }
    return false;
}

bool onProcessViewerNotify(HWND window, const NMHDR& header) {
    const WindowSet& w = windows();
    const UINT code = header.code;
    const auto column = [&] { return reinterpret_cast<const NMLISTVIEW&>(header).iSubItem; };
    if (window == w.processViewer && header.hwndFrom == w.processList) {
        if (code == NM_CLICK) showSelectedStatus();
        // posted: its window's own loop must not run inside the list's notification
        else if (code == NM_DBLCLK) PostMessageA(window, WM_COMMAND, viewer_command::kModuleUsage, 0);
        else if (code == LVN_COLUMNCLICK) onSortColumnClick(w.processList, ViewerList::Windows, column());
        else return false;
        return true;
    }
    if (window == w.modules && header.hwndFrom == w.moduleList) {
        if (code == NM_DBLCLK) showSelectedVersionReport(w.moduleList);
        else if (code == LVN_COLUMNCLICK) onSortColumnClick(w.moduleList, ViewerList::Modules, column());
        else return false;
        return true;
    }
    if (window == w.nt4Viewer && header.hwndFrom == w.nt4List && code == NM_DBLCLK) {
        showSelectedVersionReport(w.nt4List);
        return true;
    }
    return false;
}

bool closeProcessViewerWindow(HWND window) {
    if (window == windows().modules) closeModuleWindow();
    else if (window == windows().processViewer) closeProcessViewer();
    else return false;
    hideMainWindow();
    return true;
}

bool onProcessViewerContextMenu(HWND window, HWND under) {
    if (window != windows().processViewer || under != windows().processList) return false;
    return showRowContextMenu(window, windows().processList);
}

bool onProcessViewerSysCommand(HWND window, WPARAM command) {
    if (window != windows().processViewer || command != viewer_command::kAlwaysOnTop) return false;
    toggleAlwaysOnTop();
    return true;
}

bool onProcessViewerTimer(HWND window, WPARAM timer) {
    if (window != windows().processViewer || timer != kViewerTimerId) return false;
    runWindowListPass();
    return true;
}
