#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "process_viewer/viewer_window_win.h"
#include "power/program_watch_win.h"
#include "power/schedule_ticks_win.h"
#include "process_viewer/row_commands_win.h"
#include "support/child_places.h"
#include "common/feature_window_win.h"
#include "win32/file_dialog_win.h"
#include "win32/file_replace_win.h"
#include "win32/list_view_win.h"
#include "support/modal_watch.h"
#include "support/program_loop.h"
#include "support/resident_fixture.h"
#include "support/shown_windows.h"
#include "support/token_state.h"
#include "process_viewer/list_sort_win.h"
#include "process_viewer/module_window_win.h"
#include "process_viewer/nt4_viewer_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_ids.h"
#include "process_viewer/viewer_lists.h"
#include "process_viewer/viewer_window_win.h"

namespace {

constexpr const char* kOptionsKey = "Software\\Dormival\\Options";

std::string textOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The lists' own order: the texts in upper case, compared byte by byte.
bool upperBefore(const std::string& a, const std::string& b) {
    std::string x = a, y = b;
    CharUpperA(x.data());
    CharUpperA(y.data());
    return x < y;
}

std::string chosenFile;
OPENFILENAMEA askedFor;
BOOL WINAPI fakeSaveFile(OPENFILENAMEA* dialog) {
    askedFor = *dialog;
    if (chosenFile.empty()) return FALSE;
    lstrcpynA(dialog->lpstrFile, chosenFile.c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}

// Whether the condition comes true within the time, pumping this thread's
// messages meanwhile.
template <typename Condition>
bool within(DWORD ms, Condition condition) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(20)) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        if (condition()) return true;
    }
    return condition();
}

class ProcessViewer : public ResidentProgramTest {
protected:
    void SetUp() override {
        ResidentProgramTest::SetUp();
        setSaveFileCall(fakeSaveFile);
        if (!shown.start()) GTEST_SKIP() << "DORMIVAL_WINTOOL names no wintool.exe";
    }
    void TearDown() override {
        for (HWND w : {moduleWindow(), viewerWindow(), nt4ViewerWindow()})
            if (IsWindow(w)) DestroyWindow(w);
        shown.stop();
        setSaveFileCall(nullptr);
        ResidentProgramTest::TearDown();
    }
    static HWND viewer() { return viewerWindow(); }
    static HWND list() { return GetDlgItem(viewerWindow(), kWindowListId); }
    static void command(HWND window, unsigned id) { SendMessageA(window, WM_COMMAND, id, 0); }
    static void notify(HWND window, HWND from, UINT code, int column = 0) {
        NMLISTVIEW header{};
        header.hdr.hwndFrom = from;
        header.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
        header.hdr.code = code;
        header.iItem = -1;
        header.iSubItem = column;
        SendMessageA(window, WM_NOTIFY, header.hdr.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    // Selects the row with this title (any, for nullptr) and process; false
    // when there is none.
    static bool selectRow(HWND in, const char* title, DWORD pid) {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED;
        SendMessageA(in, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        for (int row = 0; row < listRowCount(in); ++row)
            if ((!title || listCellText(in, row, 0) == title) &&
                listCellText(in, row, 2) == std::to_string(pid)) {
                selectListRow(in, row);
                return true;
            }
        return false;
    }
    static std::vector<std::string> column(HWND in, int index) {
        std::vector<std::string> cells;
        for (int row = 0; row < listRowCount(in); ++row) cells.push_back(listCellText(in, row, index));
        return cells;
    }
    // Replaces the list's rows by these (all seven columns each).
    static void setRows(HWND in, const std::vector<std::vector<std::string>>& rows) {
        SendMessageA(in, LVM_DELETEALLITEMS, 0, 0);
        for (const auto& cells : rows) {
            const int row = appendListRow(in, cells[0]);
            for (int c = 1; c < static_cast<int>(cells.size()); ++c) setListCell(in, row, c, cells[c]);
        }
    }
    static void storeOption(const char* text) {
        HKEY key;
        RegCreateKeyA(HKEY_CURRENT_USER, kOptionsKey, &key);
        RegSetValueExA(key, "ProcessViewAlwaysOnTop", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 2);
        RegCloseKey(key);
    }
    static std::string storedOption() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "no key";
        char text[8] = "";
        DWORD size = sizeof(text);
        const bool found = RegQueryValueExA(key, "ProcessViewAlwaysOnTop", nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found ? text : "none";
    }
    ShownWindows shown;
};

TEST_F(ProcessViewer, WindowMenusAndList) {
    ASSERT_NE(createProcessViewerWindow(), nullptr);
    EXPECT_EQ(textOf(viewer()), "Process Viewer");
    char cls[32] = "";
    GetClassNameA(viewer(), cls, sizeof(cls));
    EXPECT_STREQ(cls, "Process Viewer");
    RECT r, desktop;
    GetWindowRect(viewer(), &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(r.right - r.left, 750);
    EXPECT_EQ(r.bottom - r.top, 430);
    EXPECT_EQ(r.left, (desktop.right - 750) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 430) / 2);

    const std::vector<std::string> bar = {
        "&File>", "  &Save As=240", "  -", "  &Close=107", "  &Destroy=108", "  Terminate=109",
        "  -", "  &Maximize=110", "  &Minimize=111", "  Restore=112", "  Bring To Front=113",
        "  -", "  &Exit=239",
        "&Process>", "  &Version Info=234", "  Module Usage=236", "  -", "  &Set Priority>",
        "    High=237", "    Lowest=243", "    Normal=244", "    Real Time=245", "  -",
        "  &Copy Path=241", "  -", "  &Action when this program ends=248",
        "&View>", "  Refresh=106", "  -", "  &Always On Top=242",
        "&?=246"};
    EXPECT_EQ(menuTextLines(GetMenu(viewer())), bar);
    EXPECT_EQ(menuTextLines(GetSystemMenu(viewer(), FALSE)).back(), "&Always On Top=242");

    GetClassNameA(GetDlgItem(viewer(), kViewerStatusId), cls, sizeof(cls));
    EXPECT_STREQ(cls, STATUSCLASSNAMEA);
    // as wide as the client area, which the described 745 overran by a pixel
    expectChildPlaces(viewer(), {{kWindowListId, 0, 0, 744, 360, ""}});
    const char* titles[] = {"Name", "Path", "PID", "Priority", "#Threads", "ParProcID", "Classname"};
    const int widths[] = {140, 200, 80, 70, 60, 80, 80};
    for (int i = 0; i < 7; ++i) {
        char title[32] = "";
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.pszText = title;
        c.cchTextMax = sizeof(title);
        ASSERT_TRUE(SendMessageA(list(), LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&c)));
        EXPECT_STREQ(title, titles[i]);
        // widened where the heading needs more, with margins and a sort arrow
        const auto heading =
            SendMessageA(list(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(title));
        EXPECT_EQ(c.cx, std::max<LRESULT>(widths[i], heading + 28)) << titles[i];
    }
    EXPECT_TRUE(GetWindowLongA(list(), GWL_STYLE) & LVS_SHAREIMAGELISTS);
    EXPECT_NE(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    EXPECT_EQ(selectedListRow(list()), 0);

    // the other process's titled window has its row, sorted in by title
    EXPECT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    auto titlesNow = column(list(), 0);
    EXPECT_TRUE(std::is_sorted(titlesNow.begin(), titlesNow.end(), upperBefore));
    // a new window is appended at the next pass, unsorted
    const HWND late = CreateWindowExA(0, "STATIC", "0 late window", 0, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr);
    SendMessageA(viewer(), WM_TIMER, kViewerTimerId, 0);
    EXPECT_EQ(column(list(), 0).back(), "0 late window");
    DestroyWindow(late);
    SendMessageA(viewer(), WM_TIMER, kViewerTimerId, 0);  // sees it gone
    SendMessageA(viewer(), WM_TIMER, kViewerTimerId, 0);  // rebuilds
    titlesNow = column(list(), 0);
    EXPECT_EQ(std::count(titlesNow.begin(), titlesNow.end(), "0 late window"), 0);
}

TEST_F(ProcessViewer, AlwaysOnTopFollowsBothMenusAndIsStored) {
    const auto state = [] {
        const UINT bar = GetMenuState(GetMenu(viewer()), viewer_command::kAlwaysOnTop, MF_BYCOMMAND);
        const UINT system = GetMenuState(GetSystemMenu(viewer(), FALSE), viewer_command::kAlwaysOnTop, MF_BYCOMMAND);
        const bool topmost = GetWindowLongA(viewer(), GWL_EXSTYLE) & WS_EX_TOPMOST;
        return std::string(bar & MF_CHECKED ? "bar " : "") + (system & MF_CHECKED ? "system " : "") +
               (topmost ? "topmost " : "") + storedOption();
    };
    storeOption("1");
    createProcessViewerWindow();
    EXPECT_EQ(state(), "bar system topmost 1");
    command(viewer(), viewer_command::kAlwaysOnTop);
    EXPECT_EQ(state(), "0");
    SendMessageA(viewer(), WM_SYSCOMMAND, viewer_command::kAlwaysOnTop, 0);
    EXPECT_EQ(state(), "bar system topmost 1");
    DestroyWindow(viewer());

    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Dormival\\Options\\ShutDownOptions");
    RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    createProcessViewerWindow();
    command(viewer(), viewer_command::kAlwaysOnTop);
    EXPECT_EQ(state(), "bar system topmost no key") << "a missing key is not created";
}

// Text columns sort ascending first, number columns largest first; each
// click reverses; the two lists share one direction per column.
TEST_F(ProcessViewer, SortingByColumn) {
    createProcessViewerWindow();
    setRows(list(), {{"beta", "b", "9", "High", "2", "0x1", "X"},
                     {"Alpha", "c", "10", "Idle", "30", "0x3", "Y"},
                     {"gamma", "a", "100", "Normal", "4", "0x2", "Z"}});
    struct Click {
        int column;
        std::vector<std::string> names;  // column 0 after the click
    } clicks[] = {
        {0, {"Alpha", "beta", "gamma"}}, {0, {"gamma", "beta", "Alpha"}},
        {2, {"gamma", "Alpha", "beta"}}, {2, {"beta", "Alpha", "gamma"}},
        {4, {"Alpha", "gamma", "beta"}}, {1, {"gamma", "beta", "Alpha"}},
        {3, {"beta", "Alpha", "gamma"}},
    };
    sortDirections() = SortDirections{};
    for (const Click& click : clicks) {
        notify(viewer(), list(), LVN_COLUMNCLICK, click.column);
        EXPECT_EQ(column(list(), 0), click.names) << "column " << click.column;
    }
    // a refresh sorts by title again and leaves column 0 at the first order
    command(viewer(), viewer_command::kRefresh);
    EXPECT_EQ(sortDirections().direction(0), kFirstOrder);

    // column 1 was sorted once above; the module list's click flips it back
    if (viewerKind() != ViewerKind::WindowList) return;  // no module list on NT 4
    ASSERT_NE(createModuleWindow(viewerWindow(), "x", GetCurrentProcessId()), nullptr);
    const HWND modules = GetDlgItem(moduleWindow(), kModuleListId);
    // every module's name whole ("ADVAPI32.dll", not "ADVAPI32....")
    for (const std::string& name : column(modules, 0))
        EXPECT_LT(
            SendMessageA(modules, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(name.c_str())),
            SendMessageA(modules, LVM_GETCOLUMNWIDTH, 0, 0)) << name;
    notify(moduleWindow(), GetDlgItem(moduleWindow(), kModuleListId), LVN_COLUMNCLICK, 1);
    EXPECT_EQ(sortDirections().direction(1), kFirstOrder + 1);
    const auto paths = column(GetDlgItem(moduleWindow(), kModuleListId), 1);
    EXPECT_TRUE(std::is_sorted(paths.rbegin(), paths.rend(), upperBefore));
}

TEST_F(ProcessViewer, SaveCopyAndStatus) {
    createProcessViewerWindow();
    setRows(list(), {{"one", "C:\\a.exe", "1", "Normal", "2", "0x00000003", "K"},
                     {"two", "", "", "", "", "", ""}});
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    const std::string file = std::string(temp) + "viewer list.txt";
    DeleteFileA(file.c_str());
    chosenFile = file;
    command(viewer(), viewer_command::kSaveAs);
    EXPECT_EQ(askedFor.hwndOwner, viewer()) << "never behind an always-on-top viewer";
    EXPECT_STREQ(askedFor.lpstrDefExt, "txt");
    std::ifstream in(file, std::ios::binary);
    std::stringstream saved;
    saved << in.rdbuf();
    in.close();
    EXPECT_EQ(saved.str(), "one; C:\\a.exe; 1; Normal; 2; 0x00000003; K; \r\ntwo; ; ; ; ; ; ; \r\n");
    DeleteFileA(file.c_str());

    chosenFile = std::string(temp) + "no such folder\\list.txt";
    const auto failed = watchModals([] { command(viewer(), viewer_command::kSaveAs); });
    EXPECT_EQ(failed.caption + "/" + failed.text, "Error/Error open file");

    selectListRow(list(), 0);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    command(viewer(), viewer_command::kCopyPath);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE text = GetClipboardData(CF_TEXT);
    EXPECT_STREQ(text ? static_cast<const char*>(GlobalLock(text)) : "", "C:\\a.exe");
    if (text) GlobalUnlock(text);
    CloseClipboard();

    notify(viewer(), list(), NM_CLICK);
    EXPECT_EQ(textOf(GetDlgItem(viewerWindow(), kViewerStatusId)), " Processes : 2");

    SendMessageA(list(), LVM_DELETEALLITEMS, 0, 0);
    chosenFile = file;
    command(viewer(), viewer_command::kSaveAs);
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing to save";
}

// The row commands on the windows of another process.
TEST_F(ProcessViewer, RowCommandsOnAnotherProcess) {
    createProcessViewerWindow();
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    command(viewer(), viewer_command::kMinimise);
    EXPECT_TRUE(within(5000, [&] { return IsIconic(shown.window()) != FALSE; }));
    command(viewer(), viewer_command::kRestore);
    EXPECT_TRUE(within(5000, [&] { return !IsIconic(shown.window()); }));

    command(viewer(), kPriorityEntries[0].command);  // "High"
    EXPECT_EQ(GetPriorityClass(shown.process()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    const auto menu = watchModals([] {
        SendMessageA(viewer(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()), MAKELPARAM(100, 100));
    }).menu;
    const std::vector<std::string> expected = {
        "Module Usage=236", "Version Info=234", "&Set Priority>", "  High=237 [x]",
        "  Lowest=243",     "  Normal=244",     "  Real Time=245",
        "&Action when this program ends=248"};
    EXPECT_EQ(menu, expected);

    command(viewer(), viewer_command::kTerminate);
    EXPECT_EQ(shown.exitCode(5000), static_cast<DWORD>(-1));
    EXPECT_FALSE(privilegeEnabled("SeDebugPrivilege")) << "on for the opening only";
    // the row stays selected in a list that no longer has the process:
    // each command says so
    setRows(list(), {{"no such window title", "", std::to_string(shown.pid()), "", "", "", ""}});
    selectListRow(list(), 0);
    struct Gone {
        unsigned id;
        const char* box;
    } gone[] = {
        {viewer_command::kClose, "Note/Unable to find that window!\nAlready closed ?"},
        {viewer_command::kToFront, "Information/Can't find the program\nAlready closed?"},
    };
    for (const Gone& g : gone) {
        const auto box = watchModals([&] { command(viewer(), g.id); });
        EXPECT_EQ(box.caption + "/" + box.text, g.box) << g.id;
        setRows(list(), {{"no such window title", "", std::to_string(shown.pid()), "", "", "", ""}});
        selectListRow(list(), 0);
    }
    setRows(list(), {{"no such window title", "", "99999999", "", "", "", ""}});  // no such process
    selectListRow(list(), 0);
    const auto box = watchModals([] { command(viewer(), viewer_command::kTerminate); });
    EXPECT_EQ(box.text, "OpenProcess()");
    EXPECT_FALSE(box.caption.empty()) << "the system's text for the error";
}

// A row's program that is no longer the one running under its id, and a
// program Windows cannot run without: neither is acted on, each with its
// box.
TEST_F(ProcessViewer, RowCommandsActOnlyOnTheRowsOwnProgram) {
    createProcessViewerWindow();
    const std::string pid = std::to_string(shown.pid());
    const char* gone = "Information/Can't find the program\nAlready closed?";
    const struct {
        const char* path;
        unsigned id;
        std::string box;
    } cases[] = {
        {"C:\\other\\program.exe", viewer_command::kTerminate, gone},
        {"C:\\other\\program.exe", kPriorityEntries[0].command, gone},
        {"C:\\other\\program.exe", viewer_command::kMinimise,
         "Note/Unable to find that window!\nAlready closed ?"},
        {"C:\\WINDOWS\\system32\\CSRSS.EXE", viewer_command::kTerminate,
         "Note/This process is part of Windows and is not ended: without it Windows stops, and "
         "every unsaved document is lost."},
    };
    for (const auto& c : cases) {
        setRows(list(), {{"DormivalTestShown", c.path, pid, "", "", "", ""}});
        selectListRow(list(), 0);
        const auto box = watchModals([&] { command(viewer(), c.id); });
        EXPECT_EQ(box.caption + "/" + box.text, c.box) << c.path << " " << c.id;
    }
    // the action when a program ends: never for Dormival, nor without an action
    setProgramEndWatch(watchProgramEnd);
    setRows(list(), {{"Dormival", "C:\\Dormival.exe", std::to_string(GetCurrentProcessId()), "",
                      "", "", ""}});
    selectListRow(list(), 0);
    EXPECT_EQ(watchModals([] { command(viewer(), viewer_command::kActWhenEnded); }).text,
              "Dormival cannot wait for its own end.");
    store("TaskManagerAktion", "-1");
    command(viewer(), viewer_command::kRefresh);
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    EXPECT_EQ(watchModals([] { command(viewer(), viewer_command::kActWhenEnded); }).text,
              "The options hold no action to carry out.");
    EXPECT_FALSE(programWatch().armed());
    setProgramEndWatch(nullptr);
    EXPECT_EQ(shown.exitCode(200), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(GetPriorityClass(shown.process()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_FALSE(IsIconic(shown.window()));
}

// Destroy and Bring to front act on the row's window, never on another of
// its title: the test's own window of the shown program's title is left
// alone, and the other program's window, which only its own thread may
// destroy, gives the system's refusal. The test's own window stands in
// for one that can be destroyed.
TEST_F(ProcessViewer, DestroyTheRowsWindow) {
    const HWND own = CreateWindowExA(0, "STATIC", "Dormival test destroyed", 0, 0, 0, 1, 1, nullptr,
                                     nullptr, nullptr, nullptr);
    const HWND sameTitle = CreateWindowExA(0, "STATIC", "DormivalTestShown", 0, 0, 0, 1, 1,
                                           nullptr, nullptr, nullptr, nullptr);
    createProcessViewerWindow();
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    command(viewer(), viewer_command::kToFront);
    const auto refused = watchModals([] { command(viewer(), viewer_command::kDestroy); });
    EXPECT_EQ(refused.text, "DestroyWindow()");
    EXPECT_FALSE(refused.caption.empty()) << "the system's text for the error";
    EXPECT_TRUE(IsWindow(sameTitle));
    EXPECT_TRUE(IsWindow(shown.window()));
    ASSERT_TRUE(selectRow(list(), "Dormival test destroyed", GetCurrentProcessId()));
    command(viewer(), viewer_command::kDestroy);
    EXPECT_FALSE(IsWindow(own));
    EXPECT_FALSE(selectRow(list(), "Dormival test destroyed", GetCurrentProcessId())) << "refreshed";
    DestroyWindow(sameTitle);
}

// A program that has stopped answering: every command on its row returns
// at once.
TEST_F(ProcessViewer, AHungProgramNeverHoldsTheViewerUp) {
    ShownWindows hung;
    ASSERT_TRUE(hung.start(true));
    createProcessViewerWindow();
    ASSERT_TRUE(selectRow(list(), "DormivalTestHung", hung.pid()));
    for (unsigned id : {viewer_command::kClose, viewer_command::kMinimise, viewer_command::kToFront}) {
        const DWORD start = GetTickCount();
        command(viewer(), id);
        EXPECT_LT(GetTickCount() - start, 2000u) << id;
        ASSERT_TRUE(selectRow(list(), "DormivalTestHung", hung.pid()));
    }
    hung.stop();
}

// A save that cannot replace the file keeps the old one whole, shows the
// box and leaves nothing of its own behind; Windows 9x's way, which moves
// the old file aside first, as well.
BOOL WINAPI noReplacingMove(LPCSTR, LPCSTR, DWORD) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}
TEST_F(ProcessViewer, AFailedSaveKeepsTheOldFile) {
    createProcessViewerWindow();
    setRows(list(), {{"one", "", "", "", "", "", ""}});
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    const std::string folder = std::string(temp) + "dormival save\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    chosenFile = folder + "list.txt";
    const auto content = [] {
        std::ifstream in(chosenFile, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    const auto files = [&] {
        int count = 0;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return count;
        do count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    };
    for (const bool windows9x : {false, true}) {
        setReplacingMoveCall(windows9x ? noReplacingMove : nullptr);
        std::ofstream(chosenFile, std::ios::binary) << "old";
        const HANDLE held = CreateFileA(chosenFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        const auto box = watchModals([] { command(viewer(), viewer_command::kSaveAs); });
        CloseHandle(held);
        EXPECT_EQ(box.caption + "/" + box.text, "Error/Error open file") << windows9x;
        EXPECT_EQ(content() + " " + std::to_string(files()), "old 1") << windows9x;
        EXPECT_EQ(watchModals([] { command(viewer(), viewer_command::kSaveAs); }).boxes, 0);
        EXPECT_EQ(content() + " " + std::to_string(files()), "one; ; ; ; ; ; ; \r\n 1") << windows9x;
    }
    setReplacingMoveCall(nullptr);
    DeleteFileA(chosenFile.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(ProcessViewer, CloseReachesTheProcesssWindow) {
    createProcessViewerWindow();
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    command(viewer(), viewer_command::kClose);
    EXPECT_EQ(shown.exitCode(5000), 0u) << "its main window took the close";
}

// Closing the viewer closes the module window it owns.
TEST_F(ProcessViewer, ClosingTheViewerClosesItsModuleWindow) {
    if (viewerKind() != ViewerKind::WindowList) GTEST_SKIP() << "no module window on NT 4";
    createProcessViewerWindow();
    ASSERT_TRUE(selectRow(list(), "DormivalTestShown", shown.pid()));
    notify(viewer(), list(), NM_DBLCLK);  // posts the module window's opening
    ASSERT_TRUE(pumpUntil([] { return moduleWindow() != nullptr; }));
    PostMessageA(viewer(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(runUntilClosed(viewer()));
    EXPECT_FALSE(IsWindow(moduleWindow()));
}

TEST_F(ProcessViewer, ModuleUsageWindow) {
    createProcessViewerWindow();
    if (viewerKind() != ViewerKind::WindowList) {
        EXPECT_EQ(createModuleWindow(viewerWindow(), "Some title", GetCurrentProcessId()), nullptr) << "not on NT 4";
        return;
    }
    ASSERT_NE(createModuleWindow(viewerWindow(), "Some title", GetCurrentProcessId()), nullptr);
    const HWND w = moduleWindow();
    EXPECT_EQ(textOf(w), "Module Usage - Some title");
    EXPECT_EQ(GetWindow(w, GW_OWNER), viewer());
    expectChildPlaces(w, {{kModuleListId, 10, 2, 660, 260, ""}});
    const auto names = column(GetDlgItem(moduleWindow(), kModuleListId), 0);
    ASSERT_GT(names.size(), 3u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), upperBefore));
    EXPECT_EQ(listCellText(GetDlgItem(moduleWindow(), kModuleListId), 0, 2), std::to_string(GetCurrentProcessId()));
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(IsWindow(viewer()));
}

TEST_F(ProcessViewer, Nt4ViewerWindow) {
    ASSERT_NE(createNt4ViewerWindow(), nullptr);
    const HWND w = nt4ViewerWindow();
    expectChildPlaces(w, {{kNt4ListId, 10, 2, 400, 160, ""},
                          {125, 80, 176, 100, 25, "&Refresh"},
                          {126, 190, 176, 100, 25, "&Close"},
                          {127, 190, 204, 100, 25, "&Destroy"},
                          {128, 190, 230, 100, 25, "&Terminate"},
                          {129, 300, 176, 100, 25, "&Maximize"},
                          {130, 300, 204, 100, 25, "&Minimize"},
                          {131, 300, 230, 100, 25, "&Restore"},
                          {132, 300, 256, 100, 25, "&Bring to front"}});
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(w, kNt4ListId), GWL_STYLE) & LVS_SINGLESEL)
        << "a command acts on one row, the one chosen";
    const bool nt4 = isNt4();
    // its row names the process's first titled window, whichever that is
    EXPECT_EQ(selectRow(GetDlgItem(nt4ViewerWindow(), kNt4ListId), nullptr, shown.pid()), nt4)
        << "only NT 4 has the records it lists";
    if (nt4) {
        command(w, viewer_command::kNt4Minimise);
        EXPECT_TRUE(within(5000, [&] { return IsIconic(shown.window()) != FALSE; }));
        command(w, viewer_command::kNt4Terminate);
        EXPECT_EQ(shown.exitCode(5000), static_cast<DWORD>(-1));
    }
}

// What each opening creates is gone once its window is closed, twenty
// times over. Wine counts no GDI or USER objects (GetGuiResources gives 0),
// so every handle a window made is asked for itself.
TEST_F(ProcessViewer, NothingLeftAfterClosing) {
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int cycle = 0; cycle < 20; ++cycle) {
        createProcessViewerWindow();
        const HMENU bar = GetMenu(viewer());
        const HMENU priorities = GetSubMenu(GetSubMenu(bar, 1), 3);
        const HWND viewerList = list();
        createModuleWindow(viewerWindow(), "x", GetCurrentProcessId());
        const HWND modules = moduleWindow();
        SendMessageA(modules, WM_CLOSE, 0, 0);
        SendMessageA(viewer(), WM_CLOSE, 0, 0);
        createNt4ViewerWindow();
        const HFONT font = reinterpret_cast<HFONT>(
            SendMessageA(GetDlgItem(nt4ViewerWindow(), 125), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        DestroyWindow(nt4ViewerWindow());
        EXPECT_FALSE(IsWindow(viewerList) || IsWindow(modules) || IsWindow(nt4ViewerWindow()));
        EXPECT_FALSE(IsMenu(bar) || IsMenu(priorities)) << "cycle " << cycle;
        EXPECT_EQ(GetObjectType(font), 0u) << "cycle " << cycle;
    }
    if (gdiBefore) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 5);
    }
    if (userBefore) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore + 5);
    }
}

}  // namespace
