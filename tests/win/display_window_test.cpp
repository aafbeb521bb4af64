#include "display/display_window_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "display/display_modes.h"
#include "support/child_places.h"
#include "support/modal_watch.h"
#include "support/resident_fixture.h"
#include "win32/list_view_win.h"

namespace {

std::string textOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The display-change call the tests install: it answers the test with a
// chosen result and records each call.
// "test" (CDS_TEST), "try" (this session only) or "store" (CDS_UPDATEREGISTRY),
// after the mode as "800x600x32".
LONG testAnswer = DISP_CHANGE_SUCCESSFUL, storeAnswer = DISP_CHANGE_SUCCESSFUL;
std::vector<std::string> changes;
std::string modeName(const DEVMODEA& mode) {
    return std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + "x" +
           std::to_string(mode.dmBitsPerPel);
}
LONG WINAPI fakeChange(DEVMODEA* mode, DWORD flags) {
    const char* kind = flags == CDS_TEST ? " test" : flags == 0 ? " try" : " store";
    changes.push_back(modeName(*mode) + kind);
    return flags == CDS_TEST ? testAnswer : flags == 0 ? DISP_CHANGE_SUCCESSFUL : storeAnswer;
}
// What the changes did, without the modes.
std::string changeKinds() {
    std::string kinds;
    for (const std::string& change : changes)
        kinds += (kinds.empty() ? "" : " ") + change.substr(change.find(' ') + 1);
    return kinds;
}

// A message box, read and closed from inside its loop.
std::string boxText, boxCaption;
void CALLBACK closeMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND box = FindWindowA("#32770", nullptr);
    boxCaption = textOf(box);
    char text[256] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the box's static text
    boxText = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class DisplayWindow : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        RegDeleteKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath);
        setDisplayChangeCall(fakeChange);
        changes.clear();
        testAnswer = DISP_CHANGE_SUCCESSFUL;
    }
    void TearDown() override {
        if (IsWindow(displayWindow())) DestroyWindow(displayWindow());
        setDisplayChangeCall(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath);
        ResidentProgramTest::TearDown();
    }
    // Destroys the window and takes back the quit its destruction posted,
    // which would end the next case's message box at once.
    static void closeWindow() {
        if (IsWindow(displayWindow())) DestroyWindow(displayWindow());
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    static HWND list(int id) { return GetDlgItem(displayWindow(), id); }
    static int rows(int id) {
        return static_cast<int>(SendMessageA(list(id), LVM_GETITEMCOUNT, 0, 0));
    }
    static void select(int id, int row) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list(id), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
    static void doubleClick(int id) {
        NMHDR click{list(id), static_cast<UINT_PTR>(id), static_cast<UINT>(NM_DBLCLK)};
        SendMessageA(displayWindow(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
    }
    static std::string cell(int row, int column) {
        return listCellText(list(kFavouriteModeListId), row, column);
    }
    // name=text of the stored favourites in the registry's order; "no key"
    static std::string storedFavourites() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kFavouriteModesKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "no key";
        std::string all;
        char name[64], data[300];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
            if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
                break;
            all += std::string(all.empty() ? "" : " ") + name + "=" +
                   (type == REG_SZ ? data : "(not text)");
        }
        RegCloseKey(key);
        return all;
    }
};

TEST_F(DisplayWindow, WindowAndControls) {
    const HWND w = createDisplayWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(textOf(w), "Change ScreenSettings");
    RECT r, desktop;
    GetWindowRect(w, &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(r.right - r.left, 230);
    EXPECT_EQ(r.bottom - r.top, 340);
    EXPECT_EQ(r.left, (desktop.right - 230) / 2);
    expectChildPlaces(w, {{kModeListId, 0, 0, 220, 190, ""},
                           {kFavouriteModeListId, 0, 194, 220, 90, ""},
                           {115, 5, 285, 100, 25, "&Add"}, {116, 110, 285, 100, 25, "&Delete"}});
    // one row per mode, the current one selected
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    int modes = 0;
    while (EnumDisplaySettingsA(nullptr, modes, &mode)) ++modes;
    EXPECT_EQ(rows(kModeListId), modes);
    EXPECT_EQ(SendMessageA(list(kModeListId), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
              rememberedDisplayMode());
}

// Both tables of messages, through a display-change call the test answers.
TEST_F(DisplayWindow, MessagesOfTheTestAndTheSetting) {
    struct Case {
        LONG answer;
        std::function<void()> run;
        const char* text;
        const char* caption;
        const char* calls;
    };
    const Case cases[] = {
        {DISP_CHANGE_BADMODE, [] { applyDisplayMode(0, true); }, "grahic mode isn't supported", "",
         "test"},
        {DISP_CHANGE_RESTART, [] { applyDisplayMode(0, false); }, "restart your system", "",
         "test store"},
        {DISP_CHANGE_RESTART, [] { restoreDisplayMode(); }, "Restart Computer now?", "Information",
         "test"},
        {DISP_CHANGE_BADFLAGS, [] { restoreDisplayMode(); }, "Bad Parameter", "Information", "test"},
    };
    for (const Case& c : cases) {
        testAnswer = c.answer;
        changes.clear();
        boxText = boxCaption = "-";
        SetTimer(nullptr, 0, 200, closeMessageBox);
        c.run();
        EXPECT_EQ(boxText, c.text);
        EXPECT_EQ(boxCaption, c.caption) << c.text;
        EXPECT_EQ(changeKinds(), c.calls) << c.text;
    }
}

// A mode reaches the registry only when the user keeps it: undo and the
// countdown's end go back for this session, a mode that takes a restart
// is stored only on a yes, and a failed test starts no countdown.
TEST_F(DisplayWindow, OnlyAKeptModeIsStored) {
    const auto command = [](unsigned id) {
        return [id] { SendMessageA(displayWindow(), WM_COMMAND, id, 0); };
    };
    const auto lastTick = [] {
        for (int tick = 0; tick <= 10 && IsWindow(displayWindow()); ++tick)
            SendMessageA(displayWindow(), WM_TIMER, kDisplayTimerId, 0);
    };
    const struct {
        LONG answer;
        int reply;
        std::function<void()> end;
        const char* calls;
    } cases[] = {
        {DISP_CHANGE_SUCCESSFUL, IDOK, command(display_command::kKeep), "test try store"},
        {DISP_CHANGE_SUCCESSFUL, IDOK, [] { SendMessageA(displayWindow(), WM_CLOSE, 0, 0); },
         "test try store"},
        {DISP_CHANGE_SUCCESSFUL, IDOK, command(display_command::kUndo), "test try test try"},
        {DISP_CHANGE_SUCCESSFUL, IDOK, lastTick, "test try test try"},
        {DISP_CHANGE_RESTART, IDYES, [] {}, "test store"},
        {DISP_CHANGE_RESTART, IDNO, [] {}, "test"},
        {DISP_CHANGE_BADMODE, IDOK, [] {}, "test"},
    };
    for (const auto& c : cases) {
        createDisplayWindow();
        testAnswer = c.answer;
        changes.clear();
        select(kModeListId, 0);
        watchModals([] { doubleClick(kModeListId); }, c.reply);
        EXPECT_EQ(displayCountdownActive(displayWindow()), c.answer == DISP_CHANGE_SUCCESSFUL) << c.calls;
        c.end();
        EXPECT_EQ(changeKinds(), c.calls);
        closeWindow();
    }
    // a mode kept that Windows cannot store: the user is told why
    createDisplayWindow();
    testAnswer = DISP_CHANGE_SUCCESSFUL;
    select(kModeListId, 0);
    doubleClick(kModeListId);
    storeAnswer = DISP_CHANGE_NOTUPDATED;
    EXPECT_EQ(watchModals(command(display_command::kKeep)).text,
              "Windows NT only: the settings could not be written to the registry");
    storeAnswer = DISP_CHANGE_SUCCESSFUL;
}

// A favourite's number can come to name another mode: its mode is found by
// its text, and one no longer offered changes nothing and says so.
TEST_F(DisplayWindow, AFavouriteFindsItsModeByItsText) {
    DEVMODEA mode{}, first{}, last{};
    mode.dmSize = sizeof(mode);
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) (i == 0 ? first : last) = mode;
    ASSERT_NE(modeName(first), modeName(last)) << "two modes to tell apart";
    const std::string lastText =
        modeText({last.dmPelsWidth, last.dmPelsHeight, last.dmDisplayFrequency, last.dmBitsPerPel});
    for (const auto& [text, want] :
         {std::pair{lastText, modeName(last) + " test"},
          {"1 x 1 x 1 Hz 1 -Bit ", "This display mode is no longer offered. Nothing is changed."}}) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath);
        HKEY key;
        RegCreateKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath, &key);
        RegSetValueExA(key, "0", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
        createDisplayWindow();
        select(kFavouriteModeListId, 0);
        changes.clear();
        const auto shown = watchModals([] { doubleClick(kFavouriteModeListId); });
        EXPECT_EQ(changes.empty() ? shown.text : changes[0], want);
        closeWindow();
    }
}

TEST_F(DisplayWindow, FavouritesLoadAddAndDelete) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "1", 0, REG_SZ, reinterpret_cast<const BYTE*>("one"), 4);
    const DWORD number = 7;
    RegSetValueExA(key, "7", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    RegCloseKey(key);
    createDisplayWindow();
    ASSERT_EQ(rows(kFavouriteModeListId), 1) << "only texts are favourites";
    EXPECT_EQ(cell(0, 0) + " " + cell(0, 1), "1 one");

    select(kModeListId, 2);
    addFavouriteMode(displayWindow());
    addFavouriteMode(displayWindow());
    ASSERT_EQ(rows(kFavouriteModeListId), 3);
    EXPECT_EQ(cell(2, 0), "2");
    EXPECT_EQ(cell(2, 1).find(" x "), 3u) << cell(2, 1);
    deleteFavouriteMode(displayWindow());  // nothing selected
    EXPECT_EQ(rows(kFavouriteModeListId), 3);
    select(kFavouriteModeListId, 0);
    deleteFavouriteMode(displayWindow());
    EXPECT_EQ(rows(kFavouriteModeListId), 2);
    SendMessageA(displayWindow(), WM_CLOSE, 0, 0);
    const std::string stored = " " + storedFavourites();
    EXPECT_NE(stored.find(" 2="), std::string::npos);
    EXPECT_EQ(stored.find(" 2=", stored.find(" 2=") + 1), std::string::npos)
        << "two rows of mode 2 become one value";
    EXPECT_NE(stored.find(" 7=(not text)"), std::string::npos) << "never listed, so it stays";
}

// However the window ends, the favourites added in it are kept.
TEST_F(DisplayWindow, FavouritesSurviveEveryWayOfClosing) {
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"close box", [] { SendMessageA(displayWindow(), WM_CLOSE, 0, 0); }},
        {"keep", [] { SendMessageA(displayWindow(), WM_COMMAND, display_command::kKeep, 0); }},
        {"undo", [] { SendMessageA(displayWindow(), WM_COMMAND, display_command::kUndo, 0); }},
        {"countdown's end", [] {
             for (int tick = 0; tick <= 10 && IsWindow(displayWindow()); ++tick)
                 SendMessageA(displayWindow(), WM_TIMER, kDisplayTimerId, 0);
         }},
        {"its icon's terminate entry",
         [] { SendMessageA(displayWindow(), WM_COMMAND, tray_command::kTerminate, 0); }},
    };
    for (const auto& [ending, end] : endings) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kFavouriteModesKeyPath);
        createDisplayWindow();
        select(kModeListId, 1);
        addFavouriteMode(displayWindow());
        if (std::string(ending) != "close box" && std::string(ending) != "its icon's terminate entry") {
            select(kModeListId, 0);
            doubleClick(kModeListId);
            ASSERT_TRUE(displayCountdownActive(displayWindow())) << ending;
        }
        end();
        EXPECT_FALSE(IsWindow(displayWindow())) << ending;
        EXPECT_EQ(storedFavourites().substr(0, 2), "1=") << ending;
    }
}

// The change from a favourite uses the number in its first column; the
// countdown runs the checkscreen seconds and then sets the old mode again.
TEST_F(DisplayWindow, DoubleClickChangesAndTheCountdownRestores) {
    doubleClick(kFavouriteModeListId);  // no window, no favourites: nothing
    createDisplayWindow();
    doubleClick(kFavouriteModeListId);
    EXPECT_TRUE(changes.empty()) << "an empty list changes nothing";
    store("checkscreen", "3");
    loadSettings();
    addFavouriteMode(displayWindow());  // the remembered mode is selected
    select(kFavouriteModeListId, 0);
    doubleClick(kFavouriteModeListId);
    ASSERT_TRUE(displayCountdownActive(displayWindow()));
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_FALSE(IsWindowVisible(list(kModeListId)));
    EXPECT_EQ(GetWindowLongA(displayWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    const HWND countdown = [] {
        HWND last = nullptr;
        for (HWND c = GetWindow(displayWindow(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetDlgCtrlID(c) == 1) last = c;
        return last;
    }();
    std::vector<std::string> labels;
    for (int tick = 0; tick < 3; ++tick) {
        SendMessageA(displayWindow(), WM_TIMER, kDisplayTimerId, 0);
        labels.push_back(textOf(countdown));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Undo in 2 Seconds", "Undo in 1 Seconds",
                                                "Undo in 0 Seconds"}));
    changes.clear();
    SendMessageA(displayWindow(), WM_TIMER, kDisplayTimerId, 0);
    EXPECT_EQ(changes.size(), 2u) << "the old mode set again";
    EXPECT_FALSE(IsWindow(displayWindow()));

    // checkscreen "0": the new mode is kept without asking
    store("checkscreen", "0");
    loadSettings();
    createDisplayWindow();
    changes.clear();
    select(kModeListId, 0);
    doubleClick(kModeListId);
    EXPECT_EQ(changeKinds(), "test store");
    EXPECT_TRUE(IsWindow(displayWindow())) << "not inside the list's own notification";
    MSG posted;
    while (PeekMessageA(&posted, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&posted);
    EXPECT_FALSE(IsWindow(displayWindow()));
    EXPECT_FALSE(displayCountdownActive(displayWindow()));
}

}  // namespace
