#include "process_viewer/module_window_win.h"

#include <commctrl.h>

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "process_viewer/list_sort_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/version_info_win.h"
#include "process_viewer/viewer_ids.h"
#include "settings/current_settings_win.h"
#include "win32/common_controls_win.h"
#include "win32/list_view_win.h"

namespace {

static_assert(noneShared({kModuleListId}));

// The window's list is its one child; nothing else is kept with it.
struct ModuleState {};

LRESULT CALLBACK moduleProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowState<ModuleState>(window, message, lParam);
    switch (message) {
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMLISTVIEW*>(lParam);
        const HWND list = header.hdr.hwndFrom;
        if (header.hdr.idFrom != kModuleListId) break;
        if (header.hdr.code == static_cast<UINT>(NM_DBLCLK)) {
            if (selectedListRow(list) >= 0) showVersionReport(list, selectedCellText(list, 1));
            return 0;
        }
        if (header.hdr.code == static_cast<UINT>(LVN_COLUMNCLICK)) {
            onSortColumnClick(list, ViewerList::Modules, header.iSubItem);
            return 0;
        }
        break;
    }
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

HWND createModuleWindow(HWND viewer, const std::string& title, std::uint32_t pid) {
    // only the window list's systems have module records; asked before the
    // window exists, so that none is made only to be destroyed
    if (viewerKind() != ViewerKind::WindowList) return nullptr;
    auto state = std::make_unique<ModuleState>();
    const HWND window = createFeatureWindow(
        kModuleWindowClass, moduleProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        ("Module Usage - " + title).c_str(), &state, WS_DLGFRAME | WS_SYSMENU, viewer);
    if (!window) return nullptr;
    const std::vector<TableControl> table = {
        {ControlKind::List, {10, 2, 660, 260}, -1, -1, {}, nullptr, kModuleListId}};
    const Layout layout = layOutTable(table, {674, 275});
    placeFeatureWindow(window, layout, {680, 300});
    useCommonControls();
    const std::vector<HWND> controls =
        createTable(window, table, layout,
                    WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                        LVS_SHAREIMAGELISTS | LVS_EDITLABELS);
    const HWND list = controls[0];
    arrangeForKeyboard(window, controls, table);
    rememberFocus(window, list);
    useSystemSmallIcons(list);
    const std::pair<const char*, int> columns[] = {
        {"Name", 80},         {bilingual(programFacts().german, "Pfad", "Path"), 240},
        {"ProcessID", 64},    {"GlobalUsage", 66},
        {"ProcUsage", 66},    {"BaseAddr", 64},
        {"Size", 60}};
    for (int i = 0; i < 7; ++i) insertListColumn(list, i, columns[i].first, columns[i].second);
    for (const ModuleRecord& module : moduleSnapshot(pid))
        if (appendListCells(list, moduleRow(module), systemSmallIconIndex(module.path)) < 0) break;
    // the name column fits the longest name, up to the list's width
    RECT inside{};
    GetClientRect(list, &inside);
    fitListColumn(list, 0, inside.right);
    selectListRow(list, 0);
    sortDirections().set(0, kFirstOrder);
    sortListByColumn(list, ViewerList::Modules, 0);
    return window;
}

HWND moduleWindow() { return openWindowOfClass(kModuleWindowClass); }

void openModuleWindow(HWND viewer, const std::string& title, std::uint32_t pid) {
    if (const HWND open = moduleWindow()) DestroyWindow(open);
    if (const HWND window = createModuleWindow(viewer, title, pid)) showFeatureWindow(window);
}
