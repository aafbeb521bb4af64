#include "common/dialog_keys_win.h"

#include <string>
#include <vector>

#include "common/keyboard_order.h"
#include "common/open_windows_win.h"

namespace {

UINT dialogCode(HWND control) {
    return static_cast<UINT>(SendMessageA(control, WM_GETDLGCODE, 0, 0));
}

bool isPushButton(UINT code) { return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

// The default frame goes to the focused push button, and where the focus
// is elsewhere, to the window's default button: the one Enter presses.
void markDefaultButton(HWND window, HWND focus) {
    HWND marked = nullptr;
    if (focus && isPushButton(dialogCode(focus))) {
        marked = focus;
    } else {
        const LRESULT id = SendMessageA(window, DM_GETDEFID, 0, 0);
        if (HIWORD(id) == DC_HASDEFID) marked = GetDlgItem(window, LOWORD(id));
    }
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const UINT code = dialogCode(c);
        if ((code & DLGC_DEFPUSHBUTTON) && c != marked)
            SendMessageA(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        else if ((code & DLGC_UNDEFPUSHBUTTON) && c == marked)
            SendMessageA(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

// After every message: where the focus has moved, the default frame follows.
void followFocus(HWND window) {
    static HWND last = nullptr;
    const HWND focus = GetFocus();
    if (focus == last || !IsWindow(window)) return;
    last = focus;
    if (!IsChild(window, focus)) return;
    rememberFocus(window, focus);
    markDefaultButton(window, focus);
}

std::string textOf(HWND control) {
    char text[256] = "";
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

// Alt with a letter, or the letter alone where the focus takes no
// characters. One control with the letter is acted on: a button pressed, a
// label or group box passes the focus to the control after it. Where
// several share it, the focus goes round them and nothing is pressed.
bool runMnemonic(HWND window, WPARAM typed) {
    const auto letter = mnemonicOf(std::string("&") + static_cast<char>(typed));
    if (!letter) return false;
    std::vector<HWND> controls;
    std::vector<bool> carries;
    int focus = -1;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
        if (c == GetFocus()) focus = static_cast<int>(controls.size());
        controls.push_back(c);
        carries.push_back((dialogCode(c) & (DLGC_BUTTON | DLGC_STATIC)) &&
                          mnemonicOf(textOf(c)) == letter);
    }
    const MnemonicChoice choice = chooseMnemonic(carries, focus);
    if (choice.control < 0) return false;
    const HWND control = controls[static_cast<std::size_t>(choice.control)];
    const UINT code = dialogCode(control);
    const bool label = (code & DLGC_STATIC) ||
                       (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    if (label) {
        if (const HWND next = GetNextDlgTabItem(window, control, FALSE)) focusControl(window, next);
    } else if (choice.press) {
        SendMessageA(control, BM_CLICK, 0, 0);
    } else {
        focusControl(window, control);
    }
    return true;
}

bool isCharacter(const MSG& message) {
    if (message.message == WM_SYSCHAR) return true;
    return message.message == WM_CHAR && message.wParam > ' ' &&
           !(dialogCode(message.hwnd) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS));
}

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

void focusControl(HWND window, HWND control) {
    if (!control) return;
    SetFocus(control);
    if (dialogCode(control) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
    markDefaultButton(window, control);
}

bool routeDialogKeys(MSG& message, HWND mainWindow) {
    const HWND window = GetActiveWindow();
    if (!window || window == mainWindow || !isProgramWindow(window)) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    bool handled = false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && keyDown(VK_CONTROL))
        handled = SendMessageA(window, kNextPageMessage, keyDown(VK_SHIFT) ? 1 : 0, 0) != 0;
    if (!handled && isCharacter(message)) handled = runMnemonic(window, message.wParam);
    if (!handled) handled = IsDialogMessageA(window, &message) != FALSE;
    followFocus(window);
    return handled;
}

bool handleDialogFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE: {
        const HWND focus = GetFocus();
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (IsChild(window, focus)) rememberFocus(window, focus);
            return true;
        }
        const HWND remembered = rememberedFocus(window);
        if (!remembered || !IsWindowVisible(remembered)) return false;  // the window itself
        focusControl(window, remembered);
        return true;
    }
    case WM_NEXTDLGCTL: {
        const HWND focus = IsChild(window, GetFocus()) ? GetFocus() : nullptr;
        focusControl(window, lParam ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(window, focus, wParam != 0));
        return true;
    }
    default:
        return false;
    }
}

HWND firstTabStop(HWND window) {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if ((GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(c) && IsWindowEnabled(c))
            return c;
    return nullptr;
}
