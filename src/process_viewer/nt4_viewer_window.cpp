#include "process_viewer/nt4_viewer_window.h"

#include <commctrl.h>

#include "common/common_controls.h"
#include "common/feature_window.h"
#include "common/file_icon.h"
#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/small_font.h"
#include "common/text.h"
#include "common/window_set.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_window.h"
#include "settings/current_settings.h"

namespace {

HFONT& buttonFont() {
    static HFONT font = nullptr;  // one for all eight buttons, deleted with the window
    return font;
}

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

}  // namespace

HWND createNt4ViewerWindow() {
    releaseNt4ViewerFonts();  // left from a window that was never destroyed
    WindowSet& w = windows();
    w.nt4Viewer = createFeatureWindow(
        kProcessViewerClass, iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        "Process Viewer", {420, 330}, {420, 430});
    if (!w.nt4Viewer) return nullptr;
    useCommonControls();
    const DWORD listStyle =
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
    w.nt4List = CreateWindowExA(0, "SysListView32", "", listStyle, 10, 2, 400, 160, w.nt4Viewer,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNt4ListId)),
                                GetModuleHandleA(nullptr), nullptr);
    const bool de = programFacts().german;
    insertListColumn(w.nt4List, 0, "Name", 140);
    insertListColumn(w.nt4List, 1, bilingual(de, "Pfad", "Path"), 200);
    insertListColumn(w.nt4List, 2, "Pid", 40);
    refreshNt4List();
    selectListRow(w.nt4List, 0);

    buttonFont() = createSmallFont();
    for (const Button& b : kButtons) {
        const HWND button = CreateWindowExA(
            WS_EX_CLIENTEDGE, "button", bilingual(de, b.de, b.en), WS_CHILD | WS_VISIBLE, b.x, b.y,
            100, 25, w.nt4Viewer, reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)),
            GetModuleHandleA(nullptr), nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont()), TRUE);
    }
    return w.nt4Viewer;
}

void refreshNt4List() {
    if (!isNt4()) return;
    const HWND list = windows().nt4List;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const Nt4ProcessRow& row : nt4ProcessRows(processPaths(), topLevelWindows()))
        appendListCells(list, {row.title, row.path, row.pid}, -1, static_cast<LPARAM>(row.window));
}

void releaseNt4ViewerFonts() {
    if (buttonFont()) DeleteObject(buttonFont());
    buttonFont() = nullptr;
}
