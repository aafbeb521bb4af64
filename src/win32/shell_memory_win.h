#pragma once

// Frees what the shell hands out (item lists) with the shell's own
// allocator, which needs no COM set up and no ole32 loaded.
void freeShellMemory(void* memory);
