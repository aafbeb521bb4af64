#include "power/warning_window_win.h"

#include "common/command_ids.h"
#include "common/control_table_win.h"
#include "common/feature_window_win.h"
#include "common/open_windows_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "power/scheduler.h"
#include "win32/owned_handles_win.h"
#include "win32/screen_dpi_win.h"
#include "win32/small_font_win.h"

namespace {

constexpr int kStaticId = 1;
static_assert(noneShared({kWarningOkId, kWarningCancelId, kWarningLaterId, kStaticId}));

struct WarningState {
    HWND countdown = nullptr;
    OwnedGdiObject smallFont;  // one for the countdown and both buttons
    OwnedGdiObject titleFont;
};

void (*answer)(int id) = nullptr;

// 20 pixels high at 96 DPI
HFONT createTitleFont() {
    return CreateFontA(-scaledToScreen(20), 0, 0, 0, 600, FALSE, TRUE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

// The window's controls at 96 DPI, in a client area of 292 x 123: the
// buttons, the title and the countdown.
constexpr PlainControl kControls[] = {
    {ControlKind::Push, {10, 90, 65, 25}, "&Später", "&Later", kWarningLaterId},
    {ControlKind::Push, {190, 90, 100, 25}, "&OK", "&OK", kWarningOkId},
    {ControlKind::Push, {80, 90, 100, 25}, "&Abbrechen", "&Cancel", kWarningCancelId},
    {ControlKind::Label, {10, 10, 270, 30}, "Warnhinweis", "Warning", kStaticId},
    {ControlKind::Label, {10, 60, 270, 13}, "", "", kStaticId},
    {ControlKind::Label, {10, 42, 270, 13}, "", "", kStaticId},
};

// on top, but never active by itself: the keyboard stays with the program
// the user types in
void makeTopmost(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

const char* titleText() { return bilingual(programFacts().german, "Warnhinweis", "Warning"); }

LRESULT CALLBACK warningProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowState<WarningState>(window, message, lParam);
    switch (message) {
    case DM_GETDEFID:  // none: Enter presses only the focused button, never OK by itself
        return 0;
    case WM_COMMAND:
        if (wParam == IDCANCEL) wParam = kWarningCancelId;  // Esc
        // wParam as a whole: a control's notification is not its command
        if (wParam != kWarningOkId && wParam != kWarningCancelId && wParam != kWarningLaterId)
            break;
        closeWarningWindow();  // after OK the countdown goes on without the window
        if (answer) answer(static_cast<int>(wParam));
        return 0;
    case WM_CLOSE:  // Alt+F4: as OK, the countdown goes on
        closeWarningWindow();
        if (answer) answer(kWarningOkId);
        return 0;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

HWND createWarningWindow(const std::string& reason) {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = warningProcedure;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWarningClass;
    registerFeatureClass(wc);

    auto state = std::make_unique<WarningState>();
    const HWND window = CreateWindowExA(0, kWarningClass, titleText(), WS_CAPTION | WS_THICKFRAME,
                                        0, 0, 0, 0, mainWindow(), nullptr,
                                        GetModuleHandleA(nullptr), &state);
    WarningState* s = stateOf<WarningState>(window);
    if (!s) return nullptr;
    const bool german = programFacts().german;
    s->smallFont.reset(createSmallFont());
    s->titleFont.reset(createTitleFont());
    std::vector<TableControl> table =
        plainTable(kControls, german, static_cast<HFONT>(s->smallFont.get()));
    table[3].font = static_cast<HFONT>(s->titleFont.get());
    // the countdown starts with its question and counts the longest action down
    table[4].texts = {initialCountdownText(german),
                      *countdownText(Action::Hibernate, 99999, german)};
    table[5].font = table[4].font;
    table[5].texts = {reason, reason};
    const Layout layout = layOutTable(table, {292, 123});
    placeFeatureWindow(window, layout, {300, 150});
    const std::vector<HWND> controls = createTable(window, table, layout);
    s->countdown = controls[4];
    arrangeForKeyboard(window, controls, table);
    makeTopmost(window);
    return window;
}

HWND warningWindow() { return openWindowOfClass(kWarningClass); }

void openWarningWindow(const std::string& reason) {
    if (const HWND window = createWarningWindow(reason)) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
}

void setWarningAnswerHandler(void (*handler)(int id)) { answer = handler; }

void updateWarningCountdown(std::uint32_t remaining, Action action) {
    const HWND window = warningWindow();
    const WarningState* s = stateOf<WarningState>(window);
    if (!s) return;
    if (const auto text = countdownText(action, remaining, programFacts().german))
        SetWindowTextA(s->countdown, text->c_str());
    makeTopmost(window);
}

void closeWarningWindow() {
    if (const HWND window = warningWindow()) DestroyWindow(window);
}
