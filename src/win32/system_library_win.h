#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system directory and the Windows directory, without a closing
// backslash; none when the system cannot name them (a failed call must not
// leave "" to stand for the root of the current drive).
std::optional<std::string> systemDirectory();
std::optional<std::string> windowsDirectory();

// The call that names the Windows directory (GetWindowsDirectoryA); tests
// install a failing one. nullptr goes back to the system's.
using DirectoryCall = UINT(WINAPI*)(LPSTR buffer, UINT size);
void setWindowsDirectoryCall(DirectoryCall call);

// A system program by its full path in the first of these directories that
// holds it; none where none does. Started by its bare name, a program of
// that name in the current directory would run instead.
std::optional<std::string> systemProgram(const char* fileName,
                                         std::initializer_list<std::optional<std::string>> directories);

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
