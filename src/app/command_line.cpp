#include "app/command_line.h"

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
        request.action = Action::Shutdown;
        request.forceshutdown = force;
    }
    if (has('r')) {
        request.action = Action::Reboot;
        request.forcereboot = force;
    }
    if (has('l')) {
        request.action = Action::Logoff;
        request.forcelogoff = force;
    }
    if (has('b')) {
        request.action = Action::Standby;
        request.forcestandby = force;
    }
    if (has('h')) {
        request.action = Action::Hibernate;
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
