#include "power/warning_window_win.h"

#include "common/command_ids.h"
#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_state_win.h"
#include "power/scheduler_win.h"
#include "win32/owned_handles_win.h"
#include "win32/small_font_win.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 150;
constexpr int kStaticId = 1;
static_assert(noneShared({kWarningOkId, kWarningCancelId, kStaticId}));

struct WarningState {
    HWND countdown = nullptr;
    OwnedGdiObject smallFont;  // one for the countdown and both buttons
    OwnedGdiObject titleFont;
};

HWND open = nullptr;

HFONT createTitleFont() {
    return CreateFontA(-20, 0, 0, 0, 600, FALSE, TRUE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

HWND createControl(DWORD exStyle, const char* cls, const std::string& text, DWORD style, int x,
                   int y, int width, int height, HWND parent, int id, HGDIOBJ font) {
    const HWND control = CreateWindowExA(
        exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void makeTopmost(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

const char* titleText() { return bilingual(programFacts().german, "Warnhinweis", "Warning"); }

LRESULT CALLBACK warningProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowState<WarningState>(window, message, open);
    switch (message) {
    case WM_COMMAND:
        // wParam as a whole: a control's notification is not its command
        if (wParam == kWarningCancelId) scheduler().cancel();
        if (wParam != kWarningOkId && wParam != kWarningCancelId) break;
        DestroyWindow(window);  // after OK the countdown goes on without the window
        return 0;
    case WM_CLOSE:  // Alt+F4: the schedule stays as it is
        DestroyWindow(window);
        return 0;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

HWND createWarningWindow() {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = warningProcedure;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWarningClass;
    registerFeatureClass(wc);

    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const HWND window =
        CreateWindowExA(0, kWarningClass, titleText(), WS_CAPTION | WS_THICKFRAME,
                        (desktop.right - kWidth) / 2, (desktop.bottom - kHeight) / 2, kWidth,
                        kHeight, mainWindow(), nullptr, GetModuleHandleA(nullptr), nullptr);
    WarningState* s = stateOf<WarningState>(window);
    if (!s) return nullptr;
    const bool german = programFacts().german;
    s->smallFont.reset(createSmallFont());
    s->titleFont.reset(createTitleFont());
    const HGDIOBJ small = s->smallFont.get();
    createControl(WS_EX_CLIENTEDGE, "BUTTON", "&OK", 0, 190, 90, 100, 25, window, kWarningOkId, small);
    createControl(WS_EX_CLIENTEDGE, "BUTTON", bilingual(german, "&Abbrechen", "&Cancel"), 0, 80,
                  90, 100, 25, window, kWarningCancelId, small);
    const DWORD label = WS_CLIPCHILDREN | SS_CENTERIMAGE;
    createControl(0, "STATIC", titleText(), label, 10, 10, 300, 30, window, kStaticId,
                  s->titleFont.get());
    s->countdown = createControl(0, "STATIC", initialCountdownText(german), label, 10, 60, 300,
                                 13, window, kStaticId, small);
    makeTopmost(window);
    return window;
}

HWND warningWindow() { return open; }

void openWarningWindow() {
    if (const HWND window = createWarningWindow()) runFeatureWindow(window);
}

void updateWarningCountdown(std::uint32_t remaining, const std::string& actionCode) {
    const WarningState* s = stateOf<WarningState>(open);
    if (!s) return;  // closed with OK: the countdown goes on unseen
    if (const auto text = countdownText(parseAction(actionCode), remaining, programFacts().german))
        SetWindowTextA(s->countdown, text->c_str());
    makeTopmost(open);
}

void closeWarningWindow() {
    if (open) DestroyWindow(open);
}
