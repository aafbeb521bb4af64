#include "power/tray_actions.h"

#include "common/command_ids.h"
#include "common/decimal.h"
#include "settings/settings.h"

namespace {

// A click and the standby entry force standby and hibernation unless the
// store says otherwise: the reload that follows resets forcestandby and reads
// both, but keeps forcehibernate's "1" while nothing is stored.
void forceStandbyAndHibernate(Settings& settings) {
    settings.forcehibernate = "1";
    settings.forcestandby = "1";
}

}  // namespace

ClickOutcome runClickAction(PowerEntryContext& c) {
    forceStandbyAndHibernate(c.settings);
    c.reload();
    const std::string& click = c.settings.mouseclick;
    if (click == "0") {
        c.power.removeTrayIcon();
        shutdown(c.settings, c.power);
    } else if (click == "1") {
        c.power.removeTrayIcon();
        reboot(c.settings, c.power);
    } else if (click == "2") {
        c.power.removeTrayIcon();
        logoff(c.settings, c.power);
    } else if (click == "3") {
        standby(c.settings, c.power);
    } else if (click == "4") {
        return ClickOutcome::NetworkShutdown;
    } else if (click == "5") {
        return ClickOutcome::NetworkReboot;
    } else if (click == "7") {
        hibernate(settingAsInt(c.settings.forcehibernate), c.power);
    }
    return ClickOutcome::Done;
}

bool runTrayPowerCommand(unsigned id, PowerEntryContext& c) {
    namespace cmd = tray_command;
    switch (id) {
    case cmd::kShutdown:
        c.reload();
        shutdown(c.settings, c.power);
        c.power.removeTrayIcon();
        return true;
    case cmd::kCompleteReboot:
        c.reload();
        reboot(c.settings, c.power);
        return true;
    case cmd::kFastReboot:
        c.power.fastReboot();
        return true;
    case cmd::kLogoff:
        c.reload();
        logoff(c.settings, c.power);
        return true;
    case cmd::kStandby:
        forceStandbyAndHibernate(c.settings);
        c.reload();
        standby(c.settings, c.power);
        return true;
    case cmd::kHibernate:
        hibernate(settingAsInt(c.settings.forcehibernate), c.power);
        return true;
    default:
        return false;
    }
}
