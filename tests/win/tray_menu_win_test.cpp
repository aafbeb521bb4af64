#include "app/tray_menu_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/menu_lines.h"
#include "systools/system_figures_win.h"

namespace {

using Lines = std::vector<std::string>;

// A real menu read back entry by entry, as menuLines writes the model's.
Lines readMenu(HMENU menu) {
    Lines out;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_TYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        if (!GetMenuItemInfoA(menu, i, TRUE, &item)) {
            out.push_back("unreadable");
            continue;
        }
        using Kind = TrayMenuEntry::Kind;
        const Kind kind = (item.fType & MFT_SEPARATOR) ? Kind::Separator
                          : item.hSubMenu               ? Kind::Submenu
                                                        : Kind::Command;
        out.push_back(menuLine(kind, text, item.wID, (item.fState & MFS_DEFAULT) != 0));
    }
    return out;
}

TrayMenuContext context(bool windows95, bool german) {
    TrayMenuContext c;
    c.windows95 = windows95;
    c.platformClass = windows95 ? 0 : 3;
    c.german = german;
    c.hibernationAvailable = true;
    c.runtimeText = "windows runtime : 00:00:59";
    c.bootText = "SystemBoot : Tue Dec 08 12:00:00 2026\n";
    return c;
}

class TrayMenus : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

// Both ways of building give the menus of the model, with the submenus in
// their places; the figures replace the placeholders.
TEST_P(TrayMenus, RealMenusMatchTheModel) {
    const auto [windows95, german] = GetParam();
    const TrayMenuContext c = context(windows95, german);
    const TrayMenuModel model = buildTrayMenuModel(c);
    const TrayMenuHandles menus = createTrayMenus(c, ClockRate::Skip);
    for (TrayMenu m : {TrayMenu::Root, TrayMenu::System, TrayMenu::Desktop, TrayMenu::Tools,
                       TrayMenu::Runtime, TrayMenu::CdDrive})
        EXPECT_EQ(readMenu(menus[static_cast<int>(m)]), menuLines(model[static_cast<int>(m)]))
            << "menu " << static_cast<int>(m);
    // each submenu entry opens the menu of the set that the model names
    for (int m = 0; m < kTrayMenuCount; ++m) {
        for (int i = 0; i < static_cast<int>(model[m].size()); ++i) {
            if (model[m][i].kind == TrayMenuEntry::Kind::Submenu) {
                EXPECT_EQ(GetSubMenu(menus[m], i), menus[static_cast<int>(model[m][i].submenu)]);
            }
        }
    }
    EXPECT_EQ(GetMenuDefaultItem(menus[0], FALSE, 0), windows95 ? static_cast<UINT>(-1) : 217u);

    const Lines resources = readMenu(menus[static_cast<int>(TrayMenu::Resources)]);
    const auto labels = resourceTexts(MemoryFigures{}, german);
    ASSERT_EQ(resources.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        const std::string label = labels[i].substr(0, labels[i].find_last_of(':') + 2);
        EXPECT_EQ(resources[i].rfind(label, 0), 0u) << resources[i];
        EXPECT_EQ(resources[i].substr(resources[i].size() - 2), "=0") << resources[i];
    }
    destroyTrayMenus(menus);
    EXPECT_FALSE(IsMenu(menus[static_cast<int>(TrayMenu::Resources)]));
}

INSTANTIATE_TEST_SUITE_P(VariantsAndLanguages, TrayMenus,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST(SystemFigures, ProcessorAndClockRateFillTheCpuSubmenu) {
    const TrayMenuHandles menus = createTrayMenus(context(false, false), ClockRate::Measure);
    const Lines cpu = readMenu(menus[static_cast<int>(TrayMenu::Cpu)]);
    destroyTrayMenus(menus);
    ASSERT_EQ(cpu.size(), 2u);
    const auto identifier = processorIdentifier();
    ASSERT_TRUE(identifier.has_value()) << "Wine describes the processor in the registry";
    EXPECT_EQ(cpu[1], *identifier + "=0");
    ASSERT_EQ(cpu[0].rfind("Clockrate (MHZ) : ", 0), 0u) << cpu[0];
    EXPECT_GT(std::stoul(cpu[0].substr(18)), 0u) << cpu[0];
    // the measurement leaves the priorities as they were
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST(SystemFigures, MemoryStatusIsPlausible) {
    const MemoryFigures f = readMemoryFigures();
    EXPECT_GT(f.totalPhysical, 0u);
    EXPECT_LE(f.availablePhysical, f.totalPhysical);
    EXPECT_LE(f.memoryLoad, 100u);
    EXPECT_GT(f.totalVirtual, 0u);
}

}  // namespace
