#include "power/warning_window.h"

#include "common/feature_window.h"
#include "common/program_facts.h"
#include "common/small_font.h"
#include "common/text.h"
#include "common/window_set.h"
#include "power/scheduler.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 150;
constexpr int kStaticId = 1;

// Created with the window and deleted when it is destroyed; one small font
// serves all three controls that use it.
HFONT smallFont = nullptr;
HFONT titleFont = nullptr;

HFONT createTitleFont() {
    return CreateFontA(-20, 0, 0, 0, 600, FALSE, TRUE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

HWND createControl(DWORD exStyle, const char* cls, const std::string& text, DWORD style, int x,
                   int y, int width, int height, HWND parent, int id) {
    return CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void setFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void makeTopmost(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

const char* titleText() { return bilingual(programFacts().german, "Warnhinweis", "Warning"); }

}  // namespace

HWND createWarningWindow() {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWarningClass;
    registerFeatureClass(wc);

    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    WindowSet& w = windows();
    w.warning = CreateWindowExA(0, kWarningClass, titleText(), WS_CAPTION | WS_THICKFRAME,
                                (desktop.right - kWidth) / 2, (desktop.bottom - kHeight) / 2,
                                kWidth, kHeight, w.main, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    if (!w.warning) return nullptr;
    const bool german = programFacts().german;
    w.warningOk = createControl(WS_EX_CLIENTEDGE, "BUTTON", "&OK", 0, 190, 90, 100, 25, w.warning,
                                kWarningOkId);
    w.warningCancel = createControl(WS_EX_CLIENTEDGE, "BUTTON",
                                    bilingual(german, "&Abbrechen", "&Cancel"), 0, 80, 90, 100, 25,
                                    w.warning, kWarningCancelId);
    const DWORD label = WS_CLIPCHILDREN | SS_CENTERIMAGE;
    w.warningTitle = createControl(0, "STATIC", titleText(), label, 10, 10, 300, 30, w.warning,
                                   kStaticId);
    w.warningCountdown = createControl(0, "STATIC", initialCountdownText(german), label, 10, 60,
                                       300, 13, w.warning, kStaticId);

    releaseWarningFonts();  // left from a window that was never destroyed
    smallFont = createSmallFont();
    titleFont = createTitleFont();
    setFont(w.warningCountdown, smallFont);
    setFont(w.warningTitle, titleFont);
    setFont(w.warningCancel, smallFont);
    setFont(w.warningOk, smallFont);

    makeTopmost(w.warning);
    return w.warning;
}

void openWarningWindow() {
    if (const HWND window = createWarningWindow()) runFeatureWindow(window);
}

void updateWarningCountdown(std::uint32_t remaining, const std::string& actionCode) {
    const WindowSet& w = windows();
    if (!IsWindow(w.warning)) return;  // closed with OK: the countdown goes on unseen
    if (const auto text = countdownText(actionCode, remaining, programFacts().german))
        SetWindowTextA(w.warningCountdown, text->c_str());
    makeTopmost(w.warning);
}

void closeWarningWindow() {
    if (IsWindow(windows().warning)) DestroyWindow(windows().warning);
}

void destroyWarningWindowAndControls() {
    const WindowSet& w = windows();
    for (HWND control : {w.warningOk, w.warningCancel, w.warningTitle, w.warningCountdown})
        if (IsWindow(control)) DestroyWindow(control);
    closeWarningWindow();
}

void releaseWarningFonts() {
    for (HFONT* font : {&smallFont, &titleFont}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}
