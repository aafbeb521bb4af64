/* Test helper DLL: hooks that wintool installs on a thread of another
   program, to look at what only that program can see.
   DumpMenuHook ("wintool menu") reads the popup menu the thread shows and
   everything below it, and writes it as text to C:\menudump.txt: one line
   per entry, "text=id", "-" for a separator, "text>" for a submenu with its
   entries indented below it, "*" after the default entry.
   CountObjectsHook ("wintool objects") counts the program's GDI and USER
   objects into C:\objcount.txt, where Wine's GetGuiResources answers 0. */
#include <windows.h>
#include <winternl.h>
#include <stdio.h>

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

/* A line feed inside an entry's text is written as \n. */
static void put_text(FILE *out, const char *text) {
    for (; *text; ++text) {
        if (*text == '\n')
            fputs("\\n", out);
        else
            fputc(*text, out);
    }
}

static void dump(FILE *out, HMENU menu, int depth) {
    int count = GetMenuItemCount(menu), i;
    for (i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA item;
        memset(&item, 0, sizeof item);
        item.cbSize = sizeof item;
        item.fMask = MIIM_TYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        item.dwTypeData = text;
        item.cch = sizeof text;
        fprintf(out, "%*s", depth * 2, "");
        if (!GetMenuItemInfoA(menu, i, TRUE, &item))
            fprintf(out, "unreadable");
        else if (item.fType & MFT_SEPARATOR)
            fprintf(out, "-");
        else {
            put_text(out, text);
            if (item.hSubMenu)
                fprintf(out, ">");
            else
                fprintf(out, "=%u", item.wID);
        }
        fprintf(out, "%s\n", (item.fState & MFS_DEFAULT) ? "*" : "");
        if (item.hSubMenu) dump(out, item.hSubMenu, depth + 1);
    }
}

static BOOL CALLBACK find_popup(HWND w, LPARAM found) {
    char cls[16];
    if (GetClassNameA(w, cls, sizeof cls) && !strcmp(cls, "#32768") && IsWindowVisible(w)) {
        *(HWND *)found = w;
        return FALSE;
    }
    return TRUE;
}

__declspec(dllexport) LRESULT CALLBACK DumpMenuHook(int code, WPARAM wp, LPARAM lp) {
    HWND popup = NULL;
    /* once per request: wintool deletes the file before it hooks again, and
       this DLL may stay loaded in the program in between */
    if (code == HC_ACTION && GetFileAttributesA("C:\\menudump.txt") == INVALID_FILE_ATTRIBUTES) {
        EnumThreadWindows(GetCurrentThreadId(), find_popup, (LPARAM)&popup);
        if (popup) {
            HMENU menu = (HMENU)SendMessageA(popup, MN_GETHMENU, 0, 0);
            FILE *out = fopen("C:\\menudump.tmp", "w");
            if (out) {
                dump(out, menu, 0);
                fclose(out);
                MoveFileA("C:\\menudump.tmp", "C:\\menudump.txt");
            }
        }
    }
    return CallNextHookEx(NULL, code, wp, lp);
}

/* Wine keeps the process's GDI handle table where Windows does, in the PEB,
   24 bytes an entry with the object type in byte 12 (0: a free entry). */
static int gdi_objects(void) {
    const BYTE *peb = (const BYTE *)NtCurrentTeb()->ProcessEnvironmentBlock;
    const BYTE *table = *(const BYTE *const *)(peb + (sizeof(void *) == 8 ? 0xF8 : 0x94));
    int i, count = 0;
    if (!table) return -1;
    for (i = 0; i < 16384; ++i)
        if (table[i * 24 + 12]) ++count;
    return count;
}

__declspec(dllexport) LRESULT CALLBACK CountObjectsHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && GetFileAttributesA("C:\\objcount.txt") == INVALID_FILE_ATTRIBUTES) {
        DWORD self = GetCurrentProcessId(), owner;
        int windows = 0, menus = 0, icons = 0;
        UINT_PTR h;
        FILE *out;
        /* every USER handle by its index: Wine takes a handle without its
           upper word for one of any generation */
        for (h = 0x20; h <= 0xFFEF; h += 2) {
            ICONINFO info;
            if (IsWindow((HWND)h)) {
                if (GetWindowThreadProcessId((HWND)h, &owner) && owner == self) ++windows;
            } else if (IsMenu((HMENU)h)) {
                ++menus;
            } else if (GetIconInfo((HICON)h, &info)) {
                ++icons;
                if (info.hbmMask) DeleteObject(info.hbmMask);
                if (info.hbmColor) DeleteObject(info.hbmColor);
            }
        }
        out = fopen("C:\\objcount.tmp", "w");
        if (out) {
            fprintf(out, "gdi=%d windows=%d menus=%d icons=%d\n", gdi_objects(), windows, menus, icons);
            fclose(out);
            MoveFileA("C:\\objcount.tmp", "C:\\objcount.txt");
        }
    }
    return CallNextHookEx(NULL, code, wp, lp);
}
