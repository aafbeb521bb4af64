#include "app/main_window_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shared_messages_win.h"
#include "common/file_icon_win.h"
#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "common/windows_version_win.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        detectWindowsVersion();
        registerMainWindowClass(GetModuleHandleA(nullptr));
    }
    void TearDown() override {
        if (IsWindow(mainWindow())) DestroyWindow(mainWindow());
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
    }
};

TEST_F(MainWindowTest, ClassOfTheMainWindow) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Dormival", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW));
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(wc.hIconSm, nullptr);
}

TEST_F(MainWindowTest, WindowIsCreatedHiddenAtTheComputedPlace) {
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(mainWindow(), window);

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

// The colours of an icon drawn at the small size, row by row.
std::vector<COLORREF> pixelsOf(HICON icon) {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    const HGDIOBJ before = SelectObject(dc, bitmap);
    RECT all{0, 0, cx, cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A program file shows its own icon even where the system knows no program
// file type (Wine answers the shell's generic icon then); a file that is
// gone shows the program's icon rather than none.
TEST_F(MainWindowTest, SmallFileIconIsTheFilesOwnOrTheProgramsOwn) {
    const HICON own = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconResource), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    ASSERT_NE(own, nullptr);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);  // carries the program's icon resource
    for (const std::string& file : {std::string(self), std::string("C:\\gone\\moon.ico")}) {
        const HICON icon = smallFileIcon(file);
        ASSERT_NE(icon, nullptr) << file;
        EXPECT_EQ(pixelsOf(icon), pixelsOf(own)) << file;
        DestroyIcon(icon);
    }
    DestroyIcon(own);
}

TEST_F(MainWindowTest, DestroyingTheWindowPostsQuit) {
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    DestroyWindow(window);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
    EXPECT_EQ(mainWindow(), nullptr) << "gone with its window";
}

}  // namespace
