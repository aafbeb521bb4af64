#include "common/system_library.h"

#include <string>

HMODULE loadSystemLibrary(const char* fileName) {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryExA((std::string(directory, length) + "\\" + fileName).c_str(), nullptr,
                         LOAD_WITH_ALTERED_SEARCH_PATH);
}
