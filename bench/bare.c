/* The smallest Win32 tray program: one hidden window and one icon in the
   notification area, added as the window is created, as Dormival's is.
   The yardstick that Dormival's start-up time and memory are compared
   with: it loads what any tray program loads. */
#include <windows.h>
#include <shellapi.h>

static NOTIFYICONDATAA icon;

static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CREATE) {
        icon.cbSize = sizeof icon;
        icon.hWnd = w;
        icon.uID = 1;
        icon.uFlags = NIF_ICON | NIF_TIP;
        icon.hIcon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
        lstrcpyA(icon.szTip, "Bare");
        Shell_NotifyIconA(NIM_ADD, &icon);
        return 0;
    }
    if (m == WM_DESTROY) {
        Shell_NotifyIconA(NIM_DELETE, &icon);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR cmd, int show) {
    WNDCLASSA wc = {0};
    MSG msg;
    (void)prev; (void)cmd; (void)show;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = "BareWindow";
    RegisterClassA(&wc);
    CreateWindowA("BareWindow", "Bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL, instance,
                  NULL);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return (int)msg.wParam;
}
