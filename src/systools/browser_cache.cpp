#include "systools/browser_cache.h"

bool emptyUrlCache(UrlCacheEntries& cache) {
    std::vector<unsigned char> buffer;
    unsigned long size = 4096;
    unsigned long status = kInsufficientBuffer;
    for (;;) {
        if (status == 0) {
            cache.deleteEntry(buffer);
            size = static_cast<unsigned long>(buffer.size());
        } else if (status == kInsufficientBuffer) {
            // asked for no more room than it had: it would ask for ever
            if (size <= buffer.size() || size > kMaxCacheEntrySize) return false;
            buffer.assign(size, 0);
        } else {
            return status == kNoMoreItems;
        }
        status = cache.fetch(buffer, size);
    }
}
