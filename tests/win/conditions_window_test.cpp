// The conditions' window in both languages, with a source hidden as a
// system without it lacks it, and what its buttons arm, store and drop.
#include "power/conditions_window_win.h"

#include <gtest/gtest.h>

#include <string>

#include "app/facts_refresh_win.h"
#include "common/open_windows_win.h"
#include "power/condition_samplers_win.h"
#include "power/condition_trigger_win.h"
#include "power/program_watch_win.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "settings/settings_registry_win.h"
#include "support/resident_fixture.h"

namespace {

namespace id = conditions_control;

std::string textOf(int control) {
    char text[128] = "";
    GetDlgItemTextA(conditionsWindow(), control, text, sizeof(text));
    return text;
}

bool ticked(int control) {
    return SendDlgItemMessageA(conditionsWindow(), control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// shown where the window is (which the tests do not show)
bool present(int control) {
    return (GetWindowLongA(GetDlgItem(conditionsWindow(), control), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool enabled(int control) { return IsWindowEnabled(GetDlgItem(conditionsWindow(), control)) != 0; }

void press(int control) {
    SendMessageA(conditionsWindow(), WM_COMMAND, static_cast<WPARAM>(control), 0);
}

std::string storedValue(const char* name) {
    char text[32] = "";
    DWORD size = sizeof(text);
    if (RegGetValueA(HKEY_CURRENT_USER, kConditionsKeyPath, name, RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
        return "none";
    return text;
}

class ConditionsWindow : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        RegDeleteKeyA(HKEY_CURRENT_USER, kConditionsKeyPath);
    }
    void TearDown() override {
        disarmConditions();
        destroyOpenWindows();
        limitConditionSources(ConditionSamplers::kEverySource);
        DeleteFileA(languageFile().c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kConditionsKeyPath);
        ResidentProgramTest::TearDown();
    }
    static std::string languageFile() { return programDirectory() + "\\language.dat"; }
};

TEST_F(ConditionsWindow, TextsAndValuesNowInBothLanguages) {
    struct Language {
        const char* file;  // language.dat, none: English
        const char* title;
        const char* idle;
        const char* processorMiddle;
        const char* idleNow;
        const char* arm;
    } languages[] = {
        {nullptr, "Dormival: When", "the c&omputer has been idle for", "% for", "idle for ",
         "&Arm"},
        {"1", "Dormival: Wenn", "Der &Computer ist seit", "Minuten unter", "seit ",
         "&Scharf schalten"},
    };
    for (const Language& l : languages) {
        if (l.file) {
            const HANDLE file = CreateFileA(languageFile().c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(file, l.file, 1, &written, nullptr);
            CloseHandle(file);
        }
        const HWND w = createConditionsWindow();
        ASSERT_NE(w, nullptr);
        char title[64] = "";
        GetWindowTextA(w, title, sizeof(title));
        EXPECT_EQ(std::string(title), l.title);
        EXPECT_EQ(textOf(id::kIdle), l.idle);
        EXPECT_EQ(textOf(id::kProcessorMiddle), l.processorMiddle);
        EXPECT_EQ(textOf(id::kIdleNow).rfind(l.idleNow, 0), 0u) << textOf(id::kIdleNow);
        EXPECT_EQ(textOf(id::kArm), l.arm);
        // the stored defaults, nothing ticked: nothing to arm, nothing to drop
        EXPECT_EQ(textOf(id::kIdleMinutes) + " " + textOf(id::kNetworkKBps), "30 20");
        EXPECT_FALSE(enabled(id::kArm));
        EXPECT_FALSE(present(id::kDisarm));
        DestroyWindow(w);
    }
}

TEST_F(ConditionsWindow, AMissingSourceDisablesItsConditionAndSaysWhy) {
    limitConditionSources(ConditionSamplers::kLastInput);
    ASSERT_NE(createConditionsWindow(), nullptr);
    EXPECT_TRUE(enabled(id::kIdle));
    for (int check : {id::kProcessor, id::kNetwork}) EXPECT_FALSE(enabled(check)) << check;
    EXPECT_FALSE(enabled(id::kNetworkKBps));
    EXPECT_EQ(textOf(id::kProcessorNow), "needs Windows 98 or NT 4 SP4");
    EXPECT_EQ(textOf(id::kNetworkNow), "needs Windows 98 or NT 4 SP4");
}

// Arm stores the choice and arms it; the window opens with what is armed,
// and Disarm drops it.
TEST_F(ConditionsWindow, ArmStoresAndArmsDisarmDrops) {
    HWND w = createConditionsWindow();
    SendDlgItemMessageA(w, id::kActionList, CB_SETCURSEL, 3, 0);  // StandBy
    SendDlgItemMessageA(w, id::kIdle, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(w, id::kNetwork, BM_SETCHECK, BST_CHECKED, 0);
    press(id::kIdle);
    EXPECT_TRUE(enabled(id::kArm));
    SetDlgItemTextA(w, id::kIdleMinutes, "45");
    SetDlgItemTextA(w, id::kNetworkKBps, "0");  // below its range: its lowest
    press(id::kArm);
    EXPECT_FALSE(IsWindow(w));
    ASSERT_TRUE(conditionWatch().armed());
    EXPECT_EQ(storedValue("Action") + " " + storedValue("IdleMinutes") + " " +
                  storedValue("NetworkKBps") + " " + storedValue("Idle"),
              "3 45 1 1");
    EXPECT_EQ(armedActionLine(), "StandBy when idle 45 min and network < 1 KB/s");

    w = createConditionsWindow();
    EXPECT_EQ(std::to_string(ticked(id::kIdle)) + std::to_string(ticked(id::kProcessor)) +
                  std::to_string(ticked(id::kNetwork)) + " " + textOf(id::kIdleMinutes),
              "101 45");
    EXPECT_EQ(SendDlgItemMessageA(w, id::kActionList, CB_GETCURSEL, 0, 0), 3);
    EXPECT_TRUE(present(id::kDisarm));
    press(id::kDisarm);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(conditionWatch().armed());
    EXPECT_EQ(armedActionLine(), std::nullopt);
}

}  // namespace
