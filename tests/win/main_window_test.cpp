#include "app/main_window.h"

#include <gtest/gtest.h>

#include "app/window_proc.h"
#include "common/window_set.h"
#include "power/power_calls.h"
#include "systools/windows_version_win.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        detectWindowsVersion();
        registerMainWindowClass(GetModuleHandleA(nullptr));
    }
    void TearDown() override {
        if (IsWindow(windows().main)) DestroyWindow(windows().main);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
    }
};

TEST_F(MainWindowTest, ClassUsesTheOneWindowProcedure) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Dormival", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW));
    EXPECT_EQ(wc.lpfnWndProc, &MainWindowProc);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(wc.hIconSm, nullptr);
}

TEST_F(MainWindowTest, WindowIsCreatedHiddenAtTheComputedPlace) {
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(windows().main, window);

    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    EXPECT_STREQ(text, "Dormival");
    GetClassNameA(window, text, sizeof(text));
    EXPECT_STREQ(text, "Dormival");
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_FALSE(IsWindowVisible(window));

    RECT desktop, rect;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, (desktop.right - 160) / 2);
    EXPECT_EQ(rect.top, (desktop.bottom - 140) / 2);
    EXPECT_EQ(rect.bottom - rect.top, 100);
    // a captioned window is at least as wide as the system allows; Wine makes it 112
    EXPECT_GE(rect.right - rect.left, 100);
}

TEST_F(MainWindowTest, CreationTestsHibernation) {
    createMainWindow(GetModuleHandleA(nullptr));
    EXPECT_TRUE(hibernationAvailable()) << "powrprof.dll loads under Wine";
}

TEST_F(MainWindowTest, HidingMinimisesOnlyOnTheNtFamily) {
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    hideMainWindow();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(IsIconic(window) != FALSE, windowsVersion().platformClass >= 1);
}

TEST_F(MainWindowTest, DestroyingTheWindowPostsQuit) {
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    DestroyWindow(window);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
    // the entry stays set, as for every destroyed window
    EXPECT_EQ(windows().main, window);
}

}  // namespace
