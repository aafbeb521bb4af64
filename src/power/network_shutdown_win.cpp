#include "power/network_shutdown_win.h"

#include <shlobj.h>

#include "win32/entry_point_win.h"
#include "win32/shell_memory_win.h"
#include "win32/system_error_text_win.h"
#include "win32/token_privilege_win.h"

namespace {

class SystemRemoteShutdown final : public RemoteShutdownSystem {
public:
    std::string localComputerName() override {
        char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
        DWORD size = sizeof(name);
        if (!GetComputerNameA(name, &size)) return "";
        return name;
    }
    unsigned openToken() override {
        closeToken();
        if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_))
            return 0;
        token_ = nullptr;
        return lastErrorOrFailure();
    }
    unsigned enablePrivilege(const std::string& privilege) override {
        return setTokenPrivilege(token_, privilege.c_str(), true, &previous_);
    }
    unsigned restorePrivilege() override { return restoreTokenPrivileges(token_, previous_); }
    unsigned initiateShutdown(const std::string& computer, const std::string& message,
                              unsigned delaySeconds, bool force, bool reboot) override {
        // not on Windows 95/98/ME, where the step fails like any other
        using Function = BOOL(WINAPI*)(LPSTR, LPSTR, DWORD, BOOL, BOOL);
        const auto initiate = entryPoint<Function>("advapi32.dll", "InitiateSystemShutdownA");
        if (!initiate) return ERROR_CALL_NOT_IMPLEMENTED;
        if (initiate(const_cast<char*>(computer.c_str()), const_cast<char*>(message.c_str()),
                     delaySeconds, force ? TRUE : FALSE, reboot ? TRUE : FALSE))
            return 0;
        return lastErrorOrFailure();
    }
    void closeToken() override {
        if (token_) CloseHandle(token_);
        token_ = nullptr;
    }
    void showFailure(const std::string& text, unsigned error) override {
        const auto caption = SystemErrorText(error);
        MessageBoxA(nullptr, text.c_str(), caption ? caption->c_str() : nullptr, MB_OK);
    }

private:
    HANDLE token_ = nullptr;
    TOKEN_PRIVILEGES previous_{};
};

RemoteShutdownSystem* replacement = nullptr;

}  // namespace

RemoteShutdownSystem& remoteShutdownSystem() {
    static SystemRemoteShutdown real;
    return replacement ? *replacement : real;
}

void setRemoteShutdownSystem(RemoteShutdownSystem* system) { replacement = system; }

std::string browseForComputer(HWND owner, const std::string& title) {
    LPITEMIDLIST network = nullptr;
    if (SHGetSpecialFolderLocation(owner, CSIDL_NETWORK, &network) != S_OK) return "";
    char name[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pidlRoot = network;
    browse.pszDisplayName = name;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_BROWSEFORCOMPUTER;
    if (const LPITEMIDLIST chosen = SHBrowseForFolderA(&browse)) freeShellMemory(chosen);
    else name[0] = '\0';
    freeShellMemory(network);
    return name;
}
