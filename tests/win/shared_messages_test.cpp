#include "app/shared_messages_win.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <ctime>

#include "app/tray_icon_shell_win.h"
#include "app/tray_menu.h"
#include "common/feature_window_win.h"
#include "common/windows_version_win.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "support/program_loop.h"
#include "support/resident_fixture.h"

namespace {

using Calls = std::vector<std::string>;

// Whether the shell's tray holds the icon that this window owns.
bool hasTrayIcon(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// Windows of the program's class and their tray icons.
class SharedMessages : public ResidentProgramTest {
protected:
    void TearDown() override {
        if (IsWindow(second)) DestroyWindow(second);
        ResidentProgramTest::TearDown();
    }
    // A window of a feature class, as the feature windows are made.
    static HWND createFeatureWindow() {
        WNDCLASSEXA wc{};
        wc.lpfnWndProc = sharedWindowProc;  // a window that handles nothing itself
        wc.lpszClassName = "DormivalTestFeature";
        registerFeatureClass(wc);
        return CreateWindowExA(0, "DormivalTestFeature", "feature", WS_OVERLAPPEDWINDOW, 0, 0,
                               100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    LRESULT notify(HWND window, UINT mouse) {
        return SendMessageA(window, kTrayNotifyMessage, kTrayIconId, mouse);
    }
    HWND second = nullptr;
};

TEST_F(SharedMessages, EachWindowOfTheClassOwnsATrayIconWhileItExists) {
    EXPECT_TRUE(hasTrayIcon(main));
    second = CreateWindowExA(0, kMainWindowClass, "second", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(hasTrayIcon(second));
    DestroyWindow(second);
    EXPECT_FALSE(hasTrayIcon(second));
    EXPECT_TRUE(hasTrayIcon(main));
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "not the main window";
}

TEST_F(SharedMessages, ARestartedTaskbarGetsTheIconBack) {
    removeTrayIcon(main);
    ASSERT_FALSE(hasTrayIcon(main));
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(hasTrayIcon(main));
}

TEST_F(SharedMessages, LeftButtonDownWithNothingStoredShutsDown) {
    EXPECT_EQ(notify(main, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(power.calls, (Calls{"removeTrayIcon", "ExitWindowsEx(13)"}));
    power.calls.clear();
    EXPECT_EQ(notify(main, WM_LBUTTONDBLCLK), 0);
    EXPECT_TRUE(power.calls.empty()) << "a double click is ignored by default";
    EXPECT_EQ(notify(main, WM_MOUSEMOVE), 0);
    EXPECT_TRUE(power.calls.empty());
}

TEST_F(SharedMessages, DoubleClickSettingChoosesWhichButtonMessageActs) {
    store("usedblclick", "1");
    store("mouseclick", "3");
    loadSettings();
    notify(main, WM_LBUTTONDOWN);
    EXPECT_TRUE(power.calls.empty());
    notify(main, WM_LBUTTONDBLCLK);
    EXPECT_EQ(power.calls, (Calls{"SetSystemPowerState(TRUE,0)"}));
}

TEST_F(SharedMessages, MenuPowerCommandsReachThePowerCalls) {
    store("forcereboot", "1");
    SendMessageA(main, WM_COMMAND, 200, 0);
    SendMessageA(main, WM_COMMAND, 123, 0);
    EXPECT_EQ(power.calls, (Calls{"ExitWindowsEx(6)",
                                  "ExitWindowsEx(13)", "removeTrayIcon"}));
    power.calls.clear();
    // the last menu entry, and a notification carrying a command's id
    SendMessageA(main, WM_COMMAND, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(123, EN_CHANGE), 0);
    EXPECT_TRUE(power.calls.empty());
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(SharedMessages, TerminateDestroysTheWindowThatGotTheCommand) {
    second = CreateWindowExA(0, kMainWindowClass, "second", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(second, WM_COMMAND, 205, 0);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindow(main));
    SendMessageA(main, WM_COMMAND, 205, 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(hasTrayIcon(main));
}

// Terminating the program from the main window's menu while a feature
// window is open ends the one loop, and the feature window goes too.
TEST_F(SharedMessages, TerminatingWhileAFeatureWindowIsOpenEndsEverything) {
    second = createFeatureWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(hasTrayIcon(second));
    PostMessageA(main, WM_COMMAND, 205, 0);
    runMessageLoop();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_FALSE(hasTrayIcon(second));
}

// Only the main window's end posts the quit that ends the program: a
// feature window that closes leaves the loop running.
TEST_F(SharedMessages, ClosingAFeatureWindowPostsNoQuit) {
    second = createFeatureWindow();
    PostMessageA(second, WM_CLOSE, 0, 0);
    EXPECT_TRUE(runUntilClosed(second));
    EXPECT_TRUE(IsWindow(main));
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The tooltips the program sends, "+" before one an icon is added with.
std::vector<std::string> tipsSent;
BOOL WINAPI recordTip(DWORD operation, NOTIFYICONDATAA* record) {
    if (operation == NIM_ADD || (operation == NIM_MODIFY && record->uFlags == NIF_TIP))
        tipsSent.push_back((operation == NIM_ADD ? "+" : "") + std::string(record->szTip));
    return Shell_NotifyIconA(operation, record);
}

// Every icon's tooltip names the armed action and its time, sent only when
// it changes; an icon added again carries it; Cancel brings back the hints.
TEST_F(SharedMessages, TooltipsFollowTheSchedule) {
    setNotifyIconCall(recordTip);
    setScheduleObserver(showScheduleInTray);
    second = createFeatureWindow();
    const std::time_t due = std::time(nullptr) + 7200;
    char zeit[16] = "";
    std::strftime(zeit, sizeof(zeit), "%H:%M:%S", std::localtime(&due));
    store("action", "2");
    store("zeit", zeit);
    store("TaskManagerAktion", "0");
    loadSettings();
    tipsSent.clear();
    rearmScheduler();
    const int platform = windowsVersion().platformClass;
    const std::string armed = trayTooltip(platform, false, "ShutDown at " + std::string(zeit));
    EXPECT_EQ(tipsSent, (Calls{armed, armed}));
    tipsSent.clear();
    onSchedulerTick();
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(tipsSent, (Calls{"+" + armed}));
    tipsSent.clear();
    pauseSchedule();
    const std::string idle = trayTooltip(platform, false);
    EXPECT_EQ(tipsSent, (Calls{idle, idle}));
    scheduler() = Scheduler{};
    pendingActions() = PendingActions{};
    setScheduleObserver(nullptr);
    setNotifyIconCall(nullptr);
}

}  // namespace
