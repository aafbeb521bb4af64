#include "win32/shell_memory_win.h"

#include <windows.h>
#include <shlobj.h>

void freeShellMemory(void* memory) {
    IMalloc* allocator = nullptr;
    if (!memory || FAILED(SHGetMalloc(&allocator))) return;
    allocator->Free(memory);
    allocator->Release();
}
