#include "app/tray_menu.h"

#include "common/text.h"
#include "systools/cd_drives.h"

namespace {

using Kind = TrayMenuEntry::Kind;

class MenuWriter {
public:
    MenuWriter(TrayMenuModel& model, TrayMenu menu, bool german)
        : entries_(model[static_cast<int>(menu)]), german_(german) {}

    void command(const char* de, const char* en, unsigned id) {
        entries_.push_back({Kind::Command, bilingual(german_, de, en), id});
    }
    void command(const char* both, unsigned id) { command(both, both, id); }
    void submenu(const char* de, const char* en, TrayMenu menu) {
        entries_.push_back({Kind::Submenu, bilingual(german_, de, en), 0, menu});
    }
    void separator() { entries_.push_back({Kind::Separator, "", 0}); }
    void markLastDefault() { entries_.back().isDefault = true; }

private:
    std::vector<TrayMenuEntry>& entries_;
    bool german_;
};

void buildRoot(TrayMenuModel& model, const TrayMenuContext& c) {
    namespace id = tray_command;
    const bool a = c.windows95;
    MenuWriter root(model, TrayMenu::Root, c.german);
    root.command("&Optionen", "&Options", id::kOptions);
    if (!a) root.markLastDefault();
    root.command("Aktion, &wenn ...", "Act &when ...", id::kActWhen);
    root.separator();
    root.command("&Favoriten", "&Favorites", id::kFavourites);
    root.submenu("&Desktop", "&Desktop", TrayMenu::Desktop);
    root.submenu("System", "System", TrayMenu::System);
    root.submenu("&Tools", "&Tools", TrayMenu::Tools);
    root.separator();
    if (a) {
        root.command("&Shutdown Netzwerk ", "ShutDown Network", id::kNetworkShutdown);
        root.command("&Reboot Netzwerk ", "Rebbot Network", id::kNetworkReboot);
        root.command("&neu anmelden", "&log off", id::kLogoff);
        root.command("&Standby Modus ", "Standby mode", id::kStandby);
        root.command("&schneller Reboot ", "fast reboot", id::kFastReboot);
        root.command("&kompletter Reboot", "complete reboot", id::kCompleteReboot);
    } else {
        root.command("&Reboot Netzwerk ", "Reboot Network", id::kNetworkReboot);
        root.command("&Shutdown Netzwerk ", "ShutDown Network", id::kNetworkShutdown);
        root.command("&neu anmelden", "Log off", id::kLogoff);
        root.command("&Standby Modus ", "Standby Mode", id::kStandby);
        // Restarting only Windows exists on Windows 9x alone.
        if (c.platformClass == 0)
            root.command("&schneller Reboot", "&fast Reboot", id::kFastReboot);
        root.command("&kompletter Reboot", "&Complete Reboot", id::kCompleteReboot);
    }
    if (c.hibernationAvailable) root.command("Hibernate", id::kHibernate);
    root.command(a ? "Shutdown" : "&Shutdown", id::kShutdown);
    root.separator();
    root.command("&Dormival beenden", a ? "Terminate Dormival" : "&Terminate Dormival",
                 id::kTerminate);
    root.command("Anzeigefenster &schliessen", a ? "Close &popup" : "Close &PopupWindow",
                 id::kNone);
}

void buildSubmenus(TrayMenuModel& model, const TrayMenuContext& c) {
    namespace id = tray_command;
    const bool a = c.windows95;
    MenuWriter desktop(model, TrayMenu::Desktop, c.german);
    desktop.command("Desktop &aktualisieren", a ? "&Refresh desktop" : "&refresh desktop",
                    id::kRefreshDesktop);
    desktop.command("alle Fenster &maximieren",
                    a ? "&maximize all windows" : "m&aximize all windows",
                    id::kRestoreAllWindows);
    desktop.command("alle Fenster &minimieren",
                    a ? "minimize &all windows" : "&minimize all windows",
                    id::kMinimiseAllWindows);
    desktop.command("alle Fenster &schließen", "&close all windows", id::kCloseAllWindows);

    MenuWriter system(model, TrayMenu::System, c.german);
    system.command("Anzeigeeigenschaften", "Screen Properties", id::kDisplayModes);
    system.command("&Process Viewer", id::kProcessViewer);
    system.submenu("CPU-Information", "CPU-Information", TrayMenu::Cpu);
    system.submenu("Systemlaufzeit", a ? "time since windows started : " : "windows runtime",
                   TrayMenu::Runtime);
    system.submenu("Systemressourcen", a ? "System recources" : "Systemressourcen",
                   TrayMenu::Resources);

    MenuWriter tools(model, TrayMenu::Tools, c.german);
    tools.command(" Anzeigeeigenschaften MS", " ScreenProperties MS", id::kDisplayProperties);
    tools.command("Rebuild_Icons", id::kRebuildIcons);
    tools.submenu("&CD-Laufwerk", "CD-Drive", TrayMenu::CdDrive);

    MenuWriter cdDrive(model, TrayMenu::CdDrive, c.german);
    unsigned next = kFirstCdDriveCommand;
    for (const char letter : c.cdDrives) {
        const std::string open = cdDriveEntryText(letter, true, c.german);
        const std::string close = cdDriveEntryText(letter, false, c.german);
        cdDrive.command(open.c_str(), next);
        cdDrive.command(close.c_str(), next + 1);
        cdDrive.separator();
        next += 3;
    }

    MenuWriter runtime(model, TrayMenu::Runtime, c.german);
    runtime.command(c.runtimeText.c_str(), id::kNone);
    runtime.command(c.bootText.c_str(), id::kNone);

    MenuWriter resources(model, TrayMenu::Resources, c.german);
    for (int i = 0; i < kResourcesEntries; ++i) resources.command(kResourcesPlaceholder, id::kNone);
    MenuWriter cpu(model, TrayMenu::Cpu, c.german);
    for (int i = 0; i < kCpuEntries; ++i) cpu.command(kCpuPlaceholder, id::kNone);
}

}  // namespace

TrayMenuModel buildTrayMenuModel(const TrayMenuContext& context) {
    TrayMenuModel model;
    buildRoot(model, context);
    buildSubmenus(model, context);
    return model;
}

std::string trayTooltip(int platformClass, bool german, const std::optional<std::string>& armed) {
    const bool oneLine = platformClass == 0;
    const std::string hints =
        oneLine ? bilingual(german, "links Operation ausführen, rechts Optionen",
                            "left run Operation, right Options")
                : bilingual(german, "links Operation ausführen\nrechts Optionen",
                            "left run Operation\nright options");
    const char* const gap = oneLine ? " " : "\n";
    if (!armed) return "Dormival" + (gap + hints);
    std::string tip = (oneLine ? "Dormival: " : "Dormival\n") + *armed;
    const std::string withHints = tip + (oneLine ? ", " : "\n") + hints;
    return withHints.size() <= kTooltipLength ? withHints : tip.substr(0, kTooltipLength);
}
