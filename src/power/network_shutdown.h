#pragma once

#include <string>

#include "power/power_entry.h"

// The calls that shut down other computers. Each step returns the error it
// left behind, 0 when it succeeded; the program implements them with the
// system's token and remote-shutdown calls, tests with a recorder.
class RemoteShutdownSystem {
public:
    virtual ~RemoteShutdownSystem() = default;
    virtual std::string localComputerName() = 0;
    virtual unsigned openToken() = 0;
    // Enables the privilege, then puts back the state it had before.
    virtual unsigned enablePrivilege(const std::string& privilege) = 0;
    virtual unsigned restorePrivilege() = 0;
    virtual unsigned initiateShutdown(const std::string& computer, const std::string& message,
                                      unsigned delaySeconds, bool force, bool reboot) = 0;
    virtual void closeToken() = 0;
    // A modal box with the text, titled with the system's text for the error.
    virtual void showFailure(const std::string& text, unsigned error) = 0;
};

// Shuts down, or reboots, every listed computer in order. Delay and force
// are taken before the settings are reloaded; each failing step is shown
// and the loop goes on.
void shutDownNetwork(Settings& settings, bool reboot, bool german,
                     const std::function<void()>& reload, RemoteShutdownSystem& remote);

// Tray commands 229 (shut down) and 230 (reboot). False for other ids.
bool runNetworkCommand(unsigned id, PowerEntryContext& context, RemoteShutdownSystem& remote);
