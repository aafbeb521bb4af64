/* Test helper that runs inside the Wine session: looks for windows, closes
   them, keeps the session's desktop alive and measures a program's start.

   wintool find CLASS              exit 0 when a window of CLASS exists;
                                   prints "visible" or "hidden"
   wintool wait CLASS SECONDS      waits until a window of CLASS exists
   wintool close CLASS SECONDS     asks every window of CLASS to close and
                                   waits until none is left
   wintool hold                    keeps a hidden window until closed, so the
                                   desktop and its tray stay up between runs
   wintool measure CLASS EXE [ARG] starts EXE, prints the milliseconds until
                                   its window of CLASS exists and its private
                                   memory, then closes it */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char kHoldClass[] = "DormivalTestHold";

static int find(const char *cls) {
    HWND w = FindWindowA(cls, NULL);
    if (!w) return 1;
    printf("%s\n", IsWindowVisible(w) ? "visible" : "hidden");
    return 0;
}

static int wait_for(const char *cls, int seconds) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    while (!FindWindowA(cls, NULL)) {
        if ((int)(GetTickCount() - end) > 0) return 1;
        Sleep(50);
    }
    return 0;
}

static int close_all(const char *cls, int seconds) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    HWND w;
    while ((w = FindWindowA(cls, NULL)) != NULL) {
        PostMessageA(w, WM_CLOSE, 0, 0);
        if ((int)(GetTickCount() - end) > 0) return 1;
        Sleep(50);
    }
    return 0;
}

static int hold(void) {
    WNDCLASSA wc;
    MSG msg;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = kHoldClass;
    RegisterClassA(&wc);
    CreateWindowA(kHoldClass, kHoldClass, WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance,
                  NULL);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

static HWND window_of_process(const char *cls, DWORD pid) {
    HWND w = NULL;
    while ((w = FindWindowExA(NULL, w, cls, NULL)) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) return w;
    }
    return NULL;
}

static int measure(const char *cls, const char *exe, const char *arg) {
    char cmd[1024];
    STARTUPINFOA si;
    PROCESS_INFORMATION pi;
    LARGE_INTEGER freq, start, now;
    HWND w;
    snprintf(cmd, sizeof cmd, "\"%s\"%s%s", exe, arg ? " " : "", arg ? arg : "");
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        fprintf(stderr, "cannot start %s\n", exe);
        return 2;
    }
    while ((w = window_of_process(cls, pi.dwProcessId)) == NULL) {
        QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart > freq.QuadPart * 30) {
            TerminateProcess(pi.hProcess, 1);
            return 1;
        }
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    printf("startup_ms=%.1f\n", (double)(now.QuadPart - start.QuadPart) * 1000.0 / freq.QuadPart);
    fflush(stdout);
    /* Wine does not report another process's memory; the caller reads it
       from the host while the program sits idle here. */
    Sleep(2000);
    PostMessageA(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}

int main(int argc, char **argv) {
    if (argc >= 3 && !strcmp(argv[1], "find")) return find(argv[2]);
    if (argc >= 4 && !strcmp(argv[1], "wait")) return wait_for(argv[2], atoi(argv[3]));
    if (argc >= 4 && !strcmp(argv[1], "close")) return close_all(argv[2], atoi(argv[3]));
    if (argc >= 2 && !strcmp(argv[1], "hold")) return hold();
    if (argc >= 4 && !strcmp(argv[1], "measure"))
        return measure(argv[2], argv[3], argc >= 5 ? argv[4] : NULL);
    fprintf(stderr, "usage: wintool find|wait|close|hold|measure ...\n");
    return 2;
}
