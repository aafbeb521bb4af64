#include "power/network_shutdown.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_settings_store.h"
#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

using Calls = std::vector<std::string>;

// Records each step as a line; a step named in failing fails with error 5.
class RecordingRemote : public RemoteShutdownSystem {
public:
    Calls calls;
    std::string failing;  // "token", "enable", "request PC2", "restore"
    std::string local = "HOME";

    std::string localComputerName() override { return local; }
    unsigned openToken() override { return step("token"); }
    unsigned enablePrivilege(const std::string& privilege) override {
        calls.push_back("enable " + privilege);
        return failing == "enable" ? 5 : 0;
    }
    unsigned restorePrivilege() override { return step("restore"); }
    unsigned initiateShutdown(const std::string& computer, const std::string& message,
                              unsigned delay, bool force, bool reboot) override {
        calls.push_back("request " + computer + " '" + message + "' " + std::to_string(delay) +
                        (force ? " force" : "") + (reboot ? " reboot" : ""));
        return failing == "request " + computer ? 53 : 0;
    }
    void closeToken() override { calls.push_back("close"); }
    void showFailure(const std::string& text, unsigned error) override {
        calls.push_back("box '" + text + "' " + std::to_string(error));
    }

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
    void run(bool reboot = false) {
        shutDownNetwork(settings, reboot, german, [this] { loadSettings(settings, store, false); },
                        remote);
    }
    // the requests only
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
};

TEST_F(NetworkShutdown, EachListedComputerInOrderWithItsSteps) {
    storeValue("NetworkDrives", "PC1|PC2");
    run();
    EXPECT_EQ(remote.calls,
              (Calls{"token", "enable SeRemoteShutdownPrivilege",
                     "request PC1 'Shutting down Network' 30 force",
                     "restore", "close", "token",
                     "enable SeRemoteShutdownPrivilege",
                     "request PC2 'Shutting down Network' 30 force",
                     "restore", "close"}));
}

TEST_F(NetworkShutdown, ListsThatEndEarlyOrAreEmpty) {
    const std::pair<const char*, Calls> cases[] = {
        {"", {}},
        {"|PC1|", {}},
        {"PC1||PC2|", {"request PC1 'Shutting down Network' 30 force"}},
        {"PC1|PC2|", {"request PC1 'Shutting down Network' 30 force",
                      "request PC2 'Shutting down Network' 30 force"}},
    };
    for (const auto& [list, want] : cases) {
        storeValue("NetworkDrives", list);
        remote.calls.clear();
        run();
        EXPECT_EQ(requests(), want) << "'" << list << "'";
    }
}

TEST_F(NetworkShutdown, TheLocalComputerUsesTheLocalPrivilege) {
    storeValue("NetworkDrives", "HOME|home|");
    run();
    EXPECT_EQ(remote.calls[1], "enable SeShutdownPrivilege");
    EXPECT_EQ(remote.calls[6], "enable SeRemoteShutdownPrivilege") << "compared exactly";
}

TEST_F(NetworkShutdown, DelayForceTextsAndReboot) {
    storeValue("NetworkDrives", "PC1|");
    storeValue("shownetworkwarning", "0");
    storeValue("forcenetshutdown", "0");
    german = true;
    run();
    EXPECT_EQ(requests(), (Calls{"request PC1 'Netzwerk wird heruntergefahren' 0"}));
    german = true;
    remote.calls.clear();
    run(true);
    EXPECT_EQ(requests(), (Calls{"request PC1 'Es erfolgt ein Reboot des Netzwerks' 0 reboot"}));
    german = false;
    remote.calls.clear();
    run(true);
    EXPECT_EQ(requests(), (Calls{"request PC1 'Reboot Network' 0 reboot"}));
}

TEST_F(NetworkShutdown, DelayAndForceAreTakenBeforeTheReload) {
    storeValue("NetworkDrives", "PC1|");
    settings.shownetworkwarning = "5";  // in memory, not stored
    settings.forcenetshutdown = "0";
    run();
    EXPECT_EQ(requests(), (Calls{"request PC1 'Shutting down Network' 5"}));
    EXPECT_EQ(settings.shownetworkwarning, "30") << "the reload restored the stored state";
}

TEST_F(NetworkShutdown, EveryFailingStepIsShownAndTheLoopGoesOn) {
    storeValue("NetworkDrives", "PC1|PC2|PC3|");
    remote.failing = "request PC2";
    run();
    EXPECT_EQ(requests().size(), 3u);
    const Calls boxes = [&] {
        Calls out;
        for (const auto& c : remote.calls)
            if (c.rfind("box ", 0) == 0) out.push_back(c);
        return out;
    }();
    EXPECT_EQ(boxes, (Calls{"box 'InitiateSystemShutdown' 53"}));
    for (const auto& [step, text] : {std::pair{"token", "box 'shutdown privilege' 5"},
                                     {"enable", "box 'AdjustTokenPrivileges' 5"},
                                     {"restore", "box 'AdjustTokenPrivileges ' 5"}}) {
        storeValue("NetworkDrives", "PC1|");
        remote.calls.clear();
        remote.failing = step;
        run();
        EXPECT_NE(std::find(remote.calls.begin(), remote.calls.end(), text), remote.calls.end())
            << step;
        EXPECT_EQ(requests().size(), 1u) << "the request still follows a failed " << step;
    }
}

TEST_F(NetworkShutdown, MenuCommandsRebootOrShutDownWhateverIsStored) {
    storeValue("NetworkDrives", "PC1|");
    storeValue("mouseclick", "2");
    RecordingPower power;
    PowerEntryContext context{settings, power, [this] { loadSettings(settings, store, false); }};
    EXPECT_TRUE(runNetworkCommand(230, context, remote));
    EXPECT_EQ(requests(), (Calls{"request PC1 'Reboot Network' 30 force reboot"}));
    EXPECT_EQ(settings.mouseclick, "2") << "the stored value is in effect again";
    EXPECT_EQ(power.calls, (Calls{}));
    remote.calls.clear();
    storeValue("mouseclick", "5");
    EXPECT_TRUE(runNetworkCommand(229, context, remote));
    EXPECT_EQ(requests(), (Calls{"request PC1 'Shutting down Network' 30 force"}));
    EXPECT_EQ(settings.mouseclick, "5");
    EXPECT_FALSE(runNetworkCommand(123, context, remote));
}

}  // namespace
