#include "app/facts_refresh_win.h"

#include <windows.h>

#include "common/program_facts.h"
#include "common/windows_version_win.h"
#include "power/power_calls_win.h"
#include "settings/current_settings_win.h"

namespace {

// Autostart lives in the Startup folder only; an entry an older version left
// in the Run key would start a second copy.
void deleteOldRunEntry() {
    HKEY run;
    DWORD disposition;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &run,
                        &disposition) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(run, "Dormival");
    RegCloseKey(run);
}

// The first bytes of language.dat in the given directory, "" without one.
std::string readLanguageFile(const std::string& directory) {
    const std::string path = directory + "\\language.dat";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    char bytes[13];
    DWORD read = 0;
    if (!ReadFile(file, bytes, sizeof(bytes), &read, nullptr)) read = 0;
    CloseHandle(file);
    return std::string(bytes, read);
}

}  // namespace

std::string programDirectory() {
    // A path that does not fit is cut without a terminator on some systems:
    // grow the buffer until the whole path fits.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::string path(size, '\0');
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0) return "";
        if (length < size - 1) {
            path.resize(length);
            const auto slash = path.find_last_of('\\');
            return slash == std::string::npos ? "" : path.substr(0, slash);
        }
    }
    return "";
}

void takeProgramFacts(const std::string& homeDirectory) {
    ProgramFacts& facts = programFacts();
    facts.homeDirectory = homeDirectory;
    facts.german = languageFileMeansGerman(readLanguageFile(homeDirectory));
}

void runWindowCreationStep() {
    deleteOldRunEntry();
    takeProgramFacts(programDirectory());
    testHibernation();
    detectWindowsVersion();
    loadStoredAppIcon();
}
