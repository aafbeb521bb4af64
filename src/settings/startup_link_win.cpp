#include "settings/startup_link_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "win32/entry_point_win.h"
#include "win32/shell_memory_win.h"
#include "win32/system_library_win.h"

std::string startupFolderPath() {
    // The path form asks no item list of the shell, whose allocator would
    // load COM at every start; Windows 95 without Internet Explorer 4 lacks it.
    using PathCall = decltype(&SHGetSpecialFolderPathA);
    if (const auto pathOf = entryPoint<PathCall>("shell32.dll", "SHGetSpecialFolderPathA")) {
        char path[MAX_PATH] = "";
        return pathOf(nullptr, path, CSIDL_STARTUP, FALSE) ? path : "";
    }
    LPITEMIDLIST folder = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &folder))) return "";
    char path[MAX_PATH] = "";
    const BOOL found = SHGetPathFromIDListA(folder, path);
    freeShellMemory(folder);
    return found ? path : "";
}

std::string startupLinkPath() {
    const std::string folder = startupFolderPath();
    return folder.empty() ? "" : folder + "\\Dormival.lnk";
}

bool startupLinkExists() {
    const std::string link = startupLinkPath();
    if (link.empty()) return false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(link.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool createShortcut(const std::string& target, const std::string& linkPath,
                    const std::string& description, const std::string& workingDirectory) {
    WCHAR widePath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) return false;
    // COM is loaded only for this
    static const auto initialize =
        systemEntryPoint<decltype(&CoInitialize)>("ole32.dll", "CoInitialize");
    static const auto create =
        systemEntryPoint<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
    static const auto uninitialize =
        systemEntryPoint<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
    if (!initialize || !create || !uninitialize || FAILED(initialize(nullptr))) return false;
    bool saved = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(create(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkA),
                         reinterpret_cast<void**>(&link)))) {
        link->SetPath(target.c_str());
        link->SetDescription(description.c_str());
        link->SetWorkingDirectory(workingDirectory.c_str());
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(widePath, TRUE));
            file->Release();
        }
        link->Release();
    }
    uninitialize();
    return saved;
}

void setAutostart(bool on, const std::string& homeDirectory) {
    const std::string link = startupLinkPath();
    if (link.empty()) return;
    if (on)
        createShortcut(homeDirectory + "\\Dormival.exe", link, "Dormival - ShutDown your System",
                       homeDirectory);
    else
        DeleteFileA(link.c_str());
}
