#include "win32/token_privilege_win.h"

DWORD lastErrorOrFailure() {
    const DWORD error = GetLastError();
    return error ? error : ERROR_GEN_FAILURE;
}

DWORD setTokenPrivilege(HANDLE token, const char* privilege, bool enable,
                        TOKEN_PRIVILEGES* previous) {
    if (previous) previous->PrivilegeCount = 0;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueA(nullptr, privilege, &privileges.Privileges[0].Luid))
        return lastErrorOrFailure();
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    DWORD length = 0;
    // A successful adjustment still sets the last error, to
    // ERROR_NOT_ALL_ASSIGNED where the token lacks the privilege.
    SetLastError(0);
    if (!AdjustTokenPrivileges(token, FALSE, &privileges, previous ? sizeof(*previous) : 0,
                               previous, previous ? &length : nullptr))
        return lastErrorOrFailure();
    return GetLastError();
}

DWORD restoreTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& previous) {
    if (previous.PrivilegeCount == 0) return ERROR_SUCCESS;  // nothing was changed
    const DWORD error = AdjustTokenPrivileges(token, FALSE, &previous, 0, nullptr, nullptr)
                            ? ERROR_SUCCESS
                            : lastErrorOrFailure();
    previous.PrivilegeCount = 0;
    return error;
}

ScopedPrivilege::ScopedPrivilege(const char* privilege) {
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_)) {
        token_ = nullptr;
        error_ = lastErrorOrFailure();
        return;
    }
    error_ = setTokenPrivilege(token_, privilege, true, &previous_);
}

ScopedPrivilege::~ScopedPrivilege() {
    if (!token_) return;
    restoreTokenPrivileges(token_, previous_);
    CloseHandle(token_);
}
