#pragma once

#include <windows.h>

// Switches one privilege ("SeShutdownPrivilege", say) of an open token on
// or off. Returns the error the step left, 0 when the privilege is set as
// asked: a token that does not hold it gives ERROR_NOT_ALL_ASSIGNED, and
// Windows 9x, which has no tokens, fails every step.
DWORD setTokenPrivilege(HANDLE token, const char* privilege, bool enable);

// Enables the privilege on the process's own token; true on success.
bool enableProcessPrivilege(const char* privilege);

// The calling thread's last error, or ERROR_GEN_FAILURE for a call that
// failed without saying why.
DWORD lastErrorOrFailure();
