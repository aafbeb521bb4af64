#include "win32/system_error_text_win.h"

#include <windows.h>

std::optional<std::string> SystemErrorText(unsigned long error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, error, 0x400, reinterpret_cast<char*>(&buffer), 0,
                                        nullptr);
    if (length == 0 || !buffer) return std::nullopt;
    std::string text(buffer, length);
    LocalFree(buffer);
    // a caption shows the "\r\n" the system ends its texts with as marks
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}
