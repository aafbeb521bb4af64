#include "power/power_entries.h"

#include "common/command_ids.h"
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

void runCommandLineAction(const CommandLineAction& request, const Settings& s,
                          PowerSystem& power) {
    switch (request.action) {
    case Action::Shutdown:
        power.removeTrayIcon();
        shutdown(s, power);
        break;
    case Action::Reboot:
        power.removeTrayIcon();
        reboot(s, power);
        break;
    case Action::Logoff:
        power.removeTrayIcon();
        logoff(s, power);
        break;
    case Action::Standby: standby(s, power); break;
    case Action::Hibernate: hibernate(request.forcehibernate ? 1 : 0, power); break;
    case Action::None: break;
    }
}

ClickOutcome runClickAction(PowerEntryContext& c) {
    forceStandbyAndHibernate(c.settings);
    c.reload();
    switch (clickAction(c.settings)) {
    case ClickAction::Shutdown:
        c.power.removeTrayIcon();
        shutdown(c.settings, c.power);
        break;
    case ClickAction::Reboot:
        c.power.removeTrayIcon();
        reboot(c.settings, c.power);
        break;
    case ClickAction::Logoff:
        c.power.removeTrayIcon();
        logoff(c.settings, c.power);
        break;
    case ClickAction::Standby: standby(c.settings, c.power); break;
    case ClickAction::NetworkShutdown: return ClickOutcome::NetworkShutdown;
    case ClickAction::NetworkReboot: return ClickOutcome::NetworkReboot;
    case ClickAction::Hibernate:
        hibernate(settingValue(c.settings, &Settings::forcehibernate), c.power);
        break;
    case ClickAction::Nothing:
    case ClickAction::None: break;
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
        hibernate(settingValue(c.settings, &Settings::forcehibernate), c.power);
        return true;
    default:
        return false;
    }
}

void runScheduledAction(PowerEntryContext& c) {
    c.reload();
    switch (scheduledAction(c.settings)) {
    case Action::Shutdown:
        c.reload();
        shutdown(c.settings, c.power);
        c.power.removeTrayIcon();
        break;
    case Action::Reboot:
        c.power.removeTrayIcon();
        reboot(c.settings, c.power);
        break;
    case Action::Logoff:
        c.power.removeTrayIcon();
        logoff(c.settings, c.power);
        break;
    case Action::Standby: standby(c.settings, c.power); break;
    case Action::Hibernate:
        c.reload();
        c.power.removeTrayIcon();
        hibernate(settingValue(c.settings, &Settings::forcehibernate), c.power);
        break;
    case Action::None: break;
    }
}
