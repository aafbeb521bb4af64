#include "win32/registry_text_win.h"

std::optional<std::string> readRegistryText(HKEY key, const char* name, std::size_t maxLength) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    // The size counts the terminating zero, when the value has one.
    if (size > 0 && size - 1 > maxLength) return std::nullopt;
    // One byte more than the value, so that it ends in a zero either way.
    std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
    DWORD read = size;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &read) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    buffer.resize(buffer.find('\0'));
    if (buffer.size() > maxLength) return std::nullopt;
    return buffer;
}
