/* The smallest tray-less Win32 program with one hidden window: the yardstick
   that Dormival's start-up time and memory are compared with. */
#include <windows.h>

static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) {
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
