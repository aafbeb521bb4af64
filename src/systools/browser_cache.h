#pragma once

#include <vector>

// The browser's cache as the emptying loop sees it; the shell implements
// it over wininet, tests over a list.
class UrlCacheEntries {
public:
    virtual ~UrlCacheEntries() = default;
    // Fetches the first entry, or the next one once a search has begun, into
    // the buffer. size: in, the buffer's size; out, the size the entry
    // needs. Returns 0 or the error.
    virtual unsigned long fetch(std::vector<unsigned char>& buffer, unsigned long& size) = 0;
    // Deletes the entry the buffer holds; a failure is ignored.
    virtual void deleteEntry(const std::vector<unsigned char>& buffer) = 0;
};

constexpr unsigned long kInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER
constexpr unsigned long kNoMoreItems = 259;         // ERROR_NO_MORE_ITEMS

// No entry is read that claims more than this: a corrupt cache must not
// take all memory at every start.
constexpr unsigned long kMaxCacheEntrySize = 64 * 1024;

// Deletes every entry, growing the buffer whenever an entry needs more
// room, up to kMaxCacheEntrySize. True when the enumeration ran to its end;
// any other error, or a larger entry (the search cannot step past an entry
// it could not read), stops it.
bool emptyUrlCache(UrlCacheEntries& cache);
