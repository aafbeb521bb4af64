#include "power/network_shutdown_win.h"

#include <gtest/gtest.h>

#include "app/tray_icon_win.h"
#include "support/resident_fixture.h"
#include "win32/system_error_text_win.h"
#include "support/token_state.h"

namespace {

using Calls = std::vector<std::string>;

TEST(SystemErrorText, TheSystemsTextWithoutItsLineBreak) {
    const auto denied = SystemErrorText(ERROR_ACCESS_DENIED);
    ASSERT_TRUE(denied.has_value());
    EXPECT_FALSE(denied->empty());
    EXPECT_EQ(denied->find_first_of("\r\n"), std::string::npos) << *denied;
    EXPECT_FALSE(SystemErrorText(0x2fffffff).has_value());
}

// The real calls under Wine, which grants the privileges and accepts the
// request without shutting anything down: each privilege is on for its
// request only, and back as it was afterwards.
TEST(RemoteShutdown, ThePrivilegesArePutBackAfterTheRequests) {
    RemoteShutdownSystem& remote = remoteShutdownSystem();
    const std::string local = remote.localComputerName();
    EXPECT_FALSE(local.empty());
    ASSERT_FALSE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    ASSERT_FALSE(privilegeEnabled("SeShutdownPrivilege"));
    EXPECT_EQ(remote.openToken(), 0u);
    EXPECT_EQ(remote.enablePrivilege("SeRemoteShutdownPrivilege"), 0u);
    EXPECT_TRUE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    EXPECT_EQ(remote.restorePrivilege(), 0u);
    remote.closeToken();
    remote.closeToken();  // harmless twice
    Settings settings;
    settings.NetworkDrives = "NOWHERE|" + local + "|";
    shutDownNetwork(settings, false, false, [] {}, remote);
    EXPECT_FALSE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    EXPECT_FALSE(privilegeEnabled("SeShutdownPrivilege"));
}

// The recorded requests of the tray's entry points.
class RecordingRemote : public RemoteShutdownSystem {
public:
    Calls requests;
    std::string localComputerName() override { return "HOME"; }
    unsigned openToken() override { return 0; }
    unsigned enablePrivilege(const std::string&) override { return 0; }
    unsigned restorePrivilege() override { return 0; }
    unsigned initiateShutdown(const std::string& computer, const std::string&, unsigned,
                              bool, bool reboot) override {
        requests.push_back(computer + (reboot ? " reboot" : " shutdown"));
        return 0;
    }
    void closeToken() override {}
    void showFailure(const std::string& text, unsigned) override { requests.push_back(text); }
};

class TrayNetworkShutdown : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        setRemoteShutdownSystem(&remote);
        store("NetworkDrives", "PC1|PC2|");
    }
    void TearDown() override {
        setRemoteShutdownSystem(nullptr);
        ResidentProgramTest::TearDown();
    }
    RecordingRemote remote;
};

TEST_F(TrayNetworkShutdown, MenuCommandsAndClickActions) {
    store("mouseclick", "4");
    SendMessageA(main, WM_COMMAND, 230, 0);
    EXPECT_EQ(remote.requests, (Calls{"PC1 reboot", "PC2 reboot"}));
    EXPECT_EQ(currentSettings().mouseclick, "4");
    remote.requests.clear();
    SendMessageA(main, kTrayNotifyMessage, 1, WM_LBUTTONDOWN);
    EXPECT_EQ(remote.requests, (Calls{"PC1 shutdown", "PC2 shutdown"}));
    store("mouseclick", "5");
    remote.requests.clear();
    SendMessageA(main, kTrayNotifyMessage, 1, WM_LBUTTONDOWN);
    EXPECT_EQ(remote.requests, (Calls{"PC1 reboot", "PC2 reboot"}));
    remote.requests.clear();
    SendMessageA(main, WM_COMMAND, 229, 0);
    EXPECT_EQ(remote.requests, (Calls{"PC1 shutdown", "PC2 shutdown"}));
    EXPECT_EQ(power.calls, Calls{}) << "no local power call on any of these paths";
}

BOOL CALLBACK findDialog(HWND w, LPARAM found) {
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof(cls));
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// Cancels the computer browser once it shows.
void CALLBACK cancelBrowser(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(TrayNetworkShutdown, CancelledBrowserReturnsNothing) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, cancelBrowser);
    EXPECT_EQ(browseForComputer(main, "Browse for Computer"), "");
    KillTimer(nullptr, timer);
}

}  // namespace

namespace {

std::string boxCaption, boxText;

// Reads the failure box once it shows, then closes it.
void CALLBACK readAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    KillTimer(nullptr, timer);
    char text[256] = "";
    GetWindowTextA(box, text, sizeof(text));
    boxCaption = text;
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the message's static control
    boxText = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(RemoteShutdown, FailureBoxIsTitledWithTheSystemsText) {
    for (const auto& [error, caption] :
         {std::pair<unsigned, std::string>{ERROR_BAD_NETPATH, *SystemErrorText(ERROR_BAD_NETPATH)},
          {0x2fffffff, "Error"}}) {
        boxCaption.clear();
        boxText.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, readAndCloseBox);
        remoteShutdownSystem().showFailure("InitiateSystemShutdown", error);
        KillTimer(nullptr, timer);
        EXPECT_EQ(boxText, "InitiateSystemShutdown");
        EXPECT_EQ(boxCaption, caption) << "error " << error;
    }
}

}  // namespace
