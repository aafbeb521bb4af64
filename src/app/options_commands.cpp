#include "app/options_commands.h"

#include "app/main_window.h"
#include "app/tray.h"
#include "common/feature_window.h"
#include "common/file_dialog.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_set.h"
#include "options/options_window.h"
#include "power/network_shutdown_win.h"
#include "power/power_calls.h"
#include "power/scheduler_win.h"
#include "settings/current_settings.h"
#include "systools/system_figures_win.h"
#include "systools/windows_version_win.h"

void openOptions() {
    cancelScheduleAndCloseWarning();
    // one options window at a time: a second one (from the first one's own
    // tray icon) would take over the first one's controls and font
    if (IsWindow(windows().options)) {
        SetForegroundWindow(windows().options);
        return;
    }
    detectWindowsVersion();
    const OptionsContext context{hibernationAvailable(), windowsVersion().osName,
                                 windowsVersion().versionLine,
                                 readMemoryFigures().totalPhysical};
    if (const HWND window = createOptionsWindow(context)) runFeatureWindow(window);
}

void confirmOptions() {
    if (!IsWindow(windows().options) || !saveOptions()) return;
    hideOptionsWindow();
    loadSettings();
    rearmScheduler();
    closeOptionsWindow();
    hideMainWindow();
}

void cancelOptions() {
    closeOptionsWindow();
    hideMainWindow();
}

void chooseOptionsIcon() {
    const std::string file =
        chooseAnyFile(bilingual(programFacts().german, "Programmicon austauschen", "Replace Icon "));
    // the icon changes at once, but only to one the settings can keep
    if (!file.empty() && setOptionsIconPath(file)) modifyTrayIcon(file);
}

void addOptionsComputerFromBrowser() {
    addOptionsComputer(browseForComputer(
        windows().options, bilingual(programFacts().german, "Computer suchen", "Browse for Computer")));
}
