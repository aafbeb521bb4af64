#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "power/power_entry.h"

// One computer's request, with copies of every setting it needs: a worker
// thread asks with these alone.
struct NetworkRequest {
    std::string computer;
    std::string message;
    unsigned delaySeconds = 0;
    bool force = false;
    bool reboot = false;
};

// The calls that shut down other computers. Each step returns the error it
// left behind, 0 when it succeeded; the program implements them with the
// system's token and remote-shutdown calls, tests with a recorder. All but
// the requests themselves run on the window thread.
class RemoteShutdownSystem {
public:
    virtual ~RemoteShutdownSystem() = default;
    virtual std::string localComputerName() = 0;
    virtual unsigned openToken() = 0;
    // Enables the privilege; restorePrivileges puts back the state each
    // had before, the last enabled first.
    virtual unsigned enablePrivilege(const std::string& privilege) = 0;
    virtual unsigned restorePrivileges() = 0;
    virtual void closeToken() = 0;
    // Starts asking the computer without waiting for it; its answer comes
    // back to NetworkShutdowns::finished with the index. The error of the
    // start, 0 when it started.
    virtual unsigned startRequest(std::size_t index, const NetworkRequest& request) = 0;
    // The system's text for an error.
    virtual std::string errorText(unsigned error) = 0;
    // A box with the text, which does not hold up the window's messages.
    virtual void showBox(const std::string& text) = 0;
};

// Network shutdowns, one at a time: every listed computer asked once (a
// name listed twice, in any letter case, is asked once), at most
// kMostAtOnce at a time. The privileges are enabled before the first
// request and put back when the last answer has come; the failures then
// show in one box, none when all succeeded.
class NetworkShutdowns {
public:
    static constexpr std::size_t kMostAtOnce = 8;

    // Delay and force are taken before the settings are reloaded. While
    // another runs, a box says so and nothing starts.
    void start(Settings& settings, bool reboot, bool german, const std::function<void()>& reload,
               RemoteShutdownSystem& remote);
    // The answer of request index: 0 when the computer took it.
    void finished(std::size_t index, unsigned error);
    bool running() const { return remote_ != nullptr; }

private:
    void startMore();
    void end();
    RemoteShutdownSystem* remote_ = nullptr;
    bool german_ = false;
    std::vector<NetworkRequest> requests_;
    std::vector<unsigned> errors_;
    std::vector<std::string> stepFailures_;
    std::size_t started_ = 0, answered_ = 0;
};

// Tray commands 229 (shut down) and 230 (reboot). False for other ids.
bool runNetworkCommand(unsigned id, PowerEntryContext& context, NetworkShutdowns& shutdowns,
                       RemoteShutdownSystem& remote);
