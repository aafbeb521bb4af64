#include "process_viewer/nt4_viewer_window_win.h"

#include <commctrl.h>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/row_commands_win.h"
#include "process_viewer/version_info_win.h"
#include "process_viewer/viewer_ids.h"
#include "settings/current_settings_win.h"
#include "win32/common_controls_win.h"
#include "win32/list_view_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"

namespace {

// The list and its buttons at 96 DPI, in a client area of 414 x 305.
constexpr PlainControl kControls[] = {
    {ControlKind::List, {10, 2, 400, 160}, "", "", kNt4ListId},
    {ControlKind::Push, {80, 176, 100, 25}, "&Refresh", "&Refresh", viewer_command::kNt4Refresh},
    {ControlKind::Push, {190, 176, 100, 25}, "&Close", "&Close", viewer_command::kNt4Close},
    {ControlKind::Push, {190, 204, 100, 25}, "&Destroy", "&Destroy", viewer_command::kNt4Destroy},
    {ControlKind::Push, {190, 230, 100, 25}, "&Terminate", "&Terminate",
     viewer_command::kNt4Terminate},
    {ControlKind::Push, {300, 176, 100, 25}, "&Maximieren", "&Maximize",
     viewer_command::kNt4Maximise},
    {ControlKind::Push, {300, 204, 100, 25}, "&Minimieren", "&Minimize",
     viewer_command::kNt4Minimise},
    {ControlKind::Push, {300, 230, 100, 25}, "&Restore", "&Restore", viewer_command::kNt4Restore},
    {ControlKind::Push, {300, 256, 100, 25}, "&Bring to front", "&Bring to front",
     viewer_command::kNt4ToFront},
};
static_assert(noneShared({kNt4ListId, viewer_command::kNt4Refresh, viewer_command::kNt4Close,
                          viewer_command::kNt4Destroy, viewer_command::kNt4Terminate,
                          viewer_command::kNt4Maximise, viewer_command::kNt4Minimise,
                          viewer_command::kNt4Restore, viewer_command::kNt4ToFront}));

struct Nt4ViewerState {
    OwnedGdiObject buttonFont;  // one for all eight buttons
};

HWND processList(HWND window) { return GetDlgItem(window, kNt4ListId); }

// Fills the list anew; only NT 4 itself has the records it shows.
void refreshList(HWND list) {
    if (!isNt4()) return;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const Nt4ProcessRow& row : nt4ProcessRows(processPaths(), topLevelWindows()))
        appendListCells(list, {row.title, row.path, row.pid}, -1, static_cast<LPARAM>(row.window));
}

LRESULT CALLBACK nt4ViewerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowState<Nt4ViewerState>(window, message, lParam);
    switch (message) {
    case WM_COMMAND: {
        const HWND list = processList(window);
        if (runRowCommand(list, static_cast<unsigned>(wParam), [list] { refreshList(list); }))
            return 0;
        break;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == kNt4ListId && header.code == static_cast<UINT>(NM_DBLCLK)) {
            if (selectedListRow(header.hwndFrom) >= 0)
                showVersionReport(header.hwndFrom, selectedCellText(header.hwndFrom, 1));
            return 0;
        }
        break;
    }
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

HWND createNt4ViewerWindow() {
    auto state = std::make_unique<Nt4ViewerState>();
    const HWND window = createFeatureWindow(
        kProcessViewerClass, nt4ViewerProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory), "Process Viewer",
        &state);
    Nt4ViewerState* s = stateOf<Nt4ViewerState>(window);
    if (!s) return nullptr;
    const bool de = programFacts().german;
    s->buttonFont.reset(createSmallFont());
    const std::vector<TableControl> table =
        plainTable(kControls, de, static_cast<HFONT>(s->buttonFont.get()));
    const Layout layout = layOutTable(table, {414, 305});
    placeFeatureWindow(window, layout, {420, 430});
    useCommonControls();
    const std::vector<HWND> controls =
        createTable(window, table, layout,
                    WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS);
    const HWND list = controls[0];
    arrangeForKeyboard(window, controls, table);
    rememberFocus(window, list);
    insertListColumn(list, 0, "Name", 140);
    insertListColumn(list, 1, bilingual(de, "Pfad", "Path"), 200);
    insertListColumn(list, 2, "Pid", 40);
    refreshList(list);
    selectListRow(list, 0);
    return window;
}

HWND nt4ViewerWindow() { return openWindowOfClass(kProcessViewerClass, nt4ViewerProcedure); }
