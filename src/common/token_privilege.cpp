#include "common/token_privilege.h"

DWORD lastErrorOrFailure() {
    const DWORD error = GetLastError();
    return error ? error : ERROR_GEN_FAILURE;
}

DWORD setTokenPrivilege(HANDLE token, const char* privilege, bool enable) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueA(nullptr, privilege, &privileges.Privileges[0].Luid))
        return lastErrorOrFailure();
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    // A successful adjustment still sets the last error, to
    // ERROR_NOT_ALL_ASSIGNED where the token lacks the privilege.
    SetLastError(0);
    if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr))
        return lastErrorOrFailure();
    return GetLastError();
}

bool enableProcessPrivilege(const char* privilege) {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    const bool enabled = setTokenPrivilege(token, privilege, true) == ERROR_SUCCESS;
    CloseHandle(token);
    return enabled;
}
