/* What must never be loaded or run: the planting test copies it beside the
   program and into its current directory under the names of the DLLs the
   program loads, and (built as a program) of the system programs it
   starts. Loaded or run, it leaves a file named after itself with ".loaded"
   added; the DLL then refuses to stay. */
#include <windows.h>

static BOOL leave_marker(HMODULE self) {
    char marker[MAX_PATH + 8];
    HANDLE file;
    if (!GetModuleFileNameA(self, marker, MAX_PATH)) return FALSE;
    lstrcatA(marker, ".loaded");
    file = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return FALSE;
    CloseHandle(file);
    return TRUE;
}

#ifdef PLANTED_PROGRAM
int WINAPI WinMain(HINSTANCE self, HINSTANCE previous, LPSTR line, int show) {
    (void)self;
    (void)previous;
    (void)line;
    (void)show;
    return leave_marker(NULL) ? 0 : 1;
}
#else
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) leave_marker(self);
    return reason != DLL_PROCESS_ATTACH;
}
#endif
