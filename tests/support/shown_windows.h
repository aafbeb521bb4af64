#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

// wintool's "show" in a process of its own: a visible titled window with a
// system menu (class and title "DormivalTestShown"), a window it owns and
// an untitled one. Ends when its titled window closes. Hung, its window is
// "DormivalTestHung" and it answers nothing until it is ended.
class ShownWindows {
public:
    // False without DORMIVAL_WINTOOL or when the process did not start.
    bool start(bool hung = false) {
        const char* tool = std::getenv("DORMIVAL_WINTOOL");
        if (!tool) return false;
        hung_ = hung;
        std::string command = std::string("\"") + tool + "\" show" + (hung ? " hung" : "");
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_))
            return false;
        CloseHandle(process_.hThread);
        // its untitled window comes last
        for (int i = 0; i < 100 && !hasUntitledWindow(); ++i) Sleep(50);
        return true;
    }
    ~ShownWindows() { stop(); }
    void stop() {
        if (!process_.hProcess) return;
        if (const HWND shown = window()) PostMessageA(shown, WM_CLOSE, 0, 0);
        if (hung_ || WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
        process_ = {};
    }
    HWND window() const {
        return FindWindowA(hung_ ? "DormivalTestHung" : "DormivalTestShown", nullptr);
    }
    DWORD pid() const { return process_.dwProcessId; }
    HANDLE process() const { return process_.hProcess; }
    // Exit code once it has ended within the time; STILL_ACTIVE otherwise.
    DWORD exitCode(DWORD waitMs) const {
        WaitForSingleObject(process_.hProcess, waitMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    bool hasUntitledWindow() const {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "DormivalTestExtra", "")) != nullptr;) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == process_.dwProcessId) return true;
        }
        return false;
    }
    PROCESS_INFORMATION process_{};
    bool hung_ = false;
};
