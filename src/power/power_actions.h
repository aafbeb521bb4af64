#pragma once

struct Settings;

// Everything that changes the machine's power state goes through this one
// interface: the program implements it with the real system calls, tests
// with a recorder. Results are not examined by any caller: a refused action
// simply leaves the machine as it was.
//
// The shutdown privilege that the system calls need is the real calls' own
// business: each one enables it just around itself and then puts back the
// state it had.
class PowerSystem {
public:
    virtual ~PowerSystem() = default;
    // Removes the main window's tray icon (id 1).
    virtual void removeTrayIcon() = 0;
    virtual void exitWindows(unsigned flags) = 0;
    virtual void setSystemPowerState(bool suspend, int force) = 0;
    // Restarts Windows 95/98/ME without restarting the machine.
    virtual void fastReboot() = 0;
};

// The single calls, each with its arguments taken from the settings in memory.
void shutdown(const Settings& settings, PowerSystem& power);
void reboot(const Settings& settings, PowerSystem& power);
void logoff(const Settings& settings, PowerSystem& power);
void standby(const Settings& settings, PowerSystem& power);
// Hibernation's force comes from forcehibernate, except on the command line,
// which has a flag of its own; so the caller passes it.
void hibernate(int force, PowerSystem& power);
