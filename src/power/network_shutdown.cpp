#include "power/network_shutdown.h"

#include "common/command_ids.h"
#include "common/decimal.h"
#include "common/text.h"
#include "settings/network_drives.h"
#include "settings/settings.h"

void shutDownNetwork(Settings& s, bool reboot, bool german, const std::function<void()>& reload,
                     RemoteShutdownSystem& remote) {
    const std::string local = remote.localComputerName();
    const int delay = settingAsInt(s.shownetworkwarning);
    const bool force = settingAsInt(s.forcenetshutdown) != 0;
    reload();
    const std::string message =
        reboot ? bilingual(german, "Es erfolgt ein Reboot des Netzwerks", "Reboot Network")
               : bilingual(german, "Netzwerk wird heruntergefahren", "Shutting down Network");
    for (const std::string& computer : parseNetworkDrives(s.NetworkDrives)) {
        if (const unsigned error = remote.openToken())
            remote.showFailure("shutdown privilege", error);
        // the local computer needs only the ordinary shutdown privilege
        const std::string privilege =
            computer == local ? "SeShutdownPrivilege" : "SeRemoteShutdownPrivilege";
        if (const unsigned error = remote.enablePrivilege(privilege))
            remote.showFailure("AdjustTokenPrivileges", error);
        if (const unsigned error = remote.initiateShutdown(
                computer, message, static_cast<unsigned>(delay), force, reboot))
            remote.showFailure("InitiateSystemShutdown", error);
        if (const unsigned error = remote.restorePrivilege())
            remote.showFailure("AdjustTokenPrivileges ", error);
        remote.closeToken();
    }
}

bool runNetworkCommand(unsigned id, PowerEntryContext& c, RemoteShutdownSystem& remote) {
    if (id != tray_command::kNetworkShutdown && id != tray_command::kNetworkReboot) return false;
    shutDownNetwork(c.settings, id == tray_command::kNetworkReboot, c.german, c.reload, remote);
    return true;
}
