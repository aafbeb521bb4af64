/* A DLL that must never be loaded: the planting test copies it beside the
   program and into its current directory under the names of the DLLs the
   program loads while it runs. Loaded, it leaves a file named after
   itself with ".loaded" added, and refuses to stay. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    char marker[MAX_PATH + 8];
    HANDLE file;
    (void)reserved;
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    if (!GetModuleFileNameA(self, marker, MAX_PATH)) return FALSE;
    lstrcatA(marker, ".loaded");
    file = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return FALSE;
}
