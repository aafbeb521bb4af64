/* Test helper that runs inside the Wine session: looks for windows, closes
   them, keeps the session's desktop alive and measures a program's start.

   wintool find CLASS              exit 0 when a window of CLASS exists;
                                   prints "visible", "minimised" or "hidden"
   wintool load DLL                loads DLL by the name given, as a bare
                                   name is searched; prints "loaded" or
                                   "refused"
   wintool count CLASS             prints the number of top-level windows
                                   of CLASS
   wintool owner CLASS             prints the class of the visible window's
                                   owner, "none" without one
   wintool rect CLASS              prints the visible window's place on the
                                   screen: "X Y WIDTH HEIGHT"
   wintool wait CLASS SECONDS      waits until a window of CLASS exists
   wintool gone CLASS SECONDS      waits until no window of CLASS is left
   wintool close CLASS SECONDS     asks every window of CLASS to close and
                                   waits until none is left
   wintool hold                    keeps a hidden window until closed, so the
                                   desktop and its tray stay up between runs
   wintool show [hung]             keeps a visible window with a system menu
                                   (class and title DormivalTestShown), a
                                   hidden one it owns and a hidden untitled
                                   one, until the first is closed; hung: of
                                   class and title DormivalTestHung, and
                                   never answering a message
   wintool windows N               keeps N titled hidden windows (benchmark)
   wintool measure CLASS EXE [ARG] starts EXE, prints the milliseconds until
                                   its window of CLASS exists and its private
                                   memory, then closes it
   wintool post CLASS MSG WP LP    posts a message to the window of CLASS
   wintool opens CLASS ID WINDOW   posts command ID to the window of CLASS,
                                   prints the milliseconds until a visible
                                   window of class WINDOW exists
   wintool texts CLASS             prints the window's title, then "id: text"
                                   of each child window
   wintool click CLASS ID          clicks the window's child button ID
   wintool at CLASS X Y ACTION...  acts on the control at X,Y (client
                                   coordinates of the window of CLASS; the
                                   smallest visible one there): click (a
                                   button), check (prints 1 or 0), text STR,
                                   rows (prints a list view's row count),
                                   get (prints its text), select N (a combo
                                   box's item), pick TEXT [COLUMN] (selects
                                   the list view's row whose first column is
                                   TEXT, or whose cell in COLUMN ends in
                                   TEXT; prints its index or -1), press or dblclick (a left
                                   click or double click at the point),
                                   keys KEY... (digits typed; left,
                                   right, up, down pressed), context (the
                                   WM_CONTEXTMENU of a right click there)
   wintool mode                    prints the screen's mode: "WxH"
   wintool modeindex W H           prints the number of the first listed
                                   display mode of W x H at the screen's
                                   colour depth
   wintool modetext W H            prints that mode as the display window
                                   lists it: "800 x 600 x 60 Hz 32 -Bit "
   wintool setmode W H             sets the first such mode (test clean-up)
   wintool run COMMAND             starts the command line as given, its
                                   program searched as a bare name is;
                                   prints "started" or "failed"
   wintool trayicon EXE SECONDS    waits until a tray icon shows the small
                                   icon of EXE; prints "shown" or "missing"
   wintool trayplace EXE SECONDS   the same, printing where the icon's top
                                   left is on the screen: "X Y"
   wintool objects CLASS           prints the GDI and USER objects of the
                                   program of the window: "gdi=N windows=N
                                   menus=N icons=N" (menudump.dll counts them
                                   inside it)
   wintool cycle N STEP...         runs the steps N times, each one waiting
                                   for its window (see cycle() below)
   wintool type KEY...             presses the keys as the user does
                                   (SendInput: to whichever window of this
                                   session has the keyboard): tab, up,
                                   down, left, right, enter, esc, a digit
   wintool move X Y                moves the mouse to X,Y on the screen as
                                   the user does (SendInput)
   wintool menu SECONDS [KEY...]   waits for a popup menu, prints it and
                                   everything below it (menudump.dll, beside
                                   wintool.exe, reads it inside its program),
                                   then presses the keys (up, down, enter,
                                   esc) in it */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char kHoldClass[] = "DormivalTestHold";
static const char kShownClass[] = "DormivalTestShown";

static int find(const char *cls) {
    HWND w = FindWindowA(cls, NULL);
    if (!w) return 1;
    printf("%s\n", !IsWindowVisible(w) ? "hidden" : IsIconic(w) ? "minimised" : "visible");
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

/* Waits until no window of class CLS is left, at most SECONDS. */
static int wait_gone(const char *cls, int seconds) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    while (FindWindowA(cls, NULL)) {
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

static LRESULT CALLBACK shown_procedure(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, message, wp, lp);
}

/* A visible window with a system menu, as any program has, until closed;
   or one of a program that has stopped answering. */
static int show(int hung) {
    WNDCLASSA wc;
    MSG msg;
    const char *name = hung ? "DormivalTestHung" : kShownClass;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = shown_procedure;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    HWND shown = CreateWindowA(name, name, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100,
                               NULL, NULL, wc.hInstance, NULL);
    /* an owned window and an untitled one beside it, of a class of their own */
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "DormivalTestExtra";
    RegisterClassA(&wc);
    CreateWindowA(wc.lpszClassName, "DormivalTestOwned", WS_POPUP | WS_CAPTION, 30, 30, 100, 50,
                  shown, NULL, wc.hInstance, NULL);
    CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 40, 40, 100, 50, NULL, NULL, wc.hInstance,
                  NULL);
    if (hung) Sleep(INFINITE);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

/* COUNT titled, hidden top-level windows, for the process viewer's
   benchmark; ends when the first one is destroyed. */
static int bench_windows(int count) {
    WNDCLASSA first, more;
    MSG msg;
    char title[64];
    int i;
    memset(&first, 0, sizeof first);
    first.lpfnWndProc = shown_procedure;
    first.hInstance = GetModuleHandleA(NULL);
    first.lpszClassName = "DormivalBenchWindow";
    RegisterClassA(&first);
    more = first;
    more.lpfnWndProc = DefWindowProcA;
    more.lpszClassName = "DormivalBenchMore";
    RegisterClassA(&more);
    for (i = 0; i < count; ++i) {
        sprintf(title, "Bench window %d", i);
        CreateWindowA(i == 0 ? first.lpszClassName : more.lpszClassName, title, WS_OVERLAPPED, 0, 0,
                      100, 50, NULL, NULL, first.hInstance, NULL);
    }
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

static int opens(const char *cls, const char *id, const char *window) {
    HWND w = FindWindowA(cls, NULL), opened;
    LARGE_INTEGER freq, start, now;
    if (!w) return 1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    PostMessageA(w, WM_COMMAND, (WPARAM)strtoul(id, NULL, 0), 0);
    while (!(opened = FindWindowA(window, NULL)) || !IsWindowVisible(opened)) {
        QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart > freq.QuadPart * 10) return 1;
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    printf("%.1f\n", (double)(now.QuadPart - start.QuadPart) * 1000.0 / freq.QuadPart);
    return 0;
}

static int post(const char *cls, const char *msg, const char *wp, const char *lp) {
    HWND w = FindWindowA(cls, NULL);
    if (!w) return 1;
    return PostMessageA(w, (UINT)strtoul(msg, NULL, 0), (WPARAM)strtoul(wp, NULL, 0),
                        (LPARAM)strtol(lp, NULL, 0)) ? 0 : 1;
}

static BOOL CALLBACK print_child(HWND child, LPARAM unused) {
    char text[256] = "";
    (void)unused;
    GetWindowTextA(child, text, sizeof text);
    printf("%d: %s\n", GetDlgCtrlID(child), text);
    return TRUE;
}

static int texts(const char *cls) {
    char title[256] = "";
    HWND w = FindWindowA(cls, NULL);
    if (!w) return 1;
    GetWindowTextA(w, title, sizeof title);
    printf("%s\n", title);
    EnumChildWindows(w, print_child, 0);
    return 0;
}

static int click(const char *cls, int id) {
    HWND w = FindWindowA(cls, NULL), button;
    if (!w || !(button = GetDlgItem(w, id))) return 1;
    return PostMessageA(button, BM_CLICK, 0, 0) ? 0 : 1;
}

static HWND visible_popup(void) {
    HWND w = NULL;
    while ((w = FindWindowExA(NULL, w, "#32768", NULL)) != NULL)
        if (IsWindowVisible(w)) return w;
    return NULL;
}

static int screen_bits(void) {
    HDC screen = GetDC(NULL);
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(NULL, screen);
    return bits;
}

static int mode(void) {
    printf("%dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
}

/* The first listed mode of that size at the screen's depth; -1 if none. */
static int mode_index(int width, int height, DEVMODEA *found) {
    DEVMODEA m;
    DWORD i;
    memset(&m, 0, sizeof m);
    m.dmSize = sizeof m;
    for (i = 0; EnumDisplaySettingsA(NULL, i, &m); ++i)
        if ((int)m.dmPelsWidth == width && (int)m.dmPelsHeight == height &&
            (int)m.dmBitsPerPel == screen_bits()) {
            if (found) *found = m;
            return (int)i;
        }
    return -1;
}

static int set_mode(int width, int height) {
    DEVMODEA m;
    if (mode_index(width, height, &m) < 0) return 1;
    return ChangeDisplaySettingsA(&m, 0) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

struct point_search { POINT screen; HWND found; long area; };

static BOOL CALLBACK smallest_at(HWND w, LPARAM data) {
    struct point_search *search = (struct point_search *)data;
    RECT r;
    long area;
    if (!IsWindowVisible(w) || !GetWindowRect(w, &r) || !PtInRect(&r, search->screen)) return TRUE;
    area = (long)(r.right - r.left) * (r.bottom - r.top);
    if (!search->found || area < search->area) {
        search->found = w;
        search->area = area;
    }
    return TRUE;
}

static int key_code(const char *name);

/* The first row whose cell of the column ends in TEXT (any letter case);
   -1 if none. remote is 4096 bytes in the list's process. */
static int row_ending_in(HANDLE process, HWND list, char *remote, int column, const char *text) {
    int rows = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), row;
    for (row = 0; row < rows; ++row) {
        LVITEMA item;
        char cell[1024] = "";
        size_t length, wanted = strlen(text);
        memset(&item, 0, sizeof item);
        item.iSubItem = column;
        item.pszText = remote + 1024;
        item.cchTextMax = sizeof cell - 1;
        WriteProcessMemory(process, remote, &item, sizeof item, NULL);
        SendMessageA(list, LVM_GETITEMTEXTA, (WPARAM)row, (LPARAM)remote);
        ReadProcessMemory(process, remote + 1024, cell, sizeof cell - 1, NULL);
        length = strlen(cell);
        if (length >= wanted && !lstrcmpiA(cell + length - wanted, text)) return row;
    }
    return -1;
}

/* Selects the only row of a list view in another process whose first
   column reads TEXT (or, with a column given, the first whose cell there
   ends in TEXT); the messages' records live in that process. */
static int pick_row(HWND list, const char *text, int column) {
    DWORD pid = 0;
    HANDLE process;
    char *remote;
    LVFINDINFOA find;
    LVITEMA item;
    int row;
    GetWindowThreadProcessId(list, &pid);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 1;
    remote = VirtualAllocEx(process, NULL, 4096, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return 1;
    memset(&find, 0, sizeof find);
    find.flags = LVFI_STRING;
    find.psz = remote + 1024;
    WriteProcessMemory(process, remote + 1024, text, strlen(text) + 1, NULL);
    WriteProcessMemory(process, remote, &find, sizeof find, NULL);
    row = column < 0 ? (int)SendMessageA(list, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)remote)
                     : row_ending_in(process, list, remote, column, text);
    if (row >= 0) {
        memset(&item, 0, sizeof item);
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process, remote, &item, sizeof item, NULL);
        SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)remote);
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process, remote, &item, sizeof item, NULL);
        SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)remote);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    printf("%d\n", row);
    return 0;
}

static int at(const char *cls, int x, int y, int count, char **action) {
    HWND top = FindWindowA(cls, NULL);
    struct point_search search;
    POINT local;
    int i;
    if (!top || count < 1) return 1;
    search.screen.x = x;
    search.screen.y = y;
    search.found = NULL;
    search.area = 0;
    ClientToScreen(top, &search.screen);
    EnumChildWindows(top, smallest_at, (LPARAM)&search);
    if (!search.found) return 1;
    local = search.screen;
    ScreenToClient(search.found, &local);
    if (!strcmp(action[0], "click")) return PostMessageA(search.found, BM_CLICK, 0, 0) ? 0 : 1;
    if (!strcmp(action[0], "check")) {
        printf("%d\n", SendMessageA(search.found, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return 0;
    }
    if (!strcmp(action[0], "text") && count >= 2)
        return SendMessageA(search.found, WM_SETTEXT, 0, (LPARAM)action[1]) ? 0 : 1;
    if (!strcmp(action[0], "get")) {
        char text[512] = "";
        SendMessageA(search.found, WM_GETTEXT, sizeof text, (LPARAM)text);
        printf("%s\n", text);
        return 0;
    }
    if (!strcmp(action[0], "rows")) {
        printf("%d\n", (int)SendMessageA(search.found, LVM_GETITEMCOUNT, 0, 0));
        return 0;
    }
    if (!strcmp(action[0], "select") && count >= 2)
        return SendMessageA(search.found, CB_SETCURSEL, atoi(action[1]), 0) == CB_ERR;
    if (!strcmp(action[0], "pick") && count >= 2)
        return pick_row(search.found, action[1], count >= 3 ? atoi(action[2]) : -1);
    if (!strcmp(action[0], "press")) {
        PostMessageA(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
        PostMessageA(search.found, WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
        return 0;
    }
    if (!strcmp(action[0], "context"))
        return PostMessageA(GetParent(search.found), WM_CONTEXTMENU, (WPARAM)search.found,
                            MAKELPARAM(search.screen.x, search.screen.y)) ? 0 : 1;
    if (!strcmp(action[0], "dblclick")) {
        const LPARAM at = MAKELPARAM(local.x, local.y);
        PostMessageA(search.found, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(search.found, WM_LBUTTONUP, 0, at);
        PostMessageA(search.found, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(search.found, WM_LBUTTONUP, 0, at);
        return 0;
    }
    if (!strcmp(action[0], "keys")) {
        for (i = 1; i < count; ++i) {
            if (action[i][0] >= '0' && action[i][0] <= '9') {
                const char *c;
                for (c = action[i]; *c; ++c) PostMessageA(search.found, WM_CHAR, (WPARAM)*c, 0);
            } else {
                PostMessageA(search.found, WM_KEYDOWN, key_code(action[i]), 0);
                PostMessageA(search.found, WM_KEYUP, key_code(action[i]), 0xC0000000);
            }
            Sleep(50);
        }
        return 0;
    }
    return 2;
}

static int key_code(const char *name) {
    if (!strcmp(name, "up")) return VK_UP;
    if (!strcmp(name, "left")) return VK_LEFT;
    if (!strcmp(name, "right")) return VK_RIGHT;
    if (!strcmp(name, "down")) return VK_DOWN;
    if (!strcmp(name, "enter")) return VK_RETURN;
    if (!strcmp(name, "esc")) return VK_ESCAPE;
    if (!strcmp(name, "tab")) return VK_TAB;
    if (name[0] >= '0' && name[0] <= '9' && !name[1]) return name[0];
    return 0;
}

/* Runs the hook EXPORT of menudump.dll (beside wintool.exe) on the thread of
   window W until the hook has written FILE, or until END; the file opened
   for reading, or NULL. */
static FILE *hooked_report(HWND w, const char *export, const char *file, DWORD end) {
    char path[MAX_PATH], *slash;
    HMODULE dll;
    HOOKPROC proc;
    HHOOK hook;
    FILE *in;
    GetModuleFileNameA(NULL, path, sizeof path);
    slash = strrchr(path, '\\');
    strcpy(slash ? slash + 1 : path, "menudump.dll");
    DeleteFileA(file);
    if (!(dll = LoadLibraryA(path)) ||
        !(proc = (HOOKPROC)(void (*)(void))GetProcAddress(dll, export)) ||
        !(hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, dll, GetWindowThreadProcessId(w, NULL)))) {
        fprintf(stderr, "cannot hook the window's thread\n");
        return NULL;
    }
    while (!(in = fopen(file, "r"))) {
        SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, NULL);
        if ((int)(GetTickCount() - end) > 0) break;
        Sleep(50);
    }
    UnhookWindowsHookEx(hook);
    return in;
}

static int menu(int seconds, int keys, char **key) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    HWND popup;
    FILE *in;
    int c, i;
    while ((popup = visible_popup()) == NULL) {
        if ((int)(GetTickCount() - end) > 0) return 1;
        Sleep(50);
    }
    if (!(in = hooked_report(popup, "DumpMenuHook", "C:\\menudump.txt", end))) return 1;
    while ((c = fgetc(in)) != EOF) putchar(c);
    fclose(in);
    fflush(stdout);
    for (i = 0; i < keys; ++i) {
        PostMessageA(popup, WM_KEYDOWN, key_code(key[i]), 0);
        PostMessageA(popup, WM_KEYUP, key_code(key[i]), 0xC0000000);
        Sleep(100);
    }
    return 0;
}

/* Presses each key, down and up, through the session's input. */
static int type_keys(int keys, char **key) {
    int i;
    for (i = 0; i < keys; ++i) {
        INPUT input[2];
        memset(input, 0, sizeof input);
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = (WORD)key_code(key[i]);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        if (!input[0].ki.wVk || SendInput(2, input, sizeof(INPUT)) != 2) return 1;
    }
    return 0;
}

/* The mouse moved to X,Y of the screen, as a hand moves it. */
static int move_mouse(int x, int y) {
    INPUT input;
    memset(&input, 0, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &input, sizeof(INPUT)) == 1 ? 0 : 1;
}

/* The GDI and USER objects of the program that owns window CLS, as its
   hook counts them: "gdi=N windows=N menus=N icons=N". */
static int objects(const char *cls) {
    HWND w = FindWindowA(cls, NULL);
    FILE *in;
    int c;
    if (!w || !(in = hooked_report(w, "CountObjectsHook", "C:\\objcount.txt", GetTickCount() + 60000)))
        return 1;
    while ((c = fgetc(in)) != EOF) putchar(c);
    fclose(in);
    return 0;
}

/* Waits up to 10 s until a visible window of CLS exists (SHOWN) or no window
   of CLS is left (!SHOWN). */
static int settles(const char *cls, int shown) {
    DWORD end = GetTickCount() + 10000;
    for (;;) {
        HWND w = FindWindowA(cls, NULL);
        if (shown ? w && IsWindowVisible(w) : !w) return 1;
        if ((int)(GetTickCount() - end) > 0) return 0;
        Sleep(10);
    }
}

/* Runs the steps N times, each step once its window is there:
     menu                 the tray icon's right click, then Esc in its menu
     open SENDER ID CLS   command ID to the window of SENDER; CLS shows
     press CLS ID         command ID to the window of CLS, which goes
     close CLS            WM_CLOSE to the window of CLS, which goes
     wait CLS             a window of CLS shows
   Stops at the first step that does not come about. */
static int cycle(int times, int count, char **step) {
    int n, i;
    for (n = 1; n <= times; ++n) {
        for (i = 0; i < count;) {
            const char *what = step[i];
            int ok = 0, used = 1;
            HWND popup;
            if (!strcmp(what, "menu")) {
                PostMessageA(FindWindowA("Dormival", NULL), WM_USER + 10, 1, WM_RBUTTONDOWN);
                ok = settles("#32768", 1) && (popup = visible_popup()) != NULL &&
                     PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0) && settles("#32768", 0);
            } else if (!strcmp(what, "open") && i + 3 < count) {
                ok = PostMessageA(FindWindowA(step[i + 1], NULL), WM_COMMAND, atoi(step[i + 2]), 0) &&
                     settles(step[i + 3], 1);
                used = 4;
            } else if (!strcmp(what, "press") && i + 2 < count) {
                ok = PostMessageA(FindWindowA(step[i + 1], NULL), WM_COMMAND, atoi(step[i + 2]), 0) &&
                     settles(step[i + 1], 0);
                used = 3;
            } else if (!strcmp(what, "close") && i + 1 < count) {
                ok = PostMessageA(FindWindowA(step[i + 1], NULL), WM_CLOSE, 0, 0) && settles(step[i + 1], 0);
                used = 2;
            } else if (!strcmp(what, "wait") && i + 1 < count) {
                ok = settles(step[i + 1], 1);
                used = 2;
            }
            if (!ok) {
                printf("cycle %d: %s %s failed\n", n, what, used > 1 ? step[i + 1] : "");
                return 1;
            }
            i += used;
        }
    }
    printf("%d cycles\n", times);
    return 0;
}

/* Pixels of a rectangle drawn by DRAW into a 32-bit top-down bitmap; the
   caller frees them. */
static DWORD *pixels(int width, int height, void (*draw)(HDC, void *), void *data) {
    BITMAPINFO info;
    void *bits = NULL;
    DWORD *copy = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        draw(dc, data);
        GdiFlush();
        copy = malloc((size_t)width * height * sizeof *copy);
        if (copy) memcpy(copy, bits, (size_t)width * height * sizeof *copy);
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    return copy;
}

static void draw_screen(HDC dc, void *data) {
    const RECT *r = data;
    HDC screen = GetDC(NULL);
    BitBlt(dc, 0, 0, r->right - r->left, r->bottom - r->top, screen, r->left, r->top, SRCCOPY);
    ReleaseDC(NULL, screen);
}

static HICON drawn_icon;
/* the small icon drawn as the tray draws it, over a background of the colour given */
static void draw_icon_over(HDC dc, void *colour) {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    RECT all = {0, 0, cx, cy};
    HBRUSH brush = CreateSolidBrush(*(COLORREF *)colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(dc, 0, 0, drawn_icon, cx, cy, 0, NULL, DI_NORMAL);
}

/* Whether the screen shows the small icon anywhere inside the window (the
   tray draws its icons itself or in child windows, by Wine version): every
   pixel the icon covers fully (the same over black and over white; the
   soft edges of an icon with alpha are left out) has the icon's colour
   there. */
static int window_shows_icon(HWND window, HICON icon, POINT *place) {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    DWORD *shot, *over_black, *over_white;
    RECT r;
    int width, height, x0, y0, x, y, found = 0;
    GetWindowRect(window, &r);
    width = r.right - r.left;
    height = r.bottom - r.top;
    if (width < cx || height < cy) return 0;
    drawn_icon = icon;
    shot = pixels(width, height, draw_screen, &r);
    over_black = pixels(cx, cy, draw_icon_over, &black);
    over_white = pixels(cx, cy, draw_icon_over, &white);
    if (shot && over_black && over_white) {
        for (y0 = 0; y0 + cy <= height && !found; ++y0)
            for (x0 = 0; x0 + cx <= width && !found; ++x0) {
                int same = 1;
                for (y = 0; y < cy && same; ++y)
                    for (x = 0; x < cx && same; ++x)
                        if ((over_black[y * cx + x] & 0xffffff) == (over_white[y * cx + x] & 0xffffff))
                            same = (shot[(y0 + y) * width + x0 + x] & 0xffffff) ==
                                   (over_black[y * cx + x] & 0xffffff);
                found = same;
                if (found) {
                    place->x = r.left + x0;
                    place->y = r.top + y0;
                }
            }
    }
    free(shot);
    free(over_black);
    free(over_white);
    return found;
}

static int tray_icon(const char *exe, int seconds, int print_place) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    HICON icon = NULL;
    HWND tray;
    POINT place = {0, 0};
    int found = 0;
    if (ExtractIconExA(exe, 0, NULL, &icon, 1) < 1 || !icon) {
        fprintf(stderr, "%s has no icon\n", exe);
        return 2;
    }
    for (;;) {
        if ((tray = FindWindowA("Shell_TrayWnd", NULL)) != NULL) found = window_shows_icon(tray, icon, &place);
        if (found || (int)(GetTickCount() - end) > 0) break;
        Sleep(100);
    }
    DestroyIcon(icon);
    if (found && print_place)
        printf("%ld %ld\n", place.x, place.y);
    else
        printf("%s\n", found ? "shown" : "missing");
    return found ? 0 : 1;
}

int main(int argc, char **argv) {
    if (argc >= 6 && !strcmp(argv[1], "post")) return post(argv[2], argv[3], argv[4], argv[5]);
    if (argc >= 3 && !strcmp(argv[1], "texts")) return texts(argv[2]);
    if (argc >= 4 && !strcmp(argv[1], "click")) return click(argv[2], atoi(argv[3]));
    if (argc >= 6 && !strcmp(argv[1], "at"))
        return at(argv[2], atoi(argv[3]), atoi(argv[4]), argc - 5, argv + 5);
    if (argc >= 2 && !strcmp(argv[1], "mode")) return mode();
    if (argc >= 4 && !strcmp(argv[1], "modeindex")) {
        int index = mode_index(atoi(argv[2]), atoi(argv[3]), NULL);
        printf("%d\n", index);
        return index < 0;
    }
    if (argc >= 4 && !strcmp(argv[1], "modetext")) {
        DEVMODEA m;
        if (mode_index(atoi(argv[2]), atoi(argv[3]), &m) < 0) return 1;
        printf("%lu x %lu x %lu Hz %lu -Bit \n", m.dmPelsWidth, m.dmPelsHeight,
               m.dmDisplayFrequency, m.dmBitsPerPel);
        return 0;
    }
    if (argc >= 4 && !strcmp(argv[1], "setmode")) return set_mode(atoi(argv[2]), atoi(argv[3]));
    if (argc >= 3 && !strcmp(argv[1], "run")) {
        STARTUPINFOA start;
        PROCESS_INFORMATION process;
        int started;
        memset(&start, 0, sizeof start);
        start.cb = sizeof start;
        started = CreateProcessA(NULL, argv[2], NULL, NULL, FALSE, 0, NULL, NULL, &start, &process);
        if (started) {
            WaitForSingleObject(process.hProcess, 10000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        printf("%s\n", started ? "started" : "failed");
        return !started;
    }
    if (argc >= 4 && !strcmp(argv[1], "trayicon")) return tray_icon(argv[2], atoi(argv[3]), 0);
    if (argc >= 4 && !strcmp(argv[1], "trayplace")) return tray_icon(argv[2], atoi(argv[3]), 1);
    if (argc >= 3 && !strcmp(argv[1], "menu")) return menu(atoi(argv[2]), argc - 3, argv + 3);
    if (argc >= 3 && !strcmp(argv[1], "type")) return type_keys(argc - 2, argv + 2);
    if (argc >= 4 && !strcmp(argv[1], "move")) return move_mouse(atoi(argv[2]), atoi(argv[3]));
    if (argc >= 3 && !strcmp(argv[1], "find")) return find(argv[2]);
    if (argc >= 3 && !strcmp(argv[1], "objects")) return objects(argv[2]);
    if (argc >= 4 && !strcmp(argv[1], "cycle")) return cycle(atoi(argv[2]), argc - 3, argv + 3);
    if (argc >= 5 && !strcmp(argv[1], "opens")) return opens(argv[2], argv[3], argv[4]);
    if (argc >= 3 && !strcmp(argv[1], "load")) {
        printf("%s\n", LoadLibraryA(argv[2]) ? "loaded" : "refused");
        return 0;
    }
    if (argc >= 3 && !strcmp(argv[1], "owner")) {
        HWND w = NULL;
        char owner[64] = "none";
        while ((w = FindWindowExA(NULL, w, argv[2], NULL)) != NULL && !IsWindowVisible(w)) {}
        if (!w) return 1;
        if (GetWindow(w, GW_OWNER)) GetClassNameA(GetWindow(w, GW_OWNER), owner, sizeof owner);
        printf("%s\n", owner);
        return 0;
    }
    if (argc >= 3 && !strcmp(argv[1], "rect")) {
        RECT r;
        HWND w = NULL;
        while ((w = FindWindowExA(NULL, w, argv[2], NULL)) != NULL && !IsWindowVisible(w)) {}
        if (!w || !GetWindowRect(w, &r)) return 1;
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (argc >= 3 && !strcmp(argv[1], "manifest")) {
        /* the program's manifest, as the loader reads it from its resources */
        HMODULE file = LoadLibraryExA(argv[2], NULL, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC found = file ? FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) : NULL;
        HGLOBAL loaded = found ? LoadResource(file, found) : NULL;
        if (!loaded) return 1;
        fwrite(LockResource(loaded), 1, SizeofResource(file, found), stdout);
        return 0;
    }
    if (argc >= 3 && !strcmp(argv[1], "count")) {
        int count = 0;
        HWND w = NULL;
        while ((w = FindWindowExA(NULL, w, argv[2], NULL)) != NULL) ++count;
        printf("%d\n", count);
        return 0;
    }
    if (argc >= 4 && !strcmp(argv[1], "wait")) return wait_for(argv[2], atoi(argv[3]));
    if (argc >= 4 && !strcmp(argv[1], "gone")) return wait_gone(argv[2], atoi(argv[3]));
    if (argc >= 4 && !strcmp(argv[1], "close")) return close_all(argv[2], atoi(argv[3]));
    if (argc >= 2 && !strcmp(argv[1], "hold")) return hold();
    if (argc >= 2 && !strcmp(argv[1], "show")) return show(argc >= 3 && !strcmp(argv[2], "hung"));
    if (argc >= 3 && !strcmp(argv[1], "windows")) return bench_windows(atoi(argv[2]));
    if (argc >= 4 && !strcmp(argv[1], "measure"))
        return measure(argv[2], argv[3], argc >= 5 ? argv[4] : NULL);
    fprintf(stderr, "usage: wintool find|count|wait|close|hold|measure|post|texts|click|at|mode|modeindex|setmode|trayicon|menu ...\n");
    return 2;
}
