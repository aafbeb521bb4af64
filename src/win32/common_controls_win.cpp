#include "win32/common_controls_win.h"

#include <windows.h>
#include <commctrl.h>

#include "win32/system_library_win.h"

void useCommonControls() {
    static const bool registered = [] {
        // Windows 95 and NT 4 have the Ex form only with Internet Explorer 3 on
        using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (const auto initEx = systemEntryPoint<InitEx>("comctl32.dll", "InitCommonControlsEx")) {
            INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                          ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
            initEx(&controls);
        }
        using Init = void(WINAPI*)();
        if (const auto init = systemEntryPoint<Init>("comctl32.dll", "InitCommonControls")) init();
        return true;
    }();
    (void)registered;
}
