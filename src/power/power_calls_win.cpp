#include "power/power_calls_win.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "common/tray_icon_record_win.h"
#include "settings/current_settings_win.h"
#include "win32/entry_point_win.h"
#include "win32/system_library_win.h"
#include "win32/token_privilege_win.h"

namespace {

void (*beforeSessionEnd)() = nullptr;

class SystemPowerCalls final : public PowerSystem {
public:
    void removeTrayIcon() override { ::removeTrayIcon(mainWindow()); }
    void exitWindows(unsigned flags) override {
        // a forced end tells no window: what they hold is stored first
        storeBeforeSessionEnd();
        const ScopedPrivilege shutdown("SeShutdownPrivilege");
        ExitWindowsEx(flags, 0);
    }
    void setSystemPowerState(bool suspend, int force) override {
        // Windows 2000 on; without it standby and hibernation do nothing
        using Function = BOOL(WINAPI*)(BOOL, BOOL);
        if (const auto call = entryPoint<Function>("kernel32.dll", "SetSystemPowerState")) {
            const ScopedPrivilege shutdown("SeShutdownPrivilege");
            call(suspend ? TRUE : FALSE, force);
        }
    }
    void fastReboot() override {
        // Windows 9x only: the NT family has no rundll.exe, and nothing happens
        if (const auto rundll = systemProgram("rundll.exe", {windowsDirectory()}))
            ShellExecuteA(mainWindow(), "Open", rundll->c_str(), "user.exe,exitwindowsexec", "",
                          SW_SHOWNORMAL);
    }
};

PowerSystem* replacementPowerSystem = nullptr;

// powrprof.dll, once loaded; it stays loaded for the program's lifetime.
HMODULE powrprof = nullptr;

}  // namespace

PowerSystem& powerSystem() {
    static SystemPowerCalls real;
    return replacementPowerSystem ? *replacementPowerSystem : real;
}

void setPowerSystem(PowerSystem* replacement) { replacementPowerSystem = replacement; }

void setBeforeSessionEnd(void (*store)()) { beforeSessionEnd = store; }

void storeBeforeSessionEnd() {
    if (beforeSessionEnd) beforeSessionEnd();
}

PowerEntryContext powerEntryContext() {
    return {currentSettings(), powerSystem(), [] { loadSettings(); }, programFacts().german};
}

bool testHibernation() {
    if (!powrprof) powrprof = loadSystemLibrary("powrprof.dll");
    return powrprof != nullptr;
}

bool hibernationAvailable() { return powrprof != nullptr; }
