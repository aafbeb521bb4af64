#include "process_viewer/nt4_viewer_window_win.h"

#include <commctrl.h>

#include "common/command_ids.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
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

struct Button {
    unsigned id;
    const char* de;
    const char* en;
    int x, y;
};
constexpr Button kButtons[] = {
    {viewer_command::kNt4Refresh, "&Refresh", "&Refresh", 80, 176},
    {viewer_command::kNt4Close, "&Close", "&Close", 190, 176},
    {viewer_command::kNt4Destroy, "&Destroy", "&Destroy", 190, 204},
    {viewer_command::kNt4Terminate, "&Terminate", "&Terminate", 190, 230},
    {viewer_command::kNt4Maximise, "&Maximieren", "&Maximize", 300, 176},
    {viewer_command::kNt4Minimise, "&Minimieren", "&Minimize", 300, 204},
    {viewer_command::kNt4Restore, "&Restore", "&Restore", 300, 230},
    {viewer_command::kNt4ToFront, "&Bring to front", "&Bring to front", 300, 256},
};
static_assert(noneShared({kNt4ListId, viewer_command::kNt4Refresh, viewer_command::kNt4Close,
                          viewer_command::kNt4Destroy, viewer_command::kNt4Terminate,
                          viewer_command::kNt4Maximise, viewer_command::kNt4Minimise,
                          viewer_command::kNt4Restore, viewer_command::kNt4ToFront}));

struct Nt4ViewerState {
    OwnedGdiObject buttonFont;  // one for all eight buttons
};

HWND open = nullptr;

HWND processList(HWND window) { return GetDlgItem(window, kNt4ListId); }

// Fills the list anew; only NT 4 itself has the records it shows.
void refreshList(HWND list) {
    if (!isNt4()) return;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const Nt4ProcessRow& row : nt4ProcessRows(processPaths(), topLevelWindows()))
        appendListCells(list, {row.title, row.path, row.pid}, -1, static_cast<LPARAM>(row.window));
}

LRESULT CALLBACK nt4ViewerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowState<Nt4ViewerState>(window, message, open);
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
    const HWND window = createFeatureWindow(
        kProcessViewerClass, nt4ViewerProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory), "Process Viewer",
        {420, 330}, {420, 430});
    Nt4ViewerState* s = stateOf<Nt4ViewerState>(window);
    if (!s) return nullptr;
    useCommonControls();
    const DWORD listStyle =
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
    const HWND list = CreateWindowExA(0, "SysListView32", "", listStyle, 10, 2, 400, 160, window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNt4ListId)),
                                      GetModuleHandleA(nullptr), nullptr);
    const bool de = programFacts().german;
    insertListColumn(list, 0, "Name", 140);
    insertListColumn(list, 1, bilingual(de, "Pfad", "Path"), 200);
    insertListColumn(list, 2, "Pid", 40);
    refreshList(list);
    selectListRow(list, 0);

    s->buttonFont.reset(createSmallFont());
    for (const Button& b : kButtons) {
        const HWND button = CreateWindowExA(
            WS_EX_CLIENTEDGE, "button", bilingual(de, b.de, b.en), WS_CHILD | WS_VISIBLE, b.x, b.y,
            100, 25, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)),
            GetModuleHandleA(nullptr), nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(s->buttonFont.get()), TRUE);
    }
    return window;
}

HWND nt4ViewerWindow() { return open; }
