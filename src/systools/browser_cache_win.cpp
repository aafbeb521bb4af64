#include "systools/browser_cache_win.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "win32/system_library_win.h"
#include "systools/browser_cache.h"

namespace {

// The wininet calls the emptying needs, looked up in the loaded library.
struct Wininet {
    HANDLE(WINAPI* findFirst)(LPCSTR, INTERNET_CACHE_ENTRY_INFOA*, DWORD*);
    BOOL(WINAPI* findNext)(HANDLE, INTERNET_CACHE_ENTRY_INFOA*, DWORD*);
    BOOL(WINAPI* findClose)(HANDLE);
    BOOL(WINAPI* deleteEntry)(LPCSTR);
    BOOL(WINAPI* setOption)(HINTERNET, DWORD, LPVOID, DWORD);
};

template <typename Function>
bool lookUp(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

bool lookUpAll(HMODULE library, Wininet& api) {
    return lookUp(library, "FindFirstUrlCacheEntryA", api.findFirst) &&
           lookUp(library, "FindNextUrlCacheEntryA", api.findNext) &&
           lookUp(library, "FindCloseUrlCache", api.findClose) &&
           // the ANSI name every wininet has, from the first one on
           lookUp(library, "DeleteUrlCacheEntry", api.deleteEntry) &&
           lookUp(library, "InternetSetOptionA", api.setOption);
}

class WininetCache final : public UrlCacheEntries {
public:
    explicit WininetCache(const Wininet& api) : api_(api) {}
    ~WininetCache() override {
        if (search_) api_.findClose(search_);
    }
    WininetCache(const WininetCache&) = delete;
    WininetCache& operator=(const WininetCache&) = delete;

    unsigned long fetch(std::vector<unsigned char>& buffer, unsigned long& size) override {
        auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
        if (buffer.size() >= sizeof(*entry)) entry->dwStructSize = sizeof(*entry);
        DWORD needed = size;
        bool fetched;
        if (search_) {
            fetched = api_.findNext(search_, entry, &needed);
        } else {
            search_ = api_.findFirst(nullptr, entry, &needed);
            fetched = search_ != nullptr;
        }
        const DWORD error = fetched ? 0 : GetLastError();
        size = needed;
        return error;
    }

    void deleteEntry(const std::vector<unsigned char>& buffer) override {
        const auto* entry = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
        if (entry->lpszSourceUrlName) api_.deleteEntry(entry->lpszSourceUrlName);
    }

private:
    const Wininet& api_;
    HANDLE search_ = nullptr;
};

}  // namespace

bool emptyBrowserCache() {
    const HMODULE library = loadSystemLibrary("wininet.dll");
    if (!library) return false;
    Wininet api{};
    bool ended = false;
    if (lookUpAll(library, api)) {
        {
            WininetCache cache(api);
            ended = emptyUrlCache(cache);
        }
        api.setOption(nullptr, INTERNET_OPTION_END_BROWSER_SESSION, nullptr, 0);
    }
    FreeLibrary(library);
    return ended;
}
