// Every window driven by real key presses (SendInput), as a user without a
// mouse drives it, through the program's own loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/open_windows_win.h"
#include "display/display_window_win.h"
#include "favourites/favourites_window_win.h"
#include "options/options_window_win.h"
#include "power/warning_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_window_win.h"
#include "support/program_loop.h"
#include "support/resident_fixture.h"

namespace {

LONG WINAPI acceptEveryMode(DEVMODEA*, DWORD) { return DISP_CHANGE_SUCCESSFUL; }

void drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) dispatchProgramMessage(message);
}

// Presses the key, with the modifiers held, and lets the loop take it.
void press(WORD key, std::vector<WORD> held = {}) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD h : held) add(h, false);
    add(key, false);
    add(key, true);
    for (auto h = held.rbegin(); h != held.rend(); ++h) add(*h, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    drain();
}

std::string focused() {
    const HWND focus = GetFocus();
    char cls[64] = "", text[128] = "";
    GetClassNameA(focus, cls, sizeof(cls));
    CharLowerA(cls);
    // a picker's text is the time of day
    if (std::string(cls) != "sysdatetimepick32") GetWindowTextA(focus, text, sizeof(text));
    return cls + std::string(" ") + text;
}

std::string storedAction() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "nothing stored";
    char text[16] = "";
    DWORD size = sizeof(text);
    const bool found = RegQueryValueExA(key, "action", nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found ? std::string("action=") + text : "nothing stored";
}

std::string afterIt(HWND window, const std::string& what) {
    return (IsWindow(window) ? "open, " : "closed, ") + what;
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
};

// Once round each window with Tab from the control it opens on, then Enter
// or Esc with the focus where Tab left it.
TEST_F(Keyboard, TabOrderEnterAndEscInEveryWindow) {
    struct Case {
        const char* name;
        std::function<HWND()> open;
        std::vector<std::string> tabOrder;
        WORD key;
        std::function<std::string(HWND)> after;
        std::string want;
    };
    const OptionsContext options{true, "Windows", "5.1", 1u << 30, {}, {}, {}};
    const std::vector<std::string> optionsOrder = {
        "combobox ", "button no action", "edit 120", "sysdatetimepick32 ", "sysdatetimepick32 ",
        "sysdatetimepick32 ", "button &Show warning", "edit ", "button &OK", "button &Cancel",
        "systabcontrol32 "};
    const Case cases[] = {
        {"options, Enter", [&] { return createOptionsWindow(options); }, optionsOrder, VK_RETURN,
         [](HWND w) { return afterIt(w, storedAction()); }, "closed, action=0"},
        {"options, Esc", [&] { return createOptionsWindow(options); }, optionsOrder, VK_ESCAPE,
         [](HWND w) { return afterIt(w, storedAction()); }, "closed, nothing stored"},
        {"favourites", createFavouritesWindow,
         {"syslistview32 ", "button &Add", "button &Remove", "button &Run"}, VK_ESCAPE,
         [](HWND w) { return afterIt(w, ""); }, "closed, "},
        {"display modes, Enter", createDisplayWindow,
         {"syslistview32 ", "syslistview32 ", "button &Add", "button &Delete"}, VK_RETURN,
         [](HWND w) { return afterIt(w, focused()); }, "open, button &Undo"},
        {"process viewer", createProcessViewerWindow, {"syslistview32 "}, VK_ESCAPE,
         [](HWND w) { return afterIt(w, ""); }, "closed, "},
    };
    for (const Case& c : cases) {
        if (std::string(c.name) == "process viewer" && viewerKind() != ViewerKind::WindowList)
            continue;
        const HWND w = c.open();
        ASSERT_NE(w, nullptr) << c.name;
        showFeatureWindow(w);
        drain();
        std::vector<std::string> walked;
        for (std::size_t i = 0; i < c.tabOrder.size(); ++i) {
            walked.push_back(focused());
            press(VK_TAB);
        }
        EXPECT_EQ(walked, c.tabOrder) << c.name;
        EXPECT_EQ(focused(), c.tabOrder.front()) << c.name << ": Tab goes round";
        press(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(focused(), c.tabOrder.back()) << c.name << ": Shift+Tab goes back";
        press(VK_TAB);
        press(c.key);
        EXPECT_EQ(c.after(w), c.want) << c.name;
        if (IsWindow(w)) press(VK_ESCAPE);  // the display's countdown: Esc undoes
        EXPECT_FALSE(IsWindow(w)) << c.name;
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    }
}

// Arrow keys stay in a set of radio buttons; Ctrl+Tab turns the page; a
// letter that "&Cancel" and "&Commandline" share moves the focus between
// them and presses neither; a group box's letter moves to the control
// after it; the focus comes back when the window is activated again.
TEST_F(Keyboard, ArrowsPagesAndMnemonicsInTheOptions) {
    const HWND w = createOptionsWindow({true, "Windows", "5.1", 1u << 30, {}, {}, {}});
    showFeatureWindow(w);
    drain();
    press(VK_TAB);
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(focused(), "button action to a given time");
    EXPECT_EQ(SendMessageA(GetFocus(), BM_GETCHECK, 0, 0), BST_CHECKED) << "the arrow checks it";
    for (int i = 0; i < 3; ++i) press(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(focused(), "button &Commandline") << "the Options tab's first control";
    press('C', {VK_MENU});
    EXPECT_EQ(focused(), "button &Cancel");
    press('C', {VK_MENU});
    EXPECT_EQ(focused(), "button &Commandline");
    press('E', {VK_MENU});
    EXPECT_EQ(focused(), "button &Empty folder  \"Temporary Internet Files\" by starting Dormival");
    press(VK_TAB, {VK_CONTROL, VK_SHIFT});
    press('R', {VK_MENU});  // the "&Reboot" group box: its check box
    EXPECT_EQ(focused(), "button Forces processes to terminate. ");
    EXPECT_TRUE(IsWindow(w)) << "a shared letter pressed nothing";
    EXPECT_EQ(storedAction(), "nothing stored");
    // activated again after another window, the focus is back where it was
    showFeatureWindow(createFavouritesWindow());
    drain();
    SetForegroundWindow(w);
    drain();
    EXPECT_EQ(focused(), "button Forces processes to terminate. ");
}

// The warning never takes the keyboard: it opens and stays on top without
// becoming active, so keys typed elsewhere never reach it; once the user
// activates it, Esc is its Cancel.
TEST_F(Keyboard, TheWarningNeverTakesTheKeyboard) {
    const HWND other = createFavouritesWindow();
    showFeatureWindow(other);
    drain();
    int answered = 0;
    static int* answer = nullptr;
    answer = &answered;
    setWarningAnswerHandler([](int id) { *answer = id; });
    openWarningWindow("");
    updateWarningCountdown(5, Action::Shutdown);
    drain();
    EXPECT_EQ(GetActiveWindow(), other);
    press(VK_RETURN);
    press(VK_ESCAPE, {});
    EXPECT_EQ(answered, 0) << "keys for another window never answer the warning";
    EXPECT_TRUE(IsWindow(warningWindow()));
    SetForegroundWindow(warningWindow());
    drain();
    press(VK_RETURN);
    EXPECT_EQ(answered, 0) << "OK is never the default";
    press(VK_ESCAPE);
    EXPECT_EQ(answered, kWarningCancelId);
    setWarningAnswerHandler(nullptr);
}

}  // namespace
