#include "process_viewer/module_window.h"

#include <commctrl.h>

#include "common/common_controls.h"
#include "common/feature_window.h"
#include "common/file_icon.h"
#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_set.h"
#include "process_viewer/list_sort.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_ids.h"
#include "settings/current_settings.h"

HWND createModuleWindow(const std::string& title, std::uint32_t pid) {
    // only the window list's systems have module records; asked before the
    // window exists, so no window is destroyed without a loop of its own
    if (viewerKind() != ViewerKind::WindowList) return nullptr;
    WindowSet& w = windows();
    w.modules = createFeatureWindow(
        kModuleWindowClass, iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        ("Module Usage - " + title).c_str(), {680, 300}, {680, 300}, WS_DLGFRAME | WS_SYSMENU,
        w.processViewer);
    if (!w.modules) return nullptr;
    useCommonControls();
    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_EDITLABELS;
    w.moduleList = CreateWindowExA(0, "SysListView32", "", listStyle, 10, 2, 660, 260, w.modules,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kModuleListId)),
                                   GetModuleHandleA(nullptr), nullptr);
    useSystemSmallIcons(w.moduleList);
    const std::pair<const char*, int> columns[] = {
        {"Name", 80},         {bilingual(programFacts().german, "Pfad", "Path"), 240},
        {"ProcessID", 64},    {"GlobalUsage", 66},
        {"ProcUsage", 66},    {"BaseAddr", 64},
        {"Size", 60}};
    for (int i = 0; i < 7; ++i) insertListColumn(w.moduleList, i, columns[i].first, columns[i].second);
    for (const ModuleRecord& module : moduleSnapshot(pid))
        if (appendListCells(w.moduleList, moduleRow(module), systemSmallIconIndex(module.path)) < 0)
            break;
    selectListRow(w.moduleList, 0);
    sortDirections().set(0, kFirstOrder);
    sortListByColumn(w.moduleList, ViewerList::Modules, 0);
    return w.modules;
}

void closeModuleWindow() {
    DestroyWindow(windows().moduleList);
    DestroyWindow(windows().modules);
}
