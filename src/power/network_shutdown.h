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
    // Calls NetworkShutdowns::timeUp once, the seconds from now.
    virtual void wakeAfter(unsigned seconds) = 0;
    // What the open windows hold is stored, as before every forced end of
    // the session: this computer is about to be asked.
    virtual void storeOpenLists() = 0;
};

// Network shutdowns, one at a time: every listed computer asked once (a
// name listed twice, in any letter case, is asked once), at most
// kMostAtOnce at a time. This computer, where it is listed, is asked last:
// once every other has answered, or kLocalWaitSeconds after the last of
// them was asked, and after the open lists are stored; the failures so far
// show in a box then. The privileges that the names need are enabled
// before the first request and put back when the last answer has come;
// the failures not yet shown then show in one box, none when all
// succeeded.
class NetworkShutdowns {
public:
    static constexpr std::size_t kMostAtOnce = 8;
    static constexpr unsigned kLocalWaitSeconds = 60;
    // the longest delay the system's remote shutdown takes (ten years)
    static constexpr int kMaxDelaySeconds = 315'360'000;

    // Delay and force are taken before the settings are reloaded. While
    // another runs, a box says so and nothing starts.
    void start(Settings& settings, bool reboot, bool german, const std::function<void()>& reload,
               RemoteShutdownSystem& remote);
    // The answer of request index: 0 when the computer took it.
    void finished(std::size_t index, unsigned error);
    // The wait for the others is over: this computer is asked now.
    void timeUp();
    bool running() const { return remote_ != nullptr; }

private:
    void startMore();
    void askLocal();
    void end();
    // The failures not yet shown, a line each.
    std::string takeFailures();
    void showFailures(RemoteShutdownSystem& remote, const std::string& failures);
    RemoteShutdownSystem* remote_ = nullptr;
    bool german_ = false;
    std::vector<NetworkRequest> requests_;  // this computer last
    std::vector<unsigned> errors_;
    std::vector<bool> answered_, reported_;
    std::vector<std::string> stepFailures_;
    std::size_t others_ = 0;  // the requests before this computer's
    bool localAsked_ = false, waiting_ = false;
    std::size_t started_ = 0, answers_ = 0;
};

// Tray commands 229 (shut down) and 230 (reboot). False for other ids.
bool runNetworkCommand(unsigned id, PowerEntryContext& context, NetworkShutdowns& shutdowns,
                       RemoteShutdownSystem& remote);
