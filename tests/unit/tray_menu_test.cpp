#include "app/tray_menu.h"

#include <gtest/gtest.h>

#include "support/menu_lines.h"

namespace {

using Kind = TrayMenuEntry::Kind;

TrayMenuContext context(bool windows95, int platformClass, bool german, bool hibernation) {
    TrayMenuContext c;
    c.windows95 = windows95;
    c.platformClass = platformClass;
    c.german = german;
    c.hibernationAvailable = hibernation;
    c.runtimeText = "windows runtime : 00:00:59";
    c.bootText = "SystemBoot : Tue Dec 08 12:00:00 2026\n";
    return c;
}

std::vector<std::string> lines(const TrayMenuModel& model, TrayMenu menu) {
    return menuLines(model[static_cast<int>(menu)]);
}

using Lines = std::vector<std::string>;

TEST(TrayMenuModel, Windows95EnglishRoot) {
    const auto model = buildTrayMenuModel(context(true, 0, false, false));
    EXPECT_EQ(lines(model, TrayMenu::Root),
              (Lines{"&Options=217", "Act &when ...=249", "-", "&Favorites=218", "&Desktop>",
                     "System>", "&Tools>", "-", "ShutDown Network=229", "Rebbot Network=230",
                     "&log off=202", "Standby mode=223", "fast reboot=201", "complete reboot=200",
                     "Shutdown=123", "-", "Terminate Dormival=205", "Close &popup=0"}));
}

TEST(TrayMenuModel, OtherSystemsGermanRootWithHibernation) {
    const auto model = buildTrayMenuModel(context(false, 0, true, true));
    EXPECT_EQ(lines(model, TrayMenu::Root),
              (Lines{"&Optionen=217*", "Aktion, &wenn ...=249", "-", "&Favoriten=218", "&Desktop>",
                     "System>", "&Tools>", "-", "&Reboot Netzwerk =230", "&Shutdown Netzwerk =229",
                     "&neu anmelden=202", "&Standby Modus =223", "&schneller Reboot=201",
                     "&kompletter Reboot=200", "Hibernate=247", "&Shutdown=123", "-",
                     "&Dormival beenden=205", "Anzeigefenster &schliessen=0"}));
}

TEST(TrayMenuModel, FastRebootOnlyOnWindows9xInVariantB) {
    const auto hasFastReboot = [](const TrayMenuContext& c) {
        const auto model = buildTrayMenuModel(c);
        for (const auto& e : model[0])
            if (e.id == tray_command::kFastReboot) return true;
        return false;
    };
    EXPECT_TRUE(hasFastReboot(context(true, 0, false, false)));
    EXPECT_TRUE(hasFastReboot(context(false, 0, false, false)));
    for (int nt : {1, 2, 3, 4}) EXPECT_FALSE(hasFastReboot(context(false, nt, false, false))) << nt;

    const auto nt = buildTrayMenuModel(context(false, 3, false, true));
    EXPECT_EQ(lines(nt, TrayMenu::Root),
              (Lines{"&Options=217*", "Act &when ...=249", "-", "&Favorites=218", "&Desktop>",
                     "System>", "&Tools>", "-", "Reboot Network=230", "ShutDown Network=229",
                     "Log off=202", "Standby Mode=223", "&Complete Reboot=200", "Hibernate=247",
                     "&Shutdown=123", "-", "&Terminate Dormival=205", "Close &PopupWindow=0"}));
}

TEST(TrayMenuModel, SubmenusPerVariant) {
    const auto a = buildTrayMenuModel(context(true, 0, false, false));
    const auto b = buildTrayMenuModel(context(false, 3, false, false));
    const auto de = buildTrayMenuModel(context(false, 3, true, false));
    EXPECT_EQ(lines(a, TrayMenu::Desktop),
              (Lines{"&Refresh desktop=207", "&maximize all windows=206",
                     "minimize &all windows=204", "&close all windows=203"}));
    EXPECT_EQ(lines(b, TrayMenu::Desktop),
              (Lines{"&refresh desktop=207", "m&aximize all windows=206",
                     "&minimize all windows=204", "&close all windows=203"}));
    EXPECT_EQ(lines(de, TrayMenu::Desktop),
              (Lines{"Desktop &aktualisieren=207", "alle Fenster &maximieren=206",
                     "alle Fenster &minimieren=204", "alle Fenster &schließen=203"}));
    EXPECT_EQ(lines(a, TrayMenu::System),
              (Lines{"Screen Properties=1498", "&Process Viewer=1495", "CPU-Information>",
                     "time since windows started : >", "System recources>"}));
    EXPECT_EQ(lines(b, TrayMenu::System),
              (Lines{"Screen Properties=1498", "&Process Viewer=1495", "CPU-Information>",
                     "windows runtime>", "Systemressourcen>"}));
    EXPECT_EQ(lines(de, TrayMenu::System),
              (Lines{"Anzeigeeigenschaften=1498", "&Process Viewer=1495", "CPU-Information>",
                     "Systemlaufzeit>", "Systemressourcen>"}));
    EXPECT_EQ(lines(b, TrayMenu::Tools),
              (Lines{" ScreenProperties MS=214", "Rebuild_Icons=213", "CD-Drive>"}));
    EXPECT_EQ(lines(de, TrayMenu::Tools),
              (Lines{" Anzeigeeigenschaften MS=214", "Rebuild_Icons=213", "&CD-Laufwerk>"}));
    EXPECT_EQ(lines(b, TrayMenu::Runtime),
              (Lines{"windows runtime : 00:00:59=0", "SystemBoot : Tue Dec 08 12:00:00 2026\n=0"}));
    EXPECT_EQ(lines(b, TrayMenu::Resources), Lines(8, "360=0"));
    EXPECT_EQ(lines(b, TrayMenu::Cpu), Lines(2, "A=0"));
    EXPECT_TRUE(b[static_cast<int>(TrayMenu::CdDrive)].empty());
    // every submenu of the set hangs somewhere in the tree exactly once
    int links = 0;
    for (const auto& menu : b)
        for (const auto& e : menu) links += e.kind == Kind::Submenu;
    EXPECT_EQ(links, kTrayMenuCount - 1);
}

TEST(TrayMenuModel, CdDriveSubmenuHasOpenCloseAndSeparatorPerDrive) {
    struct Case {
        const char* drives;
        bool german;
        Lines want;
    } cases[] = {
        {"", false, {}},
        {"E", false, {"CD-Drive E:\\ Open =300", "CD-Drive E:\\ Close =301", "-"}},
        {"DE", true,
         {"CD-Laufwerk D:\\ Open =300", "CD-Laufwerk D:\\ Close =301", "-",
          "CD-Laufwerk E:\\ Open =303", "CD-Laufwerk E:\\ Close =304", "-"}},
    };
    for (const Case& c : cases) {
        TrayMenuContext menu = context(false, 3, c.german, false);
        menu.cdDrives = c.drives;
        EXPECT_EQ(lines(buildTrayMenuModel(menu), TrayMenu::CdDrive), c.want) << c.drives;
    }
}

TEST(TrayTooltip, ByPlatformClassAndLanguage) {
    EXPECT_EQ(trayTooltip(0, false), "Dormival left run Operation, right Options");
    EXPECT_EQ(trayTooltip(0, true), "Dormival links Operation ausf\xFChren, rechts Optionen");
    EXPECT_EQ(trayTooltip(1, false), "Dormival\nleft run Operation\nright options");
    EXPECT_EQ(trayTooltip(4, true), "Dormival\nlinks Operation ausf\xFChren\nrechts Optionen");
    // an armed action's line, with the hints where they fit
    EXPECT_EQ(trayTooltip(1, false, "ShutDown at 22:00:00"),
              "Dormival\nShutDown at 22:00:00\nleft run Operation\nright options");
    EXPECT_EQ(trayTooltip(1, true, "Herunterfahren um 22:00:00"),
              "Dormival\nHerunterfahren um 22:00:00");
    EXPECT_EQ(trayTooltip(0, false, "StandBy in 5 seconds"), "Dormival: StandBy in 5 seconds");
    // the record's tip field holds 63 characters
    for (int c : {0, 3})
        for (bool german : {false, true})
            for (const char* armed : {"", "Herunterfahren am 24.12.2026 um 22:00:00"})
                EXPECT_LE(trayTooltip(c, german, *armed ? std::optional<std::string>(armed)
                                                        : std::nullopt)
                              .size(),
                          63u);
}

}  // namespace
