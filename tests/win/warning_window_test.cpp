#include "power/warning_window_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "app/facts_refresh_win.h"
#include "power/program_watch_win.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "support/resident_fixture.h"

namespace {

std::string textOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

RECT rectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The window's controls, found as a user's tools find them: the texts in
// reading order, the title, the reason and the countdown.
struct WarningControls {
    HWND warning, warningOk, warningCancel, warningTitle, warningCountdown;
};
WarningControls controlsOf(HWND w) {
    const HWND title = FindWindowExA(w, nullptr, "STATIC", nullptr);
    const HWND reason = FindWindowExA(w, title, "STATIC", nullptr);
    return {w, GetDlgItem(w, kWarningOkId), GetDlgItem(w, kWarningCancelId), title,
            FindWindowExA(w, reason, "STATIC", nullptr)};
}

LOGFONTA fontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font;
}

// language.dat beside the test program, where a window's creation looks
std::string languageFile() { return programDirectory() + "\\language.dat"; }

SchedulerClock testClock;
SchedulerClock readTestClock() { return testClock; }

// The warning window over a real main window, with a clock the test moves.
class WarningWindow : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        testClock = {1000, std::time(nullptr)};
        setClockSource(readTestClock);
    }
    void TearDown() override {
        closeWarningWindow();
        dropProgramWatch();
        scheduler() = Scheduler{};
        pendingActions() = PendingActions{};
        setClockSource(nullptr);
        std::remove(languageFile().c_str());
        ResidentProgramTest::TearDown();
    }
    // Stores a countdown to a date and time SECONDS ahead and arms it, as the
    // options window's OK does.
    static void armCountdown(int seconds = 60, const char* warning = "120",
                             const char* actionCode = "0") {
        const std::time_t later = testClock.now + seconds;
        char tag[16], zeit[16];
        std::strftime(tag, sizeof(tag), "%d.%m.%Y", std::localtime(&later));
        std::strftime(zeit, sizeof(zeit), "%H:%M:%S", std::localtime(&later));
        for (auto [name, value] : {std::pair{"action", "3"}, {"tag", tag}, {"zeit", zeit},
                                   {"showwarning", warning}, {"TaskManagerAktion", actionCode}})
            store(name, value);
        loadSettings();
        rearmScheduler();
        ASSERT_TRUE(scheduler().state().armed);
    }
    // Seconds pass, each with its tick.
    static void pass(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ++testClock.uptimeSeconds;
            ++testClock.now;
            onSchedulerTick();
        }
    }
    static std::string countdownLine() {
        return warningWindow() ? textOf(controlsOf(warningWindow()).warningCountdown)
                               : "no window";
    }
    static void press(int id) { SendMessageA(GetDlgItem(warningWindow(), id), BM_CLICK, 0, 0); }
    // Watches a program that has ended already.
    void watchEndedProgram(const char* name) {
        STARTUPINFOA start{};
        start.cb = sizeof(start);
        PROCESS_INFORMATION child{};
        char line[] = "cmd.exe /c exit";
        ASSERT_TRUE(CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                   nullptr, nullptr, &start, &child));
        CloseHandle(child.hThread);
        TerminateProcess(child.hProcess, 0);
        WaitForSingleObject(child.hProcess, 5000);
        ASSERT_TRUE(watchProgramEnd(child.hProcess, name));
    }
};

TEST_F(WarningWindow, ClassGeometryAndStyle) {
    const HWND w = createWarningWindow();
    ASSERT_NE(w, nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Apps", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW));
    EXPECT_EQ(wc.hIcon, nullptr);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

    EXPECT_EQ(textOf(w), "Warning");
    RECT desktop, r;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, (desktop.right - 300) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 150) / 2);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 150);
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_SYSMENU) << "no system menu, so no close box";
    EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(w, GW_OWNER), mainWindow());
}

TEST_F(WarningWindow, ControlsTextsAndFonts) {
    const HWND w = createWarningWindow();
    const WarningControls set = controlsOf(w);
    EXPECT_EQ(GetDlgCtrlID(set.warningOk), 117);
    EXPECT_EQ(GetDlgCtrlID(set.warningCancel), 118);
    EXPECT_EQ(GetDlgCtrlID(set.warningTitle), 1);
    EXPECT_EQ(GetDlgCtrlID(set.warningCountdown), 1);
    EXPECT_EQ(GetParent(set.warningOk), w);
    EXPECT_EQ(textOf(set.warningOk), "&OK");
    EXPECT_EQ(textOf(set.warningCancel), "&Cancel");
    EXPECT_EQ(textOf(set.warningTitle), "Warning");
    EXPECT_EQ(textOf(set.warningCountdown), "in ? seconds your system will be shutting down");

    const auto at = [](HWND c) {
        const RECT r = rectOf(c);
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
    };
    // narrowed to end inside the client area
    EXPECT_EQ(at(set.warningTitle), "10,10 270x30");
    EXPECT_EQ(at(set.warningCountdown), "10,60 270x13");
    EXPECT_EQ(at(set.warningOk), "190,90 100x25");
    EXPECT_EQ(at(set.warningCancel), "80,90 100x25");
    EXPECT_TRUE(GetWindowLongA(set.warningOk, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(set.warningTitle, GWL_STYLE) & SS_CENTERIMAGE);

    const LOGFONTA title = fontOf(set.warningTitle);
    EXPECT_STREQ(title.lfFaceName, "Tahoma");
    EXPECT_EQ(title.lfHeight, -20);
    EXPECT_EQ(title.lfWeight, 600);
    EXPECT_TRUE(title.lfUnderline);
    for (HWND small : {set.warningCountdown, set.warningOk, set.warningCancel}) {
        const LOGFONTA font = fontOf(small);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
        EXPECT_EQ(font.lfWeight, 400);
    }
    // drawn readable: 8 points is 11 pixels at 96 dpi, where a request for
    // -4 came out 4 pixels high under Wine
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ before =
        SelectObject(screen, reinterpret_cast<HFONT>(SendMessageA(set.warningOk, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    const int eightPoints = MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    EXPECT_GE(metrics.tmHeight - metrics.tmInternalLeading, eightPoints - 1);
}

TEST_F(WarningWindow, GermanTexts) {
    FILE* file = std::fopen(languageFile().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("1", file);
    std::fclose(file);
    runWindowCreationStep();  // as the main window's creation did
    createWarningWindow();
    const WarningControls set = controlsOf(warningWindow());
    EXPECT_EQ(textOf(set.warning), "Warnhinweis");
    EXPECT_EQ(textOf(set.warningTitle), "Warnhinweis");
    EXPECT_EQ(textOf(set.warningCancel), "&Abbrechen");
    EXPECT_EQ(textOf(set.warningOk), "&OK");
    EXPECT_EQ(textOf(set.warningCountdown), "Ihr System wird in ? Sekunden heruntergefahren");
    currentSettings().TaskManagerAktion = "1";
    updateWarningCountdown(25, Action::Reboot);
    EXPECT_EQ(textOf(set.warningCountdown), "Reboot in 25 Sekunden");
}

TEST_F(WarningWindow, CountdownUpdatesOnlyForKnownActions) {
    createWarningWindow();
    const HWND countdown = controlsOf(warningWindow()).warningCountdown;
    updateWarningCountdown(9, Action::Standby);
    EXPECT_EQ(textOf(countdown), "StandBy-Mode in 9 seconds");
    SetWindowPos(warningWindow(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    updateWarningCountdown(8, Action::None);
    EXPECT_EQ(textOf(countdown), "StandBy-Mode in 9 seconds");
    EXPECT_TRUE(GetWindowLongA(warningWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "topmost again";
}

// OK and the close request send the window away and the countdown runs on
// unseen to its action; Cancel stops the schedule until the options' OK.
TEST_F(WarningWindow, AnswersToTheSchedulesCountdown) {
    for (const int answer : {kWarningOkId, -1, kWarningCancelId}) {
        SCOPED_TRACE(answer);
        power.calls.clear();
        armCountdown(10, "5", "3");
        pass(5);
        EXPECT_EQ(countdownLine(), "StandBy-Mode in 5 seconds");
        if (answer == -1)
            SendMessageA(warningWindow(), WM_CLOSE, 0, 0);
        else
            press(answer);
        EXPECT_FALSE(IsWindow(warningWindow()));
        pass(5);
        EXPECT_EQ(countdownLine(), "no window");
        EXPECT_EQ(power.calls.size(), answer == kWarningCancelId ? 0u : 1u);
        EXPECT_EQ(scheduler().state().suspended, answer == kWarningCancelId);
    }
    pauseSchedule();  // the options open; their OK arms it again
    EXPECT_TRUE(scheduler().state().suspended);
    armCountdown(60);
}

// Every warning creates its fonts anew; they must go with the window.
TEST_F(WarningWindow, FontsAreDeletedWithTheWindow) {
    for (int i = 0; i < 3; ++i) {
        createWarningWindow();
        const HGDIOBJ title = reinterpret_cast<HGDIOBJ>(
            SendMessageA(FindWindowExA(warningWindow(), nullptr, "STATIC", nullptr), WM_GETFONT, 0, 0));
        const HGDIOBJ small = reinterpret_cast<HGDIOBJ>(
            SendMessageA(GetDlgItem(warningWindow(), kWarningOkId), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectType(title), static_cast<DWORD>(OBJ_FONT));
        ASSERT_EQ(GetObjectType(small), static_cast<DWORD>(OBJ_FONT));
        SendMessageA(warningWindow(), i == 0 ? WM_CLOSE : WM_COMMAND, kWarningOkId, 0);
        EXPECT_EQ(GetObjectType(title), 0u) << "round " << i;
        EXPECT_EQ(GetObjectType(small), 0u) << "round " << i;
    }
}

// The whole countdown through timer 2 of the main window: the window opens
// at the first tick, counts down and the action runs at zero.
TEST_F(WarningWindow, ScheduledStandbyWarnsAndFires) {
    armCountdown(3, "30", "3");
    for (int tick = 0; tick < 3 && power.calls.empty(); ++tick) {
        ++testClock.uptimeSeconds;
        ++testClock.now;
        SendMessageA(main, WM_TIMER, kSchedulerTimerId, 0);
    }
    EXPECT_EQ(power.calls, (std::vector<std::string>{"SetSystemPowerState(TRUE,0)"}));
    EXPECT_FALSE(IsWindow(warningWindow()));
    EXPECT_FALSE(scheduler().state().suspended);
}

// A watched program's end warns (its name on the second line) and acts;
// the options, standby and a second countdown each end what is on screen,
// and the watch's warning then starts again whole.
TEST_F(WarningWindow, WatchedProgramsEndWarnsWholeAfterEveryPause) {
    store("TaskManagerAktion", "3");
    store("showwarning", "20");
    loadSettings();
    watchEndedProgram("render.exe");
    pass(1);
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 20 seconds");
    EXPECT_EQ(textOf(FindWindowExA(warningWindow(), nullptr, "STATIC", "render.exe has ended")),
              "render.exe has ended");
    pass(15);
    pauseSchedule();  // the options open
    EXPECT_FALSE(IsWindow(warningWindow()));
    pass(30);
    EXPECT_TRUE(power.calls.empty()) << "nothing moves while the options are open";
    rearmScheduler();  // their OK
    pass(1);
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 20 seconds") << "whole again, not 5 s or none";
    pass(10);
    testClock.uptimeSeconds += 3600;  // asleep for an hour
    onPowerResume();
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 20 seconds");
    EXPECT_TRUE(power.calls.empty());
    pass(20);
    EXPECT_EQ(power.calls, (std::vector<std::string>{"SetSystemPowerState(TRUE,0)"}));
    EXPECT_FALSE(programWatch().armed()) << "one action per watch";
}

// A daily standby's countdown and a watch's meet: the watch waits, the
// window shows one at a time, and Cancel stops the one shown alone.
TEST_F(WarningWindow, TwoCountdownsAndCancel) {
    armCountdown(30, "20", "3");
    pass(10);
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 20 seconds");
    watchEndedProgram("render.exe");
    pass(1);
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 19 seconds") << "the watch waits";
    press(kWarningCancelId);
    EXPECT_TRUE(scheduler().state().suspended);
    pass(1);
    EXPECT_EQ(countdownLine(), "StandBy-Mode in 20 seconds") << "now the watch's, whole";
    EXPECT_NE(FindWindowExA(warningWindow(), nullptr, "STATIC", "render.exe has ended"), nullptr);
    press(kWarningCancelId);
    pass(40);
    EXPECT_EQ(countdownLine(), "no window");
    EXPECT_TRUE(power.calls.empty()) << "nothing runs unseen after Cancel";
    EXPECT_FALSE(programWatch().armed());
}

}  // namespace
