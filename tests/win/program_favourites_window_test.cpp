#include "program_favourites/program_favourites_window_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "program_favourites/program_favourites.h"
#include "support/child_places.h"
#include "support/resident_fixture.h"
#include "win32/file_dialog_win.h"
#include "win32/list_view_win.h"

namespace {

std::string textOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The open-file dialog the tests install: it records what it was asked
// and answers with the chosen file, or cancels when there is none.
std::string chosenFile;
OPENFILENAMEA askedFor;
BOOL WINAPI fakeOpenFile(OPENFILENAMEA* dialog) {
    askedFor = *dialog;
    if (chosenFile.empty()) return FALSE;
    lstrcpynA(dialog->lpstrFile, chosenFile.c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}

class ProgramFavouritesWindow : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        RegDeleteKeyA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath);
        setOpenFileCall(fakeOpenFile);
        char windowsDirectory[MAX_PATH] = "";
        GetWindowsDirectoryA(windowsDirectory, sizeof(windowsDirectory));
        notepad = std::string(windowsDirectory) + "\\notepad.exe";
        winIni = std::string(windowsDirectory) + "\\win.ini";
    }
    void TearDown() override {
        if (IsWindow(programFavouritesWindow())) DestroyWindow(programFavouritesWindow());
        setOpenFileCall(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath);
        ResidentProgramTest::TearDown();
    }
    static HWND list() { return GetDlgItem(programFavouritesWindow(), kProgramFavouritesListId); }
    static int rows() { return static_cast<int>(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0)); }
    static std::string row(int index) { return listCellText(list(), index, 0); }
    static void select(int index) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendMessageA(list(), LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
    }
    static void store(const std::string& path) {
        HKEY key;
        RegCreateKeyA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath, &key);
        RegSetValueExA(key, path.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(key);
    }
    // name=data of every stored value, sorted; "no key"
    static std::string stored() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath, 0, KEY_READ, &key) != 0)
            return "no key";
        std::vector<std::string> names;
        char name[1000], data[16];
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = sizeof(name), dataSize = sizeof(data), type = 0;
            if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
                break;
            names.push_back(name + std::string("=") + data +
                            (type == REG_SZ && dataSize == 1 ? "" : "(not an empty text)"));
        }
        RegCloseKey(key);
        std::sort(names.begin(), names.end());
        std::string all;
        for (const std::string& name : names) all += (all.empty() ? "" : " ") + name;
        return all;
    }
    std::string notepad, winIni;
};

TEST_F(ProgramFavouritesWindow, WindowAndControls) {
    const HWND w = createProgramFavouritesWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(textOf(w), "Favorites list");
    char className[32] = "";
    GetClassNameA(w, className, sizeof(className));
    EXPECT_STREQ(className, "Favoriten");
    RECT r, desktop;
    GetWindowRect(w, &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 310);
    EXPECT_EQ(r.left, (desktop.right - 400) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 290) / 2);
    expectChildPlaces(w, {{kProgramFavouritesListId, 4, 10, 385, 220, ""},
                           {120, 5, 235, 100, 25, "&Add"},
                           {119, 110, 235, 100, 25, "&Remove"},
                           {220, 220, 235, 100, 25, "&Run"}});
    const LONG style = GetWindowLongA(list(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_LIST);
    EXPECT_TRUE(style & LVS_SHAREIMAGELISTS) << "the system's image list is not ours to destroy";
    EXPECT_NE(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
}

// Stored entries show with their shell icons; add, remove and the store
// after a close.
TEST_F(ProgramFavouritesWindow, LoadAddRemoveAndStore) {
    store(notepad);
    createProgramFavouritesWindow();
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(row(0), notepad);
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    SendMessageA(list(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SHFILEINFOA info{};
    SHGetFileInfoA(notepad.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    EXPECT_EQ(item.iImage, info.iIcon);

    chosenFile = "";  // cancelled
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kAdd, 0);
    EXPECT_EQ(rows(), 1);
    EXPECT_STREQ(askedFor.lpstrTitle, "Add program to favorites group");
    EXPECT_STREQ(askedFor.lpstrFilter, "All files *.*");
    EXPECT_EQ(askedFor.hwndOwner, mainWindow());
    EXPECT_EQ(askedFor.Flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY),
              static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY));
    for (const std::string& file : {winIni, notepad}) {
        chosenFile = file;
        SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kAdd, 0);
    }
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(row(1), winIni);
    EXPECT_EQ(stored(), notepad + "=") << "the store waits for the window to close";

    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRemove, 0);
    EXPECT_EQ(rows(), 3) << "nothing selected, nothing removed";
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRun, 0);  // nor run
    select(0);
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRemove, 0);
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(row(0), winIni);
    SendMessageA(programFavouritesWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(programFavouritesWindow()));
    EXPECT_EQ(stored(), notepad + "= " + winIni + "=");

    // an empty list leaves no key
    createProgramFavouritesWindow();
    for (int i = 0; i < 2; ++i) {
        select(0);
        SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRemove, 0);
    }
    SendMessageA(programFavouritesWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(stored(), "no key");
}

// However the window ends, the list as the user left it is stored.
TEST_F(ProgramFavouritesWindow, TheListSurvivesEveryWayOfClosing) {
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"close box", [] { SendMessageA(programFavouritesWindow(), WM_CLOSE, 0, 0); }},
        {"its icon's terminate entry",
         [] { SendMessageA(programFavouritesWindow(), WM_COMMAND, tray_command::kTerminate, 0); }},
        {"the program ending", [] { DestroyWindow(programFavouritesWindow()); }},
    };
    for (const auto& [ending, end] : endings) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kProgramFavouritesKeyPath);
        store(winIni);
        createProgramFavouritesWindow();
        select(0);
        SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRemove, 0);
        chosenFile = notepad;
        SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kAdd, 0);
        end();
        EXPECT_FALSE(IsWindow(programFavouritesWindow())) << ending;
        EXPECT_EQ(stored(), notepad + "=") << ending;
    }
}

// The end of the session stores the open list, as no close comes; an end
// called off stores nothing. Nobody is kept waiting.
TEST_F(ProgramFavouritesWindow, TheListIsStoredWhenTheSessionEnds) {
    createProgramFavouritesWindow();
    chosenFile = notepad;
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kAdd, 0);
    for (const BOOL ending : {FALSE, TRUE}) {
        EXPECT_EQ(SendMessageA(programFavouritesWindow(), WM_QUERYENDSESSION, 0, 0), TRUE);
        SendMessageA(main, WM_ENDSESSION, ending, 0);
        EXPECT_EQ(stored(), ending ? notepad + "=" : "");
    }
}

// The registry knows a path in other letters as the same value: replacing
// it by its other spelling must not delete it.
TEST_F(ProgramFavouritesWindow, APathInOtherCaseStaysStored) {
    std::string upper = notepad;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    store(upper);
    createProgramFavouritesWindow();
    select(0);
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kRemove, 0);
    chosenFile = notepad;
    SendMessageA(programFavouritesWindow(), WM_COMMAND, program_favourites_command::kAdd, 0);
    SendMessageA(programFavouritesWindow(), WM_CLOSE, 0, 0);
    EXPECT_NE(stored(), "no key");
    EXPECT_EQ(stored().size(), notepad.size() + 1);
}

}  // namespace
