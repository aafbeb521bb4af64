#pragma once

#include <windows.h>

// An entry point of a system DLL the program has loaded already (KERNEL32,
// ADVAPI32), looked up at run time because older Windows lack it: an
// imported one that is missing makes the loader refuse the whole program.
// Null where this system does not have it.
template <typename Function>
Function entryPoint(const char* dll, const char* name) {
    const HMODULE module = GetModuleHandleA(dll);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
