#include "power/network_shutdown.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "common/command_ids.h"
#include "common/text.h"
#include "settings/network_computers.h"
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
    // a stored "-5" must not wrap to four billion seconds
    const auto delay = static_cast<unsigned>(
        std::min(settingValue(s, &Settings::shownetworkwarning), kMaxDelaySeconds));
    const bool force = settingOn(s, &Settings::forcenetshutdown);
    reload();
    const std::string message =
        reboot ? bilingual(german, "Es erfolgt ein Reboot des Netzwerks", "Reboot Network")
               : bilingual(german, "Netzwerk wird heruntergefahren", "Shutting down Network");
    requests_.clear();
    std::optional<NetworkRequest> localRequest;
    for (const std::string& computer : parseNetworkComputers(s.NetworkDrives)) {
        const auto same = [&](const NetworkRequest& r) {
            return sameComputer(r.computer, computer);
        };
        if (std::any_of(requests_.begin(), requests_.end(), same) ||
            (localRequest && same(*localRequest)))
            continue;
        NetworkRequest request{computer, message, delay, force, reboot};
        if (sameComputer(computer, local))
            localRequest = request;
        else
            requests_.push_back(request);
    }
    others_ = requests_.size();
    if (localRequest) requests_.push_back(*localRequest);
    if (requests_.empty()) return;
    remote_ = &remote;
    german_ = german;
    errors_.assign(requests_.size(), 0);
    answered_.assign(requests_.size(), false);
    reported_.assign(requests_.size(), false);
    stepFailures_.clear();
    started_ = answers_ = 0;
    localAsked_ = waiting_ = false;
    const auto step = [&](const char* name, unsigned error) {
        if (error) stepFailures_.push_back(name + (": " + remote.errorText(error)));
    };
    step("shutdown privilege", remote.openToken());
    // each privilege only where a name needs it: an ordinary user on NT
    // lacks the remote one
    if (others_ > 0)
        step("AdjustTokenPrivileges", remote.enablePrivilege("SeRemoteShutdownPrivilege"));
    if (localRequest) step("AdjustTokenPrivileges", remote.enablePrivilege("SeShutdownPrivilege"));
    startMore();
}

void NetworkShutdowns::startMore() {
    while (started_ < others_ && started_ - answers_ < kMostAtOnce) {
        const std::size_t index = started_++;
        // one that cannot start has its answer at once
        if (const unsigned error = remote_->startRequest(index, requests_[index])) {
            finished(index, error);
            return;  // finished() started the rest
        }
    }
    if (others_ == requests_.size() || localAsked_ || started_ < others_) return;
    if (answers_ == others_)
        askLocal();
    else if (!waiting_) {
        waiting_ = true;
        remote_->wakeAfter(kLocalWaitSeconds);
    }
}

void NetworkShutdowns::timeUp() {
    if (running() && !localAsked_ && others_ < requests_.size()) askLocal();
}

void NetworkShutdowns::askLocal() {
    localAsked_ = true;
    RemoteShutdownSystem& remote = *remote_;
    remote.storeOpenLists();
    const unsigned error = remote.startRequest(others_, requests_[others_]);
    // what failed so far shows now; the box holds up nothing
    const std::string failures = takeFailures();
    if (error) finished(others_, error);
    showFailures(remote, failures);
}

void NetworkShutdowns::finished(std::size_t index, unsigned error) {
    if (!running() || index >= requests_.size() || answered_[index]) return;
    errors_[index] = error;
    answered_[index] = true;
    ++answers_;
    if (answers_ == requests_.size())
        end();
    else
        startMore();
}

void NetworkShutdowns::end() {
    RemoteShutdownSystem& remote = *remote_;
    if (const unsigned error = remote.restorePrivileges())
        stepFailures_.push_back("AdjustTokenPrivileges: " + remote.errorText(error));
    remote.closeToken();
    const std::string failures = takeFailures();
    remote_ = nullptr;  // a new command may start from the box on
    showFailures(remote, failures);
}

std::string NetworkShutdowns::takeFailures() {
    std::string text;
    for (std::size_t i = 0; i < requests_.size(); ++i)
        if (errors_[i] && !reported_[i]) {
            text += "\n" + requests_[i].computer + ": " + remote_->errorText(errors_[i]);
            reported_[i] = true;
        }
    for (const std::string& failure : stepFailures_) text += "\n" + failure;
    stepFailures_.clear();
    return text;
}

void NetworkShutdowns::showFailures(RemoteShutdownSystem& remote, const std::string& failures) {
    if (failures.empty()) return;
    remote.showBox(bilingual(german_, "Nicht jeder Computer hat die Anforderung angenommen:",
                             "Not every computer took the request:") +
                   failures);
}

bool runNetworkCommand(unsigned id, PowerEntryContext& c, NetworkShutdowns& shutdowns,
                       RemoteShutdownSystem& remote) {
    if (id != tray_command::kNetworkShutdown && id != tray_command::kNetworkReboot) return false;
    shutdowns.start(c.settings, id == tray_command::kNetworkReboot, c.german, c.reload, remote);
    return true;
}
