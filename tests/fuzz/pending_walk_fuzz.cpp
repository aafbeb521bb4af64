// Walks the countdowns through the events the input spells, checking the
// promise after every step (see support/pending_walk.h).
#include <cstddef>
#include <cstdint>

#include "support/pending_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PendingWalk walk;
    for (size_t i = 0; i + 1 < size; i += 2)
        if (!walk.step(data[i] % PendingWalk::kEvents, data[i + 1]).empty()) __builtin_trap();
    return 0;
}
