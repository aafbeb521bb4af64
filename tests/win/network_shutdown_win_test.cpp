#include "power/network_shutdown_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

#include "app/tray_icon_shell_win.h"
#include "common/feature_window_win.h"
#include "support/resident_fixture.h"
#include "support/token_state.h"
#include "win32/system_error_text_win.h"

namespace {

using Calls = std::vector<std::string>;

TEST(SystemErrorText, TheSystemsTextWithoutItsLineBreak) {
    const auto denied = SystemErrorText(ERROR_ACCESS_DENIED);
    ASSERT_TRUE(denied.has_value());
    EXPECT_FALSE(denied->empty());
    EXPECT_EQ(denied->find_first_of("\r\n"), std::string::npos) << *denied;
    EXPECT_FALSE(SystemErrorText(0x2fffffff).has_value());
}

// The real calls under Wine, which grants the privileges: both are back as
// they were once the last answer has come.
TEST(RemoteShutdown, ThePrivilegesArePutBackAfterTheRequests) {
    RemoteShutdownSystem& remote = remoteShutdownSystem();
    const std::string local = remote.localComputerName();
    EXPECT_FALSE(local.empty());
    ASSERT_FALSE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    ASSERT_FALSE(privilegeEnabled("SeShutdownPrivilege"));
    EXPECT_EQ(remote.openToken(), 0u);
    EXPECT_EQ(remote.enablePrivilege("SeRemoteShutdownPrivilege"), 0u);
    EXPECT_EQ(remote.enablePrivilege("SeShutdownPrivilege"), 0u);
    EXPECT_TRUE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    EXPECT_EQ(remote.restorePrivileges(), 0u);
    EXPECT_FALSE(privilegeEnabled("SeRemoteShutdownPrivilege"));
    EXPECT_FALSE(privilegeEnabled("SeShutdownPrivilege"));
    remote.closeToken();
    remote.closeToken();  // harmless twice
    EXPECT_EQ(remote.errorText(0x2fffffff), "Error 805306367");
}

// The recorded requests of the tray's entry points, each answered at once.
class RecordingRemote : public RemoteShutdownSystem {
public:
    Calls requests;
    std::string localComputerName() override { return "HOME"; }
    unsigned openToken() override { return 0; }
    unsigned enablePrivilege(const std::string&) override { return 0; }
    unsigned restorePrivileges() override { return 0; }
    void closeToken() override {}
    unsigned startRequest(std::size_t index, const NetworkRequest& r) override {
        requests.push_back(r.computer + (r.reboot ? " reboot" : " shutdown"));
        PostMessageA(mainWindow(), kNetworkAnswerMessage, index, 0);
        return 0;
    }
    std::string errorText(unsigned) override { return ""; }
    void showBox(const std::string& text) override { requests.push_back(text); }
    void wakeAfter(unsigned) override {}
    void storeOpenLists() override {}
};

// Handles what is posted until the network shutdown has its answers.
void answerNetworkShutdown() {
    MSG m;
    for (DWORD end = GetTickCount() + 5000; networkShutdowns().running() && GetTickCount() < end;)
        if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
        else
            Sleep(10);
}

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
    const std::pair<std::pair<UINT, WPARAM>, const char*> cases[] = {
        {{WM_COMMAND, 230}, " reboot"},
        {{kTrayNotifyMessage, 1}, " shutdown"},  // click action 4
        {{WM_COMMAND, 229}, " shutdown"},
    };
    for (const auto& [message, what] : cases) {
        remote.requests.clear();
        SendMessageA(main, message.first, message.second, WM_LBUTTONDOWN);
        answerNetworkShutdown();
        EXPECT_EQ(remote.requests, (Calls{std::string("PC1") + what, std::string("PC2") + what}));
    }
    EXPECT_EQ(currentSettings().mouseclick, "4");
    store("mouseclick", "5");
    remote.requests.clear();
    SendMessageA(main, kTrayNotifyMessage, 1, WM_LBUTTONDOWN);
    answerNetworkShutdown();
    EXPECT_EQ(remote.requests, (Calls{"PC1 reboot", "PC2 reboot"}));
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

unsigned takingHalfASecond(const NetworkRequest& r) {
    Sleep(500);
    return r.computer == "PC3" ? ERROR_BAD_NETPATH : 0;
}

int ticks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// Ten computers that take half a second each: the window thread goes on
// handling its messages (a timer here) while they are asked, two rounds
// take about a second, not five, and the one failure shows in one box.
TEST_F(TrayNetworkShutdown, TheWindowThreadNeverWaitsForTheComputers) {
    setRemoteShutdownSystem(nullptr);
    setNetworkRequestCall(takingHalfASecond);
    Settings settings;
    for (int i = 1; i <= 10; ++i) settings.NetworkDrives += "PC" + std::to_string(i) + "|";
    ticks = 0;
    boxText.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, countTick);
    const UINT_PTR boxTimer = SetTimer(nullptr, 0, 100, readAndCloseBox);
    const DWORD started = GetTickCount();
    networkShutdowns().start(settings, false, false, [] {}, remoteShutdownSystem());
    EXPECT_LT(GetTickCount() - started, 200u) << "the command returns at once";
    MSG m;
    while (boxText.empty() && GetTickCount() - started < 5000)
        if (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    const DWORD took = GetTickCount() - started;
    KillTimer(nullptr, timer);
    KillTimer(nullptr, boxTimer);
    setNetworkRequestCall(nullptr);
    EXPECT_FALSE(networkShutdowns().running());
    EXPECT_GE(ticks, 5) << "the timer ticked while the computers were asked";
    EXPECT_LT(took, 2500u) << "in rounds of eight";
    EXPECT_EQ(boxCaption, "Dormival");
    EXPECT_EQ(boxText, "Not every computer took the request:\nPC3: " +
                           *SystemErrorText(ERROR_BAD_NETPATH));
}

}  // namespace

namespace {

std::mutex askedLock;
std::vector<std::string> asked;
bool listsStored = false;

// What each request found: the lists stored, the privileges enabled.
unsigned recordRequest(const NetworkRequest& r) {
    const std::lock_guard<std::mutex> lock(askedLock);
    asked.push_back(r.computer + (listsStored ? " stored" : "") +
                    (privilegeEnabled("SeRemoteShutdownPrivilege") ? " remote" : "") +
                    (privilegeEnabled("SeShutdownPrivilege") ? " local" : ""));
    return 0;
}

// This computer is asked last, after the open lists are stored, with the
// privileges that the listed names need, and alone without a box.
TEST_F(TrayNetworkShutdown, ThisComputerLastWithThePrivilegesItsNamesNeed) {
    setRemoteShutdownSystem(nullptr);
    setNetworkRequestCall(recordRequest);
    setBeforeSessionEnd([] { listsStored = true; });
    const std::string home = remoteShutdownSystem().localComputerName();
    for (const auto& [list, want] :
         {std::pair{"PC1|" + home + "|PC2|",
                    Calls{"PC1 remote local", "PC2 remote local", home + " stored remote local"}},
          {home + "|", Calls{home + " stored local"}}}) {
        Settings settings;
        settings.NetworkDrives = list;
        asked.clear();
        listsStored = false;
        boxText.clear();
        const UINT_PTR boxTimer = SetTimer(nullptr, 0, 100, readAndCloseBox);
        networkShutdowns().start(settings, false, false, [] {}, remoteShutdownSystem());
        MSG m;
        for (const DWORD started = GetTickCount();
             networkShutdowns().running() && GetTickCount() - started < 5000;)
            if (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        KillTimer(nullptr, boxTimer);
        std::sort(asked.begin(), asked.end() - 1);  // the others answer in any order
        EXPECT_EQ(asked, want) << list;
        EXPECT_EQ(boxText, "") << list;
    }
    setBeforeSessionEnd(nullptr);
    setNetworkRequestCall(nullptr);
}

}  // namespace
