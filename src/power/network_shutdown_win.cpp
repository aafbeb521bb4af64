#include "power/network_shutdown_win.h"

#include <shlobj.h>

#include <vector>

#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "win32/entry_point_win.h"
#include "win32/shell_memory_win.h"
#include "win32/system_error_text_win.h"
#include "win32/token_privilege_win.h"

namespace {

// not on Windows 95/98/ME, where the request fails like any other step
unsigned initiateSystemShutdown(const NetworkRequest& r) {
    using Function = BOOL(WINAPI*)(LPSTR, LPSTR, DWORD, BOOL, BOOL);
    const auto initiate = entryPoint<Function>("advapi32.dll", "InitiateSystemShutdownA");
    if (!initiate) return ERROR_CALL_NOT_IMPLEMENTED;
    std::string computer = r.computer, message = r.message;
    if (initiate(computer.data(), message.data(), r.delaySeconds, r.force ? TRUE : FALSE,
                 r.reboot ? TRUE : FALSE))
        return 0;
    return lastErrorOrFailure();
}

NetworkRequestCall requestCall = initiateSystemShutdown;

// What a worker thread owns: its request, and where its answer goes.
struct Job {
    std::size_t index;
    NetworkRequest request;
    NetworkRequestCall call;
    HWND answerTo;
};

void CALLBACK waitIsOver(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    networkShutdowns().timeUp();
}

DWORD WINAPI askComputer(LPVOID parameter) {
    Job* job = static_cast<Job*>(parameter);
    const unsigned error = job->call(job->request);
    PostMessageA(job->answerTo, kNetworkAnswerMessage, job->index, error);
    delete job;
    return 0;
}

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
        previous_.emplace_back();
        return setTokenPrivilege(token_, privilege.c_str(), true, &previous_.back());
    }
    unsigned restorePrivileges() override {
        unsigned first = 0;
        for (auto it = previous_.rbegin(); it != previous_.rend(); ++it)
            if (const unsigned error = restoreTokenPrivileges(token_, *it); error && !first)
                first = error;
        previous_.clear();
        return first;
    }
    void closeToken() override {
        if (token_) CloseHandle(token_);
        token_ = nullptr;
    }
    unsigned startRequest(std::size_t index, const NetworkRequest& request) override {
        Job* job = new Job{index, request, requestCall, mainWindow()};
        const HANDLE thread = CreateThread(nullptr, 0, askComputer, job, 0, nullptr);
        if (!thread) {
            delete job;
            return lastErrorOrFailure();
        }
        CloseHandle(thread);  // nobody waits for it, the program's end least of all
        return 0;
    }
    std::string errorText(unsigned error) override {
        return SystemErrorText(error).value_or("Error " + std::to_string(error));
    }
    void showBox(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), "Dormival", MB_OK | MB_ICONINFORMATION);
    }
    void wakeAfter(unsigned seconds) override {
        SetTimer(nullptr, 0, seconds * 1000, waitIsOver);
    }
    void storeOpenLists() override { storeBeforeSessionEnd(); }

private:
    HANDLE token_ = nullptr;
    std::vector<TOKEN_PRIVILEGES> previous_;
};

RemoteShutdownSystem* replacement = nullptr;

}  // namespace

RemoteShutdownSystem& remoteShutdownSystem() {
    static SystemRemoteShutdown real;
    return replacement ? *replacement : real;
}

void setRemoteShutdownSystem(RemoteShutdownSystem* system) { replacement = system; }

NetworkShutdowns& networkShutdowns() {
    static NetworkShutdowns instance;
    return instance;
}

void setNetworkRequestCall(NetworkRequestCall call) {
    requestCall = call ? call : initiateSystemShutdown;
}

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
