#include "favourites/favourites_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/common_controls.h"
#include "common/feature_window.h"
#include "common/file_dialog.h"
#include "common/file_icon.h"
#include "common/list_view.h"
#include "common/program_facts.h"
#include "common/small_font.h"
#include "common/text.h"
#include "common/window_set.h"
#include "favourites/program_favourites.h"
#include "settings/current_settings.h"
#include "settings/settings_registry.h"

namespace {

struct FavouritesWindow {
    HWND list = nullptr;
    HFONT font = nullptr;  // deleted when the window is destroyed
};

FavouritesWindow& state() {
    static FavouritesWindow window;
    return window;
}

void appendFavourite(const std::string& path) {
    appendListRow(state().list, path, systemSmallIconIndex(path));
    // a list-mode view takes its entries' width from here, not from the
    // column, and works it out anew as entries come
    SendMessageA(state().list, LVM_SETCOLUMNWIDTH, 0, 360);
    UpdateWindow(state().list);
}

HWND createButton(const char* text, int x, unsigned id) {
    const HWND button = CreateWindowExA(
        WS_EX_CLIENTEDGE, "button", text, WS_CHILD | WS_VISIBLE, x, 235, 100, 25,
        windows().favourites, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(state().font), TRUE);
    return button;
}

void loadFavourites() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing,
                                kProgramFavouritesKeyPath);
    if (!store.open()) return;
    for (const std::string& path : store.valueNames()) appendFavourite(path);
}

}  // namespace

void storeFavouritePrograms() {
    const HWND list = state().list;
    if (!list || !IsWindow(list)) return;
    std::vector<std::string> paths;
    for (int row = 0; row < listRowCount(list); ++row) paths.push_back(listCellText(list, row, 0));
    if (paths.empty()) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath);  // no favourites, no key
        return;
    }
    // written first, stale values removed only then: a failed write keeps
    // the favourites stored before
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing,
                                kProgramFavouritesKeyPath);
    if (store.open()) replaceStoredValues(store, programFavouritesToStore(paths));
}

HWND createFavouritesWindow() {
    FavouritesWindow& s = state();
    releaseFavouritesFonts();  // left from a window that was never destroyed
    s.list = nullptr;
    const bool de = programFacts().german;

    useCommonControls();

    WindowSet& w = windows();
    w.favourites = createFeatureWindow(
        kFavouritesClass, iconSourceFile(currentSettings().AppIcon, programFacts().homeDirectory),
        bilingual(de, "Favoritenliste", "Favorites list"), {400, 310}, {400, 290});
    if (!w.favourites) return nullptr;
    s.font = createSmallFont();
    ShowWindow(w.favourites, SW_SHOWNORMAL);

    // labels can be edited, but an edit is thrown away when it ends
    const DWORD listStyle = LVS_LIST | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                            LVS_EDITLABELS | LVS_NOCOLUMNHEADER | WS_BORDER;
    s.list = CreateWindowExA(0, "SysListView32", "", WS_CHILD | WS_VISIBLE | listStyle, 4, 10, 385,
                             220, w.favourites,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFavouritesListId)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!insertListColumn(s.list, 0, "", 360)) return w.favourites;
    useSystemSmallIcons(s.list);

    createButton(bilingual(de, "&Hinzufügen", "&Add"), 5, favourites_command::kAdd);
    createButton(bilingual(de, "&Entfernen", "&Remove"), 110, favourites_command::kRemove);
    createButton(bilingual(de, "&Ausführen", "&Run"), 220, favourites_command::kRun);
    loadFavourites();
    UpdateWindow(w.favourites);
    return w.favourites;
}

void addFavouriteProgram() {
    const std::string path = chooseAnyFile(bilingual(
        programFacts().german, "Programm zur Favoritengruppe hinzufügen", "Add program to favorites group"));
    if (!path.empty()) appendFavourite(path);
}

void removeFavouriteProgram() {
    const int row = selectedListRow(state().list);
    if (row >= 0) SendMessageA(state().list, LVM_DELETEITEM, row, 0);
}

void runFavouriteProgram() {
    const int row = selectedListRow(state().list);
    if (row < 0) return;
    ShellExecuteA(windows().main, "Open", listCellText(state().list, row, 0).c_str(), "", "",
                  SW_SHOWNORMAL);
}

void onFavouritesWindowDestroyed() {
    storeFavouritePrograms();
    state().list = nullptr;
}

void releaseFavouritesFonts() {
    if (state().font) DeleteObject(state().font);
    state().font = nullptr;
}
