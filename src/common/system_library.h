#pragma once

#include <windows.h>

// Loads a DLL of the system by its full path in the system directory. A
// bare name would be searched in the program's folder and the current
// directory first, where a planted DLL of that name would run with the
// user's rights. Null when the system directory cannot be named or the
// DLL is missing.
HMODULE loadSystemLibrary(const char* fileName);
