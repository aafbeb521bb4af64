// Every window driven by real key presses (SendInput), as a user without a
// mouse drives it, through the program's own loop.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/open_windows_win.h"
#include "display/display_window_win.h"
#include "options/options_window_win.h"
#include "power/conditions_window_win.h"
#include "power/warning_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_window_win.h"
#include "program_favourites/program_favourites_window_win.h"
#include "support/program_loop.h"
#include "support/resident_fixture.h"

namespace {

LONG WINAPI acceptEveryMode(DEVMODEA*, DWORD) { return DISP_CHANGE_SUCCESSFUL; }

void drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) dispatchProgramMessage(message);
}

// Presses the key with the modifiers held (down in order, up in reverse),
// and lets the loop take it.
void press(WORD key, std::vector<WORD> held = {}) {
    held.push_back(key);
    std::vector<INPUT> inputs(held.size() * 2, INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0, last = inputs.size() - 1; i < held.size(); ++i) {
        inputs[i].ki.wVk = inputs[last - i].ki.wVk = held[i];
        inputs[last - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    drain();
}

// The focused control as "class text" (a picker's text is the time of day,
// a drop-down list's the setting it shows)
std::string focused() {
    char cls[64] = "", text[128] = "";
    GetClassNameA(GetFocus(), cls, sizeof(cls));
    if (lstrcmpiA(cls, "SysDateTimePick32") != 0 && lstrcmpiA(cls, "ComboBox") != 0)
        GetWindowTextA(GetFocus(), text, sizeof(text));
    return CharLowerA(cls) + std::string(" ") + text;
}

// Whether the window is open, and what OK stored.
std::string outcome(HWND window) {
    char action[16] = "none";
    DWORD size = sizeof(action);
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "action", RRF_RT_REG_SZ, nullptr, action,
                 &size);
    return std::string(IsWindow(window) ? "open" : "closed") + ", action " + action;
}

class Keyboard : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        setDisplayChangeCall(acceptEveryMode);
    }
    void TearDown() override {
        destroyOpenWindows();
        setDisplayChangeCall(nullptr);
        ResidentProgramTest::TearDown();
    }
    HWND options() { return createOptionsWindow({true, "Windows", "5.1", 1u << 30, {}, {}, {}}); }
};

// Once round each window with Tab from the control it opens on, back one
// with Shift+Tab, then Enter or Esc with the focus on the first control.
TEST_F(Keyboard, TabOrderEnterAndEscInEveryWindow) {
    const std::vector<std::string> optionsOrder = {
        "combobox ", "button no action", "edit 120", "sysdatetimepick32 ", "sysdatetimepick32 ",
        "sysdatetimepick32 ", "button &Show warning", "edit ", "button &OK", "button &Cancel",
        "systabcontrol32 "};
    const struct {
        std::function<HWND()> open;
        std::vector<std::string> tabOrder;
        WORD key;
        std::string after;
    } cases[] = {
        {[&] { return options(); }, optionsOrder, VK_RETURN, "closed, action 0"},
        {[&] { return options(); }, optionsOrder, VK_ESCAPE, "closed, action none"},
        {createProgramFavouritesWindow, {"syslistview32 ", "button &Add", "button &Remove", "button &Run"},
         VK_ESCAPE, "closed, action none"},
        // Enter sets the selected mode, and Undo has the focus; Esc undoes
        {createDisplayWindow, {"syslistview32 ", "syslistview32 ", "button &Add", "button &Delete"},
         VK_RETURN, "open, action none button &Undo"},
        {createProcessViewerWindow, {"syslistview32 "}, VK_ESCAPE, "closed, action none"},
        // with nothing ticked Arm is disabled, and no stop for Tab
        {createConditionsWindow,
         {"combobox ", "button the c&omputer has been idle for", "edit 30",
          "button the &processor has been below", "edit 10", "edit 5",
          "button the &network has carried less than", "edit 20", "edit 5",
          "button this pro&gram has ended:", "combobox ", "button &Cancel"},
         VK_ESCAPE, "closed, action none"},
    };
    for (const auto& c : cases) {
        const HWND w = c.open();
        if (!w && viewerKind() != ViewerKind::WindowList) continue;  // no such viewer on NT 4
        showFeatureWindow(w);
        drain();
        std::vector<std::string> walked;
        for (std::size_t i = 0; i <= c.tabOrder.size(); ++i, press(VK_TAB))
            walked.push_back(focused());
        press(VK_TAB, {VK_SHIFT});
        walked.push_back(focused());
        std::vector<std::string> want = c.tabOrder;
        want.insert(want.end(), {c.tabOrder.front(), c.tabOrder.front()});
        EXPECT_EQ(walked, want) << c.tabOrder.front() << ": round and back one";
        press(c.key);
        EXPECT_EQ(outcome(w) + (IsWindow(w) ? " " + focused() : ""), c.after) << c.tabOrder[0];
        if (IsWindow(w)) press(VK_ESCAPE);
        EXPECT_FALSE(IsWindow(w));
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    }
}

// Arrow keys stay in a set of radio buttons; Ctrl+Tab turns the page; a
// letter that "&Cancel" and "&Commandline" share moves the focus between
// them and presses neither; a group box's letter moves to the control
// after it; the focus comes back when the window is activated again.
TEST_F(Keyboard, ArrowsPagesAndMnemonicsInTheOptions) {
    const HWND w = options();
    showFeatureWindow(w);
    drain();
    std::vector<std::string> walked;
    const auto step = [&](WORD key, std::vector<WORD> held = {}) {
        press(key, held);
        walked.push_back(focused());
    };
    step(VK_TAB);
    step(VK_DOWN);
    step(VK_DOWN);
    EXPECT_EQ(SendMessageA(GetFocus(), BM_GETCHECK, 0, 0), BST_CHECKED) << "the arrow checks";
    for (int i = 0; i < 3; ++i) step(VK_TAB, {VK_CONTROL});
    step('C', {VK_MENU});
    step('C', {VK_MENU});
    step('E', {VK_MENU});
    step(VK_TAB, {VK_CONTROL, VK_SHIFT});
    step('S', {VK_MENU});  // the "&StandbyModus / Hibernate" group box
    showFeatureWindow(createProgramFavouritesWindow());
    SetForegroundWindow(w);
    drain();
    walked.push_back(focused());
    const char* hibernate = "button Forces processes to terminate.(Hibernate) ";
    EXPECT_EQ(walked, (std::vector<std::string>{
                          "button no action", "button make action", "button action to a given time",
                          "button Check Screen Settings and restore after",
                          "button Forces processes to terminate. ", "button &Commandline",
                          "button &Cancel", "button &Commandline",
                          "button &Empty folder  \"Temporary Internet Files\" by starting Dormival",
                          "button Forces processes to terminate. ", hibernate, hibernate}));
    EXPECT_EQ(outcome(w), "open, action none") << "a shared letter pressed nothing";
}

// The warning never takes the keyboard: it opens and stays on top without
// becoming active, so keys typed elsewhere never reach it; once the user
// activates it, Enter presses nothing (OK is never the default) and Esc is
// its Cancel.
TEST_F(Keyboard, TheWarningNeverTakesTheKeyboard) {
    const HWND other = createProgramFavouritesWindow();
    showFeatureWindow(other);
    static int answered;
    answered = 0;
    setWarningAnswerHandler([](int id) { answered = id; });
    openWarningWindow("");
    updateWarningCountdown(5, Action::Shutdown);
    drain();
    EXPECT_EQ(GetActiveWindow(), other);
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(answered, 0) << "keys for another window never answer the warning";
    SetForegroundWindow(warningWindow());
    press(VK_RETURN);
    EXPECT_EQ(answered, 0);
    press(VK_ESCAPE);
    EXPECT_EQ(answered, kWarningCancelId);
    setWarningAnswerHandler(nullptr);
}

}  // namespace
