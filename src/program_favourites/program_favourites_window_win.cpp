#include "program_favourites/program_favourites_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

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
#include "program_favourites/program_favourites.h"
#include "settings/current_settings_win.h"
#include "settings/value_list_win.h"
#include "win32/common_controls_win.h"
#include "win32/file_dialog_win.h"
#include "win32/list_view_win.h"
#include "win32/owned_handles_win.h"
#include "win32/screen_dpi_win.h"
#include "win32/small_font_win.h"

namespace {

static_assert(noneShared({kProgramFavouritesListId, program_favourites_command::kRemove, program_favourites_command::kAdd,
                          program_favourites_command::kRun}));

struct ProgramFavouritesState {
    HWND list = nullptr;
    OwnedGdiObject font;
};

constexpr int kEntryWidth = 360;  // at 96 DPI

// The window's controls at 96 DPI, in a client area of 394 x 285: the list,
// and the buttons below it.
constexpr PlainControl kControls[] = {
    {ControlKind::List, {4, 10, 385, 220}, "", "", kProgramFavouritesListId},
    {ControlKind::Push, {5, 235, 100, 25}, "&Hinzufügen", "&Add", program_favourites_command::kAdd},
    {ControlKind::Push, {110, 235, 100, 25}, "&Entfernen", "&Remove", program_favourites_command::kRemove},
    {ControlKind::Push, {220, 235, 100, 25}, "&Ausführen", "&Run", program_favourites_command::kRun},
};

void appendFavourite(HWND list, const std::string& path) {
    appendListRow(list, path, systemSmallIconIndex(path));
    // a list-mode view takes its entries' width from here, not from the
    // column, and works it out anew as entries come
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, scaledToScreen(kEntryWidth));
    UpdateWindow(list);
}

// The window may be closed while the file dialog is open: its state is
// looked up again after it.
void addFavourite(HWND window) {
    const bool de = programFacts().german;
    const std::string path = chooseAnyFile(
        mainWindow(), de,
        bilingual(de, "Programm zur Favoritengruppe hinzufügen", "Add program to favorites group"));
    const ProgramFavouritesState* s = IsWindow(window) ? stateOf<ProgramFavouritesState>(window) : nullptr;
    if (s && !path.empty()) appendFavourite(s->list, path);
}

void removeFavourite(const ProgramFavouritesState& s) {
    const int row = selectedListRow(s.list);
    if (row >= 0) SendMessageA(s.list, LVM_DELETEITEM, row, 0);
}

void runFavourite(const ProgramFavouritesState& s) {
    const int row = selectedListRow(s.list);
    if (row < 0) return;
    ShellExecuteA(mainWindow(), "Open", listCellText(s.list, row, 0).c_str(), "", "",
                  SW_SHOWNORMAL);
}

LRESULT CALLBACK programFavouritesProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ProgramFavouritesState* s = windowState<ProgramFavouritesState>(window, message, lParam);
    switch (message) {
    case WM_DESTROY:  // every way of closing keeps the user's changes
        storeProgramFavourites(window);
        break;
    case DM_GETDEFID:
        return MAKELRESULT(program_favourites_command::kRun, DC_HASDEFID);
    case WM_COMMAND:
        if (!s) break;
        switch (wParam) {
        case program_favourites_command::kAdd: addFavourite(window); return 0;
        case program_favourites_command::kRemove: removeFavourite(*s); return 0;
        case program_favourites_command::kRun: runFavourite(*s); return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (s && header.code == static_cast<UINT>(NM_DBLCLK) && header.idFrom == kProgramFavouritesListId) {
            runFavourite(*s);
            return 0;
        }
        break;
    }
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

void openProgramFavourites() { openFeatureWindow(kProgramFavouritesClass, createProgramFavouritesWindow); }

HWND createProgramFavouritesWindow() {
    const bool de = programFacts().german;
    useCommonControls();
    auto state = std::make_unique<ProgramFavouritesState>();
    const HWND window = createFeatureWindow(
        kProgramFavouritesClass, programFavouritesProcedure,
        iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        bilingual(de, "Favoritenliste", "Favorites list"), &state);
    ProgramFavouritesState* s = stateOf<ProgramFavouritesState>(window);
    if (!s) return nullptr;
    s->font.reset(createSmallFont());
    const std::vector<TableControl> table =
        plainTable(kControls, de, static_cast<HFONT>(s->font.get()));
    const Layout layout = layOutTable(table, {394, 285});
    placeFeatureWindow(window, layout, {400, 290});
    ShowWindow(window, SW_SHOWNORMAL);

    // labels can be edited, but an edit is thrown away when it ends
    const DWORD listStyle = LVS_LIST | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                            LVS_EDITLABELS | LVS_NOCOLUMNHEADER | WS_BORDER;
    const std::vector<HWND> controls = createTable(window, table, layout, listStyle);
    s->list = controls[0];
    arrangeForKeyboard(window, controls, table);
    rememberFocus(window, s->list);
    if (!insertListColumn(s->list, 0, "", kEntryWidth)) return window;
    useSystemSmallIcons(s->list);
    for (const ListedValue& favourite : loadValueList(kProgramFavouritesKeyPath))
        appendFavourite(s->list, favourite.name);
    UpdateWindow(window);
    return window;
}

HWND programFavouritesWindow() { return openWindowOfClass(kProgramFavouritesClass); }

void storeProgramFavourites(HWND window) {
    const ProgramFavouritesState* s = stateOf<ProgramFavouritesState>(window);
    if (!s || !IsWindow(s->list)) return;
    std::vector<std::string> paths;
    for (int row = 0; row < listRowCount(s->list); ++row) paths.push_back(listCellText(s->list, row, 0));
    storeValueList(kProgramFavouritesKeyPath, programFavouritesToStore(paths), StaleValues::Delete);
}
