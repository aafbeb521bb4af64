#pragma once

#include <windows.h>

// Loads a DLL of the system by its full path in the system directory. A
// bare name would be searched in the program's folder and the current
// directory first, where a planted DLL of that name would run with the
// user's rights; the DLLs it imports in turn are looked for in the system
// directory first too. Null when the system directory cannot be named or
// the DLL is missing.
HMODULE loadSystemLibrary(const char* fileName);

// An entry point of a system DLL that only some windows need, loaded from
// the system directory at the first call, so that start-up neither maps it
// nor can be handed a planted copy. It stays loaded; callers in a loop keep
// the result. Null when the DLL or the entry point is missing.
template <typename Function>
Function systemEntryPoint(const char* fileName, const char* name) {
    const HMODULE module = loadSystemLibrary(fileName);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
