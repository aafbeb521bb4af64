/* Test helper DLL: the hook that wintool's "menu" command installs on the
   thread of a tracked popup menu. Running inside that program, it reads the
   menu it shows and everything below it, and writes it as text to
   C:\menudump.txt: one line per entry, "text=id", "-" for a separator,
   "text>" for a submenu with its entries indented below it, "*" after the
   default entry. */
#include <windows.h>
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
