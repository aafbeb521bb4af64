#include "power/network_shutdown.h"

#include <algorithm>
#include <cctype>

#include "common/command_ids.h"
#include "common/decimal.h"
#include "common/text.h"
#include "settings/network_drives.h"
#include "settings/settings.h"

namespace {

// Computer names compare without regard to letter case.
bool sameComputer(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::toupper(x) == std::toupper(y);
           });
}

}  // namespace

void NetworkShutdowns::start(Settings& s, bool reboot, bool german,
                             const std::function<void()>& reload, RemoteShutdownSystem& remote) {
    if (running()) {
        remote.showBox(bilingual(german,
                                 "Dormival fragt noch die Computer des letzten Netzwerkbefehls; "
                                 "seine Antwort kommt, wenn alle geantwortet haben.",
                                 "Dormival is still asking the computers of the last network "
                                 "command; its answer comes once all have answered."));
        return;
    }
    const std::string local = remote.localComputerName();
    const auto delay = static_cast<unsigned>(settingAsInt(s.shownetworkwarning));
    const bool force = settingAsInt(s.forcenetshutdown) != 0;
    reload();
    const std::string message =
        reboot ? bilingual(german, "Es erfolgt ein Reboot des Netzwerks", "Reboot Network")
               : bilingual(german, "Netzwerk wird heruntergefahren", "Shutting down Network");
    requests_.clear();
    bool localListed = false;
    for (const std::string& computer : parseNetworkDrives(s.NetworkDrives)) {
        if (std::any_of(requests_.begin(), requests_.end(),
                        [&](const NetworkRequest& r) { return sameComputer(r.computer, computer); }))
            continue;
        localListed = localListed || sameComputer(computer, local);
        requests_.push_back({computer, message, delay, force, reboot});
    }
    if (requests_.empty()) return;
    remote_ = &remote;
    german_ = german;
    errors_.assign(requests_.size(), 0);
    stepFailures_.clear();
    started_ = answered_ = 0;
    const auto step = [&](const char* name, unsigned error) {
        if (error) stepFailures_.push_back(name + (": " + remote.errorText(error)));
    };
    step("shutdown privilege", remote.openToken());
    step("AdjustTokenPrivileges", remote.enablePrivilege("SeRemoteShutdownPrivilege"));
    // the local computer needs the ordinary shutdown privilege
    if (localListed) step("AdjustTokenPrivileges", remote.enablePrivilege("SeShutdownPrivilege"));
    startMore();
}

void NetworkShutdowns::startMore() {
    while (started_ < requests_.size() && started_ - answered_ < kMostAtOnce) {
        const std::size_t index = started_++;
        // one that cannot start has its answer at once
        if (const unsigned error = remote_->startRequest(index, requests_[index])) {
            finished(index, error);
            return;  // finished() started the rest
        }
    }
}

void NetworkShutdowns::finished(std::size_t index, unsigned error) {
    if (!running() || index >= requests_.size()) return;
    errors_[index] = error;
    ++answered_;
    if (answered_ == requests_.size())
        end();
    else
        startMore();
}

void NetworkShutdowns::end() {
    RemoteShutdownSystem& remote = *remote_;
    if (const unsigned error = remote.restorePrivileges())
        stepFailures_.push_back("AdjustTokenPrivileges: " + remote.errorText(error));
    remote.closeToken();
    remote_ = nullptr;  // a new command may start from the box on
    std::string text;
    for (std::size_t i = 0; i < requests_.size(); ++i)
        if (errors_[i]) text += "\n" + requests_[i].computer + ": " + remote.errorText(errors_[i]);
    for (const std::string& failure : stepFailures_) text += "\n" + failure;
    if (text.empty()) return;
    remote.showBox(bilingual(german_, "Nicht jeder Computer hat die Anforderung angenommen:",
                             "Not every computer took the request:") +
                   text);
}

bool runNetworkCommand(unsigned id, PowerEntryContext& c, NetworkShutdowns& shutdowns,
                       RemoteShutdownSystem& remote) {
    if (id != tray_command::kNetworkShutdown && id != tray_command::kNetworkReboot) return false;
    shutdowns.start(c.settings, id == tray_command::kNetworkReboot, c.german, c.reload, remote);
    return true;
}
