#pragma once

#include <windows.h>

// Switches one privilege ("SeShutdownPrivilege", say) of an open token on
// or off; previous, when given, receives the state it had (no entry where
// nothing changed). Returns the error the step left, 0 when the privilege
// is set as asked: a token that does not hold it gives
// ERROR_NOT_ALL_ASSIGNED, and Windows 9x, which has no tokens, fails every
// step.
DWORD setTokenPrivilege(HANDLE token, const char* privilege, bool enable,
                        TOKEN_PRIVILEGES* previous = nullptr);

// Puts back what setTokenPrivilege recorded; 0 or the error.
DWORD restoreTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& previous);

// A privilege of the process's own token, enabled for as long as this
// lives and then put back as it was: a privilege left on would stay on for
// the session, inside every DLL the program loads (the shell extensions of
// a file dialog among them). Where there are no tokens (Windows 9x) or the
// token lacks the privilege, nothing changes.
class ScopedPrivilege {
public:
    explicit ScopedPrivilege(const char* privilege);
    ~ScopedPrivilege();
    ScopedPrivilege(const ScopedPrivilege&) = delete;
    ScopedPrivilege& operator=(const ScopedPrivilege&) = delete;

    // The error of the enabling step, 0 when the privilege is on.
    DWORD error() const { return error_; }

private:
    HANDLE token_ = nullptr;
    TOKEN_PRIVILEGES previous_{};
    DWORD error_ = 0;
};

// The calling thread's last error, or ERROR_GEN_FAILURE for a call that
// failed without saying why.
DWORD lastErrorOrFailure();
