#include "systools/desktop_tools_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "win32/system_library_win.h"

namespace {

void pumpMessages() {
    MSG m;
    for (int round = 0; round < 20; ++round) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        Sleep(10);
    }
}

HWND testWindow(DWORD style) {
    static const ATOM registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "DesktopToolsTest";
        return RegisterClassA(&wc);
    }();
    EXPECT_NE(registered, 0);
    return CreateWindowExA(0, "DesktopToolsTest", "test", style, 10, 10, 200, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Minimise all, then the entry labelled maximise: only visible windows
// with a system menu take part, and they come back to their normal size.
TEST(DesktopTools, AllWindowsCommandsReachVisibleWindowsWithASystemMenu) {
    struct Case {
        const char* name;
        DWORD style;
        bool minimised;
    } cases[] = {
        {"visible with a system menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, true},
        {"visible without one", WS_POPUP | WS_CAPTION | WS_VISIBLE, false},
        {"hidden with one", WS_OVERLAPPEDWINDOW, false},
    };
    std::vector<HWND> windows;
    for (const Case& c : cases) windows.push_back(testWindow(c.style));
    postToAllWindows(SC_MINIMIZE);
    pumpMessages();
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(IsIconic(windows[i]) != FALSE, cases[i].minimised) << cases[i].name;
    postToAllWindows(SC_RESTORE);
    pumpMessages();
    EXPECT_FALSE(IsIconic(windows[0]));
    EXPECT_FALSE(IsZoomed(windows[0])) << "restored, not maximised";
    for (const HWND w : windows) DestroyWindow(w);
}

// What each announcement of the rebuild found as the icon size.
std::vector<std::string> seenSizes;

std::string iconSize() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kWindowMetricsKeyPath, 0, KEY_READ, &key) != 0)
        return "no key";
    char text[32] = "";
    DWORD size = sizeof(text), type = 0;
    const LONG read = RegQueryValueExA(key, kShellIconSizeValue, nullptr, &type,
                                       reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return "none";
    return type == REG_SZ ? std::string(text) : "not a text";
}

// The section text is not compared: Wine 8 hands a broadcast's text to an
// ANSI window unconverted from its wide form.
LRESULT CALLBACK recordAnnouncements(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS)
        seenSizes.push_back(iconSize());
    return DefWindowProcA(window, message, wParam, lParam);
}

// The rebuild changes the size, announces it, and puts the user's own
// value back exactly, or leaves none where there was none.
TEST(DesktopTools, RebuildIconsPutsTheUsersIconSizeBack) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = recordAnnouncements;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "AnnouncementsTest";
    RegisterClassA(&wc);
    const HWND listener = CreateWindowExA(0, "AnnouncementsTest", "", WS_OVERLAPPED, 0, 0, 10, 10,
                                          nullptr, nullptr, wc.hInstance, nullptr);
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kWindowMetricsKeyPath, &key), ERROR_SUCCESS);
    const std::optional<std::string> before = [&]() -> std::optional<std::string> {
        const std::string now = iconSize();
        return now == "none" ? std::nullopt : std::optional<std::string>(now);
    }();
    struct Case {
        std::optional<std::string> users;
        std::vector<std::string> wantSeen;
    } cases[] = {
        {"48", {"0", "48"}},
        {std::nullopt, {"0", "none"}},
        {"0", {"32", "0"}},
    };
    for (const Case& c : cases) {
        if (c.users)
            RegSetValueExA(key, kShellIconSizeValue, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(c.users->c_str()),
                           static_cast<DWORD>(c.users->size() + 1));
        else
            RegDeleteValueA(key, kShellIconSizeValue);
        seenSizes.clear();
        rebuildIconCache();
        EXPECT_EQ(seenSizes, c.wantSeen) << c.users.value_or("none");
        EXPECT_EQ(iconSize(), c.users.value_or("none"));
    }
    // a value of another kind is not ours to change
    const DWORD number = 48;
    RegSetValueExA(key, kShellIconSizeValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    rebuildIconCache();
    EXPECT_EQ(iconSize(), "not a text");

    if (before)
        RegSetValueExA(key, kShellIconSizeValue, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(before->c_str()),
                       static_cast<DWORD>(before->size() + 1));
    else
        RegDeleteValueA(key, kShellIconSizeValue);
    RegCloseKey(key);
    DestroyWindow(listener);
}

// Without a Windows directory, "\ShellIconCache" would name the one at the
// root of the current drive.
UINT WINAPI noWindowsDirectory(LPSTR, UINT) { return 0; }
TEST(DesktopTools, RebuildIconsDeletesNothingWithoutAWindowsDirectory) {
    const char* rootCache = "C:\\ShellIconCache";
    CloseHandle(CreateFileA(rootCache, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA("C:\\");
    setWindowsDirectoryCall(noWindowsDirectory);
    rebuildIconCache();
    setWindowsDirectoryCall(nullptr);
    SetCurrentDirectoryA(before);
    EXPECT_TRUE(DeleteFileA(rootCache)) << "still there";
}

}  // namespace
