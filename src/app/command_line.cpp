#include "app/command_line.h"

#include "power/power_actions.h"
#include "settings/settings.h"

std::string argumentText(std::string_view commandLine) {
    if (commandLine.size() >= kCommandLineBufferSize) return {};
    const std::size_t slash = commandLine.find('/');
    if (slash == std::string_view::npos) return {};
    return std::string(commandLine.substr(slash + 1));
}

CommandLineAction parseArguments(std::string_view arguments) {
    CommandLineAction request;
    const std::size_t forceIndex = arguments.find('f');
    const bool force = forceIndex != std::string_view::npos && forceIndex > 0;
    auto has = [&](char letter) { return arguments.find(letter) != std::string_view::npos; };

    if (has('p')) request.poweroff = true;
    if (has('s')) {
        request.action = action_code::kShutdown;
        request.forceshutdown = force;
    }
    if (has('r')) {
        request.action = action_code::kReboot;
        request.forcereboot = force;
    }
    if (has('l')) {
        request.action = action_code::kLogoff;
        request.forcelogoff = force;
    }
    if (has('b')) {
        request.action = action_code::kStandby;
        request.forcestandby = force;
    }
    if (has('h')) {
        request.action = action_code::kHibernate;
        request.forcehibernate = force;
    }
    return request;
}

void applyOverrides(const CommandLineAction& request, Settings& s) {
    auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    s.poweroff = flag(request.poweroff);
    s.forceshutdown = flag(request.forceshutdown);
    s.forcereboot = flag(request.forcereboot);
    s.forcelogoff = flag(request.forcelogoff);
    s.forcestandby = flag(request.forcestandby);
}

void runCommandLineAction(const CommandLineAction& request, const Settings& s,
                          PowerSystem& power) {
    const std::string& a = request.action;
    if (a == action_code::kShutdown) {
        power.removeTrayIcon();
        shutdown(s, power);
    } else if (a == action_code::kReboot) {
        power.removeTrayIcon();
        reboot(s, power);
    } else if (a == action_code::kLogoff) {
        power.removeTrayIcon();
        logoff(s, power);
    } else if (a == action_code::kStandby) {
        standby(s, power);
    } else if (a == action_code::kHibernate) {
        hibernate(request.forcehibernate ? 1 : 0, power);
    }
}
