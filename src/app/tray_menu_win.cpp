#include "app/tray_menu_win.h"

#include <cstddef>
#include <ctime>

#include "common/program_facts.h"
#include "display/display_window_win.h"
#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "systools/cd_drives_win.h"
#include "systools/system_figures.h"
#include "systools/system_figures_win.h"
#include "common/windows_version_win.h"

namespace {

// The record without hbmpItem: Windows 95 and NT 4 reject the longer one.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);

HMENU handleOf(const TrayMenuHandles& menus, TrayMenu menu) {
    return menus[static_cast<int>(menu)];
}

void appendEntry(HMENU menu, const TrayMenuEntry& e, const TrayMenuHandles& menus) {
    using Kind = TrayMenuEntry::Kind;
    if (e.kind == Kind::Separator)
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    else if (e.kind == Kind::Submenu)
        AppendMenuA(menu, MF_STRING | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(handleOf(menus, e.submenu)), e.text.c_str());
    else
        AppendMenuA(menu, MF_STRING, e.id, e.text.c_str());
}

void insertEntryAtFront(HMENU menu, const TrayMenuEntry& e, const TrayMenuHandles& menus) {
    using Kind = TrayMenuEntry::Kind;
    MENUITEMINFOA item{};
    item.cbSize = kMenuItemInfoSize;
    item.fMask = MIIM_TYPE | MIIM_ID | MIIM_DATA;
    item.fType = e.kind == Kind::Separator ? MFT_SEPARATOR : MFT_STRING;
    item.wID = e.id;
    if (e.kind != Kind::Separator) item.dwTypeData = const_cast<char*>(e.text.c_str());
    if (e.kind == Kind::Submenu) {
        item.fMask |= MIIM_SUBMENU;
        item.hSubMenu = handleOf(menus, e.submenu);
    }
    InsertMenuItemA(menu, 0, TRUE, &item);
}

}  // namespace

TrayMenuHandles createTrayMenus(const TrayMenuContext& context, ClockRate clock) {
    const TrayMenuModel model = buildTrayMenuModel(context);
    TrayMenuHandles menus{};
    for (HMENU& menu : menus) menu = CreatePopupMenu();
    for (int m = 0; m < kTrayMenuCount; ++m) {
        const auto& entries = model[m];
        if (context.windows95) {
            for (const auto& e : entries) appendEntry(menus[m], e, menus);
        } else {
            for (auto e = entries.rbegin(); e != entries.rend(); ++e)
                insertEntryAtFront(menus[m], *e, menus);
            for (const auto& e : entries)
                if (e.isDefault) SetMenuDefaultItem(menus[m], e.id, FALSE);
        }
    }
    fillSystemFigures(handleOf(menus, TrayMenu::Resources), handleOf(menus, TrayMenu::Cpu),
                      context.german, clock == ClockRate::Measure);
    return menus;
}

TrayMenuContext currentTrayMenuContext() {
    TrayMenuContext c;
    c.windows95 = windowsVersion().windows95;
    c.platformClass = windowsVersion().platformClass;
    c.german = programFacts().german;
    c.hibernationAvailable = hibernationAvailable();
    const DWORD ticks = GetTickCount();
    c.runtimeText = runtimeText(ticks, c.german);
    c.bootText = bootInstantText(std::time(nullptr), ticks);
    c.cdDrives = scanCdDrives();
    return c;
}

void destroyTrayMenus(const TrayMenuHandles& menus) {
    DestroyMenu(handleOf(menus, TrayMenu::Root));
}

void showTrayMenu(HWND owner) {
    POINT cursor{};
    GetCursorPos(&cursor);
    enumerateModes();  // the countdown goes back to the mode of this moment
    const TrayMenuHandles menus = createTrayMenus(currentTrayMenuContext(), ClockRate::Measure);
    SetForegroundWindow(mainWindow());
    TrackPopupMenu(handleOf(menus, TrayMenu::Root), TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x,
                   cursor.y, 0, owner, nullptr);
    // Without a message after tracking, a menu opened from the tray does not
    // close again when the user clicks elsewhere.
    PostMessageA(owner, WM_NULL, 0, 0);
    destroyTrayMenus(menus);
}
