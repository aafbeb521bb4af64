#include "power/network_shutdown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "support/fake_settings_store.h"
#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

using Calls = std::vector<std::string>;

// Records each step as a line; a step named in failing fails with error 5,
// and the requests wait in flight for the test to answer them.
class RecordingRemote : public RemoteShutdownSystem {
public:
    Calls calls;
    std::vector<std::size_t> inFlight;
    std::string failing;  // "token", "enable", "restore", "start"
    std::string local = "home";

    std::string localComputerName() override { return local; }
    unsigned openToken() override { return step("token"); }
    unsigned enablePrivilege(const std::string& privilege) override {
        calls.push_back("enable " + privilege);
        return failing == "enable" ? 5 : 0;
    }
    unsigned restorePrivileges() override { return step("restore"); }
    void closeToken() override { calls.push_back("close"); }
    unsigned startRequest(std::size_t index, const NetworkRequest& r) override {
        calls.push_back("request " + r.computer + " '" + r.message + "' " +
                        std::to_string(r.delaySeconds) + (r.force ? " force" : "") +
                        (r.reboot ? " reboot" : ""));
        if (failing == "start") return 8;
        inFlight.push_back(index);
        return 0;
    }
    std::string errorText(unsigned error) override { return "E" + std::to_string(error); }
    void showBox(const std::string& text) override { calls.push_back("box " + text); }
    void wakeAfter(unsigned s) override { calls.push_back("wake " + std::to_string(s)); }
    void storeOpenLists() override { calls.push_back("store lists"); }

private:
    unsigned step(const std::string& name) {
        calls.push_back(name);
        return failing == name ? 5 : 0;
    }
};

class NetworkShutdown : public ::testing::Test {
protected:
    void SetUp() override { loadSettings(settings, store, false); }
    void storeValue(const std::string& name, const std::string& text) {
        store.values[name] = {text};
        loadSettings(settings, store, false);
    }
    void start(bool reboot = false) {
        shutdowns.start(settings, reboot, german, [this] { loadSettings(settings, store, false); },
                        remote);
    }
    // Answers the requests in flight now, first come first answered (the
    // ones their answers start wait for the next round).
    void answerAll(unsigned error = 0) {
        const std::vector<std::size_t> round = std::exchange(remote.inFlight, {});
        for (const std::size_t index : round) shutdowns.finished(index, error);
    }
    Calls requests() const {
        Calls out;
        for (const auto& c : remote.calls)
            if (c.rfind("request ", 0) == 0) out.push_back(c);
        return out;
    }
    Settings settings;
    bool german = false;
    FakeSettingsStore store;
    RecordingRemote remote;
    NetworkShutdowns shutdowns;
};

TEST_F(NetworkShutdown, EachComputerOnceWithThePrivilegesAroundAll) {
    storeValue("NetworkDrives", "PC1|PC2|pc1|PC3|");
    start();
    answerAll();
    EXPECT_EQ(remote.calls, (Calls{"token", "enable SeRemoteShutdownPrivilege",
                                   "request PC1 'Shutting down Network' 30 force",
                                   "request PC2 'Shutting down Network' 30 force",
                                   "request PC3 'Shutting down Network' 30 force", "restore",
                                   "close"}));
    EXPECT_FALSE(shutdowns.running());
    const std::pair<const char*, std::size_t> lists[] = {
        {"", 0}, {"|PC1|", 0}, {"PC1||PC2|", 1}, {"PC1|PC2|", 2}};
    for (const auto& [list, count] : lists) {
        storeValue("NetworkDrives", list);
        remote.calls.clear();
        start();
        answerAll();
        EXPECT_EQ(requests().size(), count) << "'" << list << "'";
        EXPECT_FALSE(shutdowns.running());
    }
}

// This computer is asked last (the Windows tests show the order and the
// privileges): once the others have answered, with the failures so far,
// or when the wait for one that never answers is over.
TEST_F(NetworkShutdown, ThisComputerLastAfterTheOthers) {
    const Calls home = {"store lists", "request home 'Shutting down Network' 30 force"};
    storeValue("NetworkDrives", "PC1|home|PC2|");
    start();
    EXPECT_EQ(remote.calls.back(), "wake 60");
    remote.calls.clear();
    answerAll(53);
    EXPECT_EQ(remote.calls, (Calls{home[0], home[1], "box Not every computer took the "
                                                     "request:\nPC1: E53\nPC2: E53"}));
    answerAll();
    start();
    remote.inFlight.erase(remote.inFlight.begin());  // PC1 never answers
    answerAll();
    remote.calls.clear();
    shutdowns.timeUp();
    EXPECT_EQ(remote.calls, home);
}

// 20 computers whose requests take 2 units each are answered in 3 rounds.
TEST_F(NetworkShutdown, AtMostEightAtOnce) {
    std::string list;
    for (int i = 1; i <= 20; ++i) list += "PC" + std::to_string(i) + "|";
    storeValue("NetworkDrives", list);
    start();
    std::size_t most = 0;
    int units = 0;
    while (shutdowns.running()) {
        most = std::max(most, remote.inFlight.size());
        units += 2;
        answerAll();
    }
    EXPECT_EQ(units, 6);
    EXPECT_EQ(most, NetworkShutdowns::kMostAtOnce);
    EXPECT_EQ(requests().size(), 20u);
}

TEST_F(NetworkShutdown, FailuresInListOrderInOneBoxAtTheEnd) {
    storeValue("NetworkDrives", "PC1|PC2|PC3|");
    remote.failing = "token";
    start();
    const std::size_t first = remote.inFlight[0];
    remote.inFlight.erase(remote.inFlight.begin());
    answerAll(53);  // PC3 and PC2, before PC1's answer
    EXPECT_EQ(remote.calls.back(), "request PC3 'Shutting down Network' 30 force") << "no box yet";
    shutdowns.finished(first, 0);
    EXPECT_EQ(remote.calls.back(),
              "box Not every computer took the request:\nPC2: E53\nPC3: E53\n"
              "shutdown privilege: E5");
    // none when all took it; a request that cannot start is a failure too
    remote.failing = "";
    remote.calls.clear();
    start();
    answerAll();
    EXPECT_EQ(remote.calls.back(), "close");
    remote.failing = "start";
    german = true;
    start();
    EXPECT_EQ(remote.calls.back(), "box Nicht jeder Computer hat die Anforderung angenommen:"
                                   "\nPC1: E8\nPC2: E8\nPC3: E8");
}

TEST_F(NetworkShutdown, ASecondCommandWhileOneRunsStartsNothing) {
    storeValue("NetworkDrives", "PC1|");
    start();
    start(true);
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_EQ(remote.calls.back().rfind("box Dormival is still asking", 0), 0u);
    answerAll();
    start(true);
    EXPECT_EQ(requests().back(), "request PC1 'Reboot Network' 30 force reboot");
}

TEST_F(NetworkShutdown, DelayForceTextsAndReboot) {
    storeValue("NetworkDrives", "PC1|");
    settings.shownetworkwarning = "5";  // in memory, not stored: taken before the reload
    settings.forcenetshutdown = "0";
    start();
    answerAll();
    EXPECT_EQ(settings.shownetworkwarning, "30") << "the reload restored the stored state";
    storeValue("shownetworkwarning", "0");
    german = true;
    start(true);
    answerAll();
    // a stored delay out of the system's range is brought into it
    for (const char* delay : {"-5", "999999999"}) {
        storeValue("shownetworkwarning", delay);
        start();
        answerAll();
    }
    EXPECT_EQ(requests(), (Calls{"request PC1 'Shutting down Network' 5",
                                 "request PC1 'Es erfolgt ein Reboot des Netzwerks' 0 force reboot",
                                 "request PC1 'Netzwerk wird heruntergefahren' 0 force",
                                 "request PC1 'Netzwerk wird heruntergefahren' 315360000 force"}));
}

TEST_F(NetworkShutdown, MenuCommandsRebootOrShutDownWhateverIsStored) {
    storeValue("NetworkDrives", "PC1|");
    storeValue("mouseclick", "2");
    RecordingPower power;
    PowerEntryContext context{settings, power, [this] { loadSettings(settings, store, false); }};
    EXPECT_TRUE(runNetworkCommand(230, context, shutdowns, remote));
    answerAll();
    EXPECT_TRUE(runNetworkCommand(229, context, shutdowns, remote));
    answerAll();
    EXPECT_EQ(requests(), (Calls{"request PC1 'Reboot Network' 30 force reboot",
                                 "request PC1 'Shutting down Network' 30 force"}));
    EXPECT_EQ(settings.mouseclick, "2") << "the stored value is in effect again";
    EXPECT_EQ(power.calls, (Calls{}));
    EXPECT_FALSE(runNetworkCommand(123, context, shutdowns, remote));
}

}  // namespace
