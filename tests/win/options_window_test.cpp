#include "options/options_window_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/facts_refresh_win.h"
#include "common/command_ids.h"
#include "common/version.h"
#include "power/scheduler_win.h"
#include "support/modal_watch.h"
#include "support/resident_fixture.h"
#include "win32/file_dialog_win.h"

namespace {

std::string textOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string classOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return lower;
}

BOOL CALLBACK collect(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> descendants(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(window, collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

// A message box, read and answered from inside its loop.
std::string boxText;
int boxAnswer = IDOK;
void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND box = FindWindowA("#32770", nullptr);
    boxText = textOf(box);
    PostMessageA(box, WM_COMMAND, boxAnswer, 0);
}

// One expected control: class, the text of the group box it belongs to (""
// for the window), place and size in its parent at 96 DPI in English (height
// 0: not compared, as a combo box reports its closed height), both texts and
// the id. A place marked "grown" is the one the layout gives where the
// described size is too small for the text in MS Sans Serif.
struct Expected {
    const char* cls;
    const char* group;
    int x, y, width, height;
    const char* en;
    const char* de;
    int id;
};

constexpr const char* kForceEn = "Forces processes to terminate. ";
constexpr const char* kForceDe = "Alle Operationen ohne Nachfrage durchführen (Force)";

// Written from the window's description, not from its code.
const Expected kControls[] = {
    {"button", "", 20, 60, 385, 180, "Task-Manager", "Task-Manager", 0},
    {"static", "Task-Manager", 20, 18, 180, 13, "select action : ", "Auszuführende Aktion festlegen : ", 0},
    {"combobox", "Task-Manager", 200, 18, 140, 0, nullptr, nullptr, 0},
    {"button", "", 30, 102, 220, 13, "no action", "Keine Aktion ausführen", 0},
    {"button", "", 30, 120, 120, 13, "make action", "Aktion ausführen", 0},
    {"button", "", 30, 138, 200, 13, "action to a given time", "Aktion ausführen zur festgelegten Zeit :", 0},
    {"button", "", 30, 156, 310, 13, "action to a given datetime", "Aktion ausführen zum festgelegten Datum und Uhrzeit :", 0},
    {"edit", "Task-Manager", 130, 58, 50, 16, "120", "120", 0},
    {"static", "Task-Manager", 190, 58, 150, 13, "minutes after Windows started",
     "Minuten nach dem Einschalten", 0},
    // the pickers and their label clear the radio button above them
    {"sysdatetimepick32", "Task-Manager", 230, 72, 110, 22, nullptr, nullptr, 0},
    {"static", "Task-Manager", 24, 114, 86, 13, "Date /Time", "Datum / Uhrzeit : ", 0},
    {"sysdatetimepick32", "Task-Manager", 110, 110, 110, 22, nullptr, nullptr, 0},
    {"sysdatetimepick32", "Task-Manager", 220, 110, 110, 22, nullptr, nullptr, 0},
    {"button", "Task-Manager", 8, 138, 130, 13, "&Show warning", "&Warnhinweis anzeigen", 0},
    {"edit", "Task-Manager", 140, 138, 54, 16, nullptr, nullptr, 0},
    {"static", "Task-Manager", 200, 138, 180, 13, "seconds before shutdown ", "Sekunden vor dem Herunterfahren", 0},
    {"button", "", 20, 60, 385, 180, "&Screen Options", "&Bildschirmoptionen", 0},
    {"button", "", 30, 126, 290, 13, "Set screen settings without checking", "Bildschirmeinstellungen ohne Überprüfung übernehmen", 0},
    {"button", "", 30, 140, 313, 13, "Check Screen Settings and restore after", "Bildschirmeinstellungen überprüfen und gegebenenfalls nach", 0},
    {"edit", "&Screen Options", 30, 104, 40, 16, "10", "10", 0},
    {"static", "&Screen Options", 80, 104, 220, 13, "seconds", "Sekunden zurücksetzen", 0},
    {"button", "", 20, 60, 385, 40, "&Reboot", "&Reboot", 0},
    {"button", "&Reboot", 10, 16, 305, 13, kForceEn, kForceDe, 0},
    {"button", "", 20, 100, 385, 40, "&LogOff", "&LogOff", 0},
    {"button", "&LogOff", 10, 16, 305, 13, kForceEn, kForceDe, 0},
    {"button", "", 20, 140, 385, 70, "ShutDown", "ShutDown", 0},
    {"button", "", 30, 156, 270, 13, "no power off", "Strom nicht abschalten", 0},
    {"button", "", 30, 170, 363, 13, "power off", "Strom abschalten (System muss PowerOff Funktion unterstützen)", 0},
    {"button", "ShutDown", 10, 46, 305, 13, kForceEn, kForceDe, 0},
    {"button", "", 20, 210, 385, 50, "&StandbyModus / Hibernate", "&StandbyModus / Hibernate", 0},
    {"button", "&StandbyModus / Hibernate", 4, 20, 344, 13, "Forces processes to terminate.(Hibernate) ", "Alle Operationen ohne Nachfrage durchführen (Force Hibernate)", 0},
    {"button", "&StandbyModus / Hibernate", 4, 34, 358, 13, "Forces processes to terminate.(Standby) ", "Alle Operationen ohne Nachfrage durchführen (Force - Standby)", 0},
    {"button", "", 20, 60, 385, 200, "&Options", "&Optionen", 0},
    // narrowed: clear of the Commandline button, and inside their group
    {"static", "&Options", 20, 40, 210, 13, "Dormival supports command lines", "Dormival unterstützt Kommandozeilen", 0},
    {"button", "", 260, 90, 100, 25, "&Commandline", "&Kommandozeile", 226},
    {"button", "&Options", 20, 70, 305, 13, "Start Dormival from startup", "Dormival beim Systemstart automatisch starten", 0},
    {"button", "&Options", 20, 84, 360, 13, "&Empty folder  \"Temporary Internet Files\" by starting Dormival", "&Leeren des Ordners \"Temporary Internet Files\" beim Start von Dormival", 0},
    {"button", "&Options", 20, 98, 360, 13, "&Use Doubleclick for action(otherwise Singleclick)", "&Aktion ausführen bei Doppelklick/sonst Einzelklick", 0},
    // grown, and the list beside it moved on
    {"static", "&Options", 20, 130, 180, 13, "By Clicking the left mousebutton : ", "Bei linkem Mausklick : ", 0},
    {"combobox", "&Options", 200, 130, 140, 0, nullptr, nullptr, 0},
    {"static", "&Options", 20, 154, 200, 13, "Choose Display Icon in Taskbar  ", "Folgendes Icon anzeigen in Taskbar ", 0},
    {"static", "&Options", 47, 170, 300, 13, "", "", 0},  // beside the grown "..."
    {"button", "", 40, 228, 21, 20, "...", "...", 133},  // grown
    {"button", "", 20, 60, 385, 180, "Network", "Netzwerk", 0},
    {"syslistview32", "Network", 30, 30, 220, 80, "", "", 233},
    {"button", "", 280, 90, 100, 25, "&Add", "&Hinzufügen", 227},
    {"button", "", 280, 116, 100, 25, "&Remove", "&Entfernen", 228},
    {"button", "Network", 30, 120, 300, 13, "Force Network Shutdown", "Netzwerk-Shutdown erzwingen (Force)", 0},
    {"static", "Network", 30, 135, 300, 13, "Time for displaying Shutdown (in seconds)", "Hinweisfenster beim Shutdown anzeigen (in Sekunden)", 0},
    {"edit", "Network", 30, 150, 40, 16, "30", "30", 0},
    {"button", "", 20, 60, 385, 180, "Information", "Information", 0},
    {"static", "Information", 90, 30, 202, 30, "Dormival " DORMIVAL_VERSION, "Dormival " DORMIVAL_VERSION, 0},
    {"static", "Information", 90, 128, 220, 13, "Windows Test", "Windows Test", 0},
    {"static", "Information", 90, 142, 220, 13, "Version 9.9", "Version 9.9", 0},
    {"static", "Information", 90, 156, 220, 13, "Physical  memory available : 2048 KB ", "Verfügbarer realer Speicher : 2048 KB ", 0},
    {"button", "", 210, 274, 100, 25, "&OK", "&OK", 224},
    {"button", "", 320, 274, 100, 25, "&Cancel", "&Abbrechen", 225},
    {"systabcontrol32", "", 8, 8, 410, 260, "", "", 0},
};

// Which controls each tab shows, by their English texts (windows without
// text are counted).
const std::set<std::string> kTabs[6] = {
    {"Task-Manager", "select action : ", "no action", "make action", "action to a given time",
     "action to a given datetime", "&Show warning"},
    {"&Screen Options", "Set screen settings without checking",
     "Check Screen Settings and restore after", "seconds"},
    {"&Reboot", "&LogOff", "ShutDown", "no power off", "power off", "&StandbyModus / Hibernate"},
    {"&Options", "&Commandline", "...", "Start Dormival from startup"},
    {"Network", "&Add", "&Remove", "Force Network Shutdown"},
    {"Information", "Dormival " DORMIVAL_VERSION},
};

std::string languageFile() { return programDirectory() + "\\language.dat"; }

class OptionsWindow : public ResidentProgramTest {
protected:
    void TearDown() override {
        DestroyWindow(optionsWindow());
        std::remove(languageFile().c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Dormival\\Options");
        ResidentProgramTest::TearDown();
    }
    void SetUp() override {
        ResidentProgramTest::SetUp();
        currentSettings() = Settings{};  // a load keeps some values a test before left
        loadSettings();
    }
    HWND open(bool hibernation = true) {
        return createOptionsWindow(
            {hibernation, "Windows Test", "Version 9.9", 2048 * 1024, rearmScheduler, {}, {}});
    }
    static HWND find(const std::string& englishText) {
        for (HWND c : descendants(optionsWindow()))
            if (textOf(c) == englishText) return c;
        return nullptr;
    }
    static bool isChecked(const std::string& englishText) {
        return SendMessageA(find(englishText), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The value as the registry holds it, "-" when missing.
    static std::string stored(const char* name) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "-";
        char text[512];
        DWORD size = sizeof(text);
        const bool found =
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) ==
            ERROR_SUCCESS;
        RegCloseKey(key);
        return found ? text : "-";
    }
    static HWND groupBox(const std::string& text) {
        for (HWND c : descendants(optionsWindow()))
            if (classOf(c) == "button" &&
                (GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && textOf(c) == text)
                return c;
        return nullptr;
    }
    // The place of a control in the group box that holds it ("": the
    // window), and that group's text.
    static std::string describe(HWND c, const std::string& group) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(HWND_DESKTOP, group.empty() ? optionsWindow() : groupBox(group),
                        reinterpret_cast<POINT*>(&r), 2);
        return classOf(c) + "|" + group + "|" + std::to_string(r.left) + "," +
               std::to_string(r.top) + "|" + std::to_string(r.right - r.left) + "|" +
               std::to_string(r.bottom - r.top);
    }
    // A group box's text in the language shown.
    static std::string groupText(const char* english, bool german) {
        if (german)
            for (const Expected& g : kControls)
                if (g.en && std::string(g.en) == english && english[0]) return g.de;
        return english;
    }
    // In English every place is compared; in German, where more texts grow
    // their controls (the layout test checks those), the controls and texts.
    static void expectEveryControl(bool german) {
        const std::vector<HWND> all = descendants(optionsWindow());
        for (const Expected& e : kControls) {
            const std::string group = groupText(e.group, german);
            std::string place = std::string(e.cls) + "|" + group + "|";
            if (!german)
                place += std::to_string(e.x) + "," + std::to_string(e.y) + "|" +
                         std::to_string(e.width) + "|";
            const char* text = german ? e.de : e.en;
            bool found = false;
            for (HWND c : all) {
                const std::string actual = describe(c, group);
                if (actual.rfind(place, 0) != 0 || (text && textOf(c) != text)) continue;
                found = true;
                if (e.height && !german) {
                    EXPECT_EQ(actual, place + std::to_string(e.height));
                }
                EXPECT_EQ(GetDlgCtrlID(c), e.id) << place;
                break;
            }
            EXPECT_TRUE(found) << place << (text ? text : "");
        }
    }
};

TEST_F(OptionsWindow, ClassTitleAndGeometry) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(classOf(w), "optionen");
    EXPECT_EQ(textOf(w), "Dormival Options");
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_EQ(style & (WS_DLGFRAME | WS_SYSMENU), WS_DLGFRAME | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT r, desktop;
    GetWindowRect(w, &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(r.right - r.left, 440);
    EXPECT_EQ(r.bottom - r.top, 344);
    EXPECT_EQ(r.left, (desktop.right - 400) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 320) / 2);
    const HWND tabs = FindWindowExA(optionsWindow(), nullptr, "SysTabControl32", nullptr);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
    const char* labels[] = {"Task-Manager", "ScreenOptions", "ShutDown", "Options", "Network",
                            "Information"};
    for (int i = 0; i < 6; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, labels[i]);
    }
}

TEST_F(OptionsWindow, EveryControlInEnglishAndGerman) {
    open();
    expectEveryControl(false);
    DestroyWindow(optionsWindow());
    FILE* file = std::fopen(languageFile().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("1", file);
    std::fclose(file);
    runWindowCreationStep();
    open();
    EXPECT_EQ(textOf(optionsWindow()), "Dormival Optionen");
    expectEveryControl(true);
}

TEST_F(OptionsWindow, TabsShowOnlyTheirControlsAndTheButtons) {
    open();
    for (int tab = 0; tab < 6; ++tab) {
        SendMessageA(FindWindowExA(optionsWindow(), nullptr, "SysTabControl32", nullptr), TCM_SETCURSEL, tab, 0);
        NMHDR change{FindWindowExA(optionsWindow(), nullptr, "SysTabControl32", nullptr), 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(optionsWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
        for (int other = 0; other < 6; ++other)
            for (const std::string& text : kTabs[other])
                EXPECT_EQ(IsWindowVisible(find(text)) != FALSE, other == tab)
                    << "tab " << tab << ": " << text;
        EXPECT_TRUE(IsWindowVisible(find("&OK")));
        EXPECT_TRUE(IsWindowVisible(find("&Cancel")));
    }
}

TEST_F(OptionsWindow, WithoutHibernationNeitherListNorBoxOffersIt) {
    open(false);
    EXPECT_EQ(find("Forces processes to terminate.(Hibernate) "), nullptr);
    EXPECT_NE(find("&StandbyModus "), nullptr);
    int combos = 0;
    for (HWND c : descendants(optionsWindow()))
        if (classOf(c) == "combobox") {
            const LRESULT count = SendMessageA(c, CB_GETCOUNT, 0, 0);
            EXPECT_TRUE(count == 4 || count == 7) << count;
            ++combos;
        }
    EXPECT_EQ(combos, 2);
    SendMessageA(optionsWindow(), WM_COMMAND, options_command::kOk, 0);
    EXPECT_EQ(stored("forcehibernate"), "-");
}

// The load rules with nothing stored and with a stored date and time.
TEST_F(OptionsWindow, ControlsShowTheStoredSettings) {
    open();
    EXPECT_TRUE(isChecked("&Show warning"));
    EXPECT_TRUE(isChecked("no action"));
    EXPECT_TRUE(isChecked("power off"));
    EXPECT_TRUE(isChecked("Check Screen Settings and restore after"));
    for (HWND c : descendants(optionsWindow()))
        if (textOf(c) == kForceEn) {
            EXPECT_TRUE(SendMessageA(c, BM_GETCHECK, 0, 0)) << "an empty value checks";
        }
    EXPECT_FALSE(isChecked("&Empty folder  \"Temporary Internet Files\" by starting Dormival"));
    DestroyWindow(optionsWindow());

    for (auto [name, value] : {std::pair{"showwarning", "0"}, {"checkscreen", "0"},
                               {"action", "3"}, {"tag", "24.12.2004"}, {"zeit", "21:30:00"},
                               {"poweroff", "0"}, {"forcelogoff", "0"}, {"NetworkDrives", "pc1|pc2|"},
                               {"mouseclick", "5"}, {"TaskManagerAktion", "1"}})
        store(name, value);
    loadSettings();
    open();
    EXPECT_FALSE(isChecked("&Show warning"));
    EXPECT_TRUE(isChecked("Set screen settings without checking"));
    EXPECT_TRUE(isChecked("action to a given datetime"));
    EXPECT_TRUE(isChecked("no power off"));
    const OptionsRecord r = optionsRecordFromControls(optionsWindow());
    EXPECT_EQ(r.warningSecondsText, "5");
    EXPECT_EQ(r.restoreSecondsText, "10");
    EXPECT_EQ(r.dateText, "24.12.2004");
    EXPECT_EQ(r.dateTimeText, "21:30:00 ");
    EXPECT_NE(r.timeText, "21:30:00 ") << "the first time picker shows the current time";
    EXPECT_FALSE(r.forceLogoff);
    EXPECT_EQ(r.networkComputers, (std::vector<std::string>{"pc1", "pc2"}));
    EXPECT_EQ(r.clickAction, 5);
    EXPECT_EQ(r.scheduledAction, 1);
}

// OK stores every control in its stored form and arms the schedule again;
// Cancel stores nothing and leaves it suspended.
TEST_F(OptionsWindow, OkStoresTheControlsAndCancelNothing) {
    open();
    SendMessageA(optionsWindow(), WM_COMMAND, options_command::kCancel, 0);
    EXPECT_EQ(stored("action"), "-") << "Cancel writes nothing";

    open();
    SendMessageA(find("action to a given time"), BM_CLICK, 0, 0);
    SetWindowTextA(find("120"), "45");
    addOptionsComputer(optionsWindow(), "pc1");
    addOptionsComputer(optionsWindow(), "pc2");
    addOptionsComputer(optionsWindow(), "");
    SendMessageA(find("&Show warning"), BM_CLICK, 0, 0);
    SendMessageA(optionsWindow(), WM_COMMAND, options_command::kOk, 0);
    EXPECT_FALSE(IsWindow(optionsWindow()));
    EXPECT_EQ(stored("action"), "2");
    EXPECT_EQ(stored("TaskManagerAktion"), "-1") << "nothing selected";
    EXPECT_EQ(stored("NetworkDrives"), "pc1|pc2|");
    EXPECT_EQ(stored("minuten"), "-") << "only for action 1";
    EXPECT_EQ(stored("zeit").size(), 9u);
    EXPECT_EQ(stored("zeit").back(), ' ') << "the picker's text, closing blank and all";
    EXPECT_EQ(stored("showwarning"), "0");
    EXPECT_EQ(stored("forceshutdown"), "1");
    EXPECT_EQ(stored("poweroff"), "1");
    EXPECT_EQ(stored("checkscreen"), "10");
    EXPECT_EQ(stored("mouseclick"), "0");
    EXPECT_EQ(stored("standbyforce"), "1");
    EXPECT_TRUE(scheduler().state().armed) << "a stored time of day arms";
    EXPECT_FALSE(scheduler().state().suspended);
}

// A store that cannot be written: the user is told, the window stays open
// with the edits, and the previous settings stay as they were.
TEST_F(OptionsWindow, FailedSaveKeepsTheWindowAndTheSettings) {
    open();
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Dormival\\Options");
    // a volatile parent key takes no lasting subkey
    HKEY parent;
    DWORD disposition;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Dormival\\Options", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &parent, &disposition),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    SetWindowTextA(find("120"), "77");
    boxText.clear();
    boxAnswer = IDOK;
    SetTimer(nullptr, 0, 300, answerMessageBox);
    SendMessageA(optionsWindow(), WM_COMMAND, options_command::kOk, 0);
    EXPECT_EQ(boxText, "Dormival Options");
    EXPECT_TRUE(IsWindow(optionsWindow()));
    EXPECT_EQ(textOf(find("77")), "77") << "the edits are still there";
    EXPECT_EQ(stored("action"), "-");
}

// The Options entry of the window's own tray icon brings the open window to
// the front rather than building a second one over its controls; OK without
// a window stores nothing.
TEST_F(OptionsWindow, OneWindowAtATime) {
    const HWND first = open();
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(find("&OK"), WM_GETFONT, 0, 0));
    SendMessageA(first, WM_COMMAND, tray_command::kOptions, 0);
    EXPECT_EQ(optionsWindow(), first);
    EXPECT_EQ(FindWindowExA(nullptr, first, kOptionsClass, nullptr), nullptr);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_TRUE(scheduler().state().suspended);
    DestroyWindow(optionsWindow());
    SendMessageA(main, WM_COMMAND, options_command::kOk, 0);
    EXPECT_EQ(stored("action"), "-");
}

// Remove asks first; only Yes removes the selected computer.
TEST_F(OptionsWindow, RemovingAComputerAsks) {
    open();
    addOptionsComputer(optionsWindow(), "pc1");
    addOptionsComputer(optionsWindow(), "pc2");
    const HWND list = GetDlgItem(optionsWindow(), kComputerListId);
    ASSERT_NE(list, nullptr);
    removeSelectedOptionsComputer(optionsWindow());  // nothing selected: no question
    LVITEMA select{};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    for (const int answer : {IDNO, IDYES}) {
        boxText.clear();
        boxAnswer = answer;
        SetTimer(nullptr, 0, 300, answerMessageBox);
        removeSelectedOptionsComputer(optionsWindow());
        EXPECT_EQ(boxText, "Question");
    }
    EXPECT_EQ(optionsRecordFromControls(optionsWindow()).networkComputers, std::vector<std::string>{"pc2"});
}

TEST_F(OptionsWindow, EditsTakeNoMoreThanALoadKeeps) {
    open();
    const std::string overlong(300, '7');
    for (HWND c : descendants(optionsWindow()))
        if (classOf(c) == "edit") {
            SendMessageA(c, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(overlong.c_str()));
            EXPECT_LE(GetWindowTextLengthA(c), 249);
        }
}

// A text the settings could not keep is refused where it is chosen, with a
// box, and what was there stays: an icon path past 249 characters, and a
// computer that the stored list could not hold.
std::string chosenIcon = "C:\\" + std::string(247, 'i');
BOOL WINAPI chooseIcon(OPENFILENAMEA* dialog) {
    lstrcpynA(dialog->lpstrFile, chosenIcon.c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}
TEST_F(OptionsWindow, TextsTheSettingsCouldNotKeepAreRefused) {
    store("AppIcon", "C:\\old.ico");
    loadSettings();
    open();
    setOpenFileCall(chooseIcon);
    addOptionsComputer(optionsWindow(), std::string(200, 'a'));
    const auto boxes = watchModals([] {
        SendMessageA(optionsWindow(), WM_COMMAND, options_command::kChooseIcon, 0);
        addOptionsComputer(optionsWindow(), std::string(49, 'b'));
    });
    setOpenFileCall(nullptr);
    EXPECT_EQ(boxes.boxes, 2);
    EXPECT_EQ(boxes.caption, "Dormival Options");
    SendMessageA(optionsWindow(), WM_COMMAND, options_command::kOk, 0);
    EXPECT_EQ(stored("AppIcon"), "C:\\old.ico");
    EXPECT_EQ(stored("NetworkDrives"), std::string(200, 'a') + "|");
}

// One font per window, deleted with it, however often it is opened.
TEST_F(OptionsWindow, FontsGoWithTheWindow) {
    for (int round = 0; round < 20; ++round) {
        open();
        std::set<HGDIOBJ> fonts;
        // the pickers and the list (with its header) keep their own fonts
        const std::set<std::string> ours = {"button", "static", "edit", "combobox",
                                            "systabcontrol32"};
        for (HWND c : descendants(optionsWindow()))
            if (ours.count(classOf(c)))
                fonts.insert(reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
        ASSERT_EQ(fonts.size(), 1u) << "round " << round;
        if (round % 2)
            SendMessageA(optionsWindow(), WM_CLOSE, 0, 0);
        else
            SendMessageA(optionsWindow(), WM_COMMAND, options_command::kCancel, 0);
        for (HGDIOBJ font : fonts) ASSERT_EQ(GetObjectType(font), 0u) << "round " << round;
    }
}

}  // namespace
