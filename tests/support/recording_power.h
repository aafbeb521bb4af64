#pragma once

#include <string>
#include <vector>

#include "power/power_actions.h"

// Records every power call as a line such as "ExitWindowsEx(13)".
class RecordingPower : public PowerSystem {
public:
    std::vector<std::string> calls;

    void removeTrayIcon() override { calls.push_back("removeTrayIcon"); }
    void exitWindows(unsigned flags) override {
        calls.push_back("ExitWindowsEx(" + std::to_string(flags) + ")");
    }
    void setSystemPowerState(bool suspend, int force) override {
        calls.push_back("SetSystemPowerState(" + std::string(suspend ? "TRUE" : "FALSE") + "," +
                        std::to_string(force) + ")");
    }
    void fastReboot() override { calls.push_back("fastReboot"); }
};
