#include "systools/desktop_tools_win.h"

#include <shlobj.h>

#include <optional>
#include <string>

#include "win32/owned_handles_win.h"
#include "win32/registry_text_win.h"
#include "win32/system_library_win.h"

namespace {

BOOL CALLBACK postSystemCommand(HWND window, LPARAM command) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if ((style & WS_VISIBLE) && (style & WS_SYSMENU))
        PostMessageA(window, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
    return TRUE;
}

OwnedKey openMetricsKey() { return openUserKey(kWindowMetricsKeyPath, KEY_READ | KEY_WRITE); }

// The icon size the user has set, or none.
using IconSize = std::optional<std::string>;

// The user's size, when it is a text or missing; a value of another kind
// is not ours to change, and nothing is returned then.
std::optional<IconSize> usersIconSize(HKEY key) {
    if (RegQueryValueExA(key, kShellIconSizeValue, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_FILE_NOT_FOUND)
        return IconSize();
    if (auto text = readRegistryText(key, kShellIconSizeValue, 260)) return IconSize(*text);
    return std::nullopt;
}

void setIconSize(HKEY key, const IconSize& size) {
    if (!size) {
        RegDeleteValueA(key, kShellIconSizeValue);
        return;
    }
    RegSetValueExA(key, kShellIconSizeValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(size->c_str()),
                   static_cast<DWORD>(size->size() + 1));
}

void announceMetrics() {
    static char section[] = "WindowMetrics";
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>(section), SMTO_ABORTIFHUNG, 10000, &answer);
}

}  // namespace

void postToAllWindows(WPARAM systemCommand) {
    EnumWindows(postSystemCommand, static_cast<LPARAM>(systemCommand));
}

void refreshDesktop(HWND owner) {
    // the 16-bit helper of Windows 9x; the NT family has none and nothing happens
    if (const auto rundll = systemProgram("rundll.exe", {windowsDirectory()}))
        ShellExecuteA(owner, "Open", rundll->c_str(), "user.exe,repaintscreen", "", SW_SHOWNORMAL);
}

void openDisplayProperties() {
    // Windows 9x keeps it in the Windows directory
    if (const auto rundll32 = systemProgram("rundll32.exe", {systemDirectory(), windowsDirectory()}))
        ShellExecuteA(nullptr, "Open", rundll32->c_str(), "shell32,Control_RunDLL desk.cpl", "",
                      SW_SHOWNORMAL);
}

void rebuildIconCache() {
    // unnamed, "" would make it the root of the current drive
    if (const auto directory = windowsDirectory())
        DeleteFileA((*directory + "\\ShellIconCache").c_str());

    std::optional<IconSize> users;
    if (const OwnedKey key = openMetricsKey()) {
        users = usersIconSize(key.get());
        // any other size makes the shell draw its icons anew
        if (users) setIconSize(key.get(), IconSize(*users == IconSize("0") ? "32" : "0"));
    }
    SHChangeNotify(SHCNE_UPDATEIMAGE, SHCNF_FLUSH, nullptr, nullptr);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    announceMetrics();
    if (users)
        if (const OwnedKey key = openMetricsKey()) setIconSize(key.get(), *users);
    announceMetrics();
}
