#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "systools/browser_cache.h"
#include "systools/cd_drives.h"

namespace {

TEST(CdDrives, LettersOfTheCdRomRootsOnly) {
    std::array<unsigned, 26> types{};
    types.fill(1);  // no root directory
    EXPECT_EQ(cdDriveLetters(types), "");
    types[2] = 3;   // C: fixed
    types[3] = kCdRomDriveType;
    types[4] = kCdRomDriveType;
    types[5] = 4;   // F: remote
    EXPECT_EQ(cdDriveLetters(types), "DE");
    types[25] = kCdRomDriveType;
    EXPECT_EQ(cdDriveLetters(types), "DEZ");
}

TEST(CdDrives, CommandIdsMapToDriveAndAction) {
    struct Case {
        const char* drives;
        unsigned id;
        const char* want;  // letter and "open"/"close", or "-" for no command
    } cases[] = {
        {"", 300, "-"},       // no drive: nothing from 300 up is a command
        {"E", 299, "-"},      {"E", 300, "E open"}, {"E", 301, "E close"},
        {"E", 302, "-"},      // the separator's place
        {"E", 303, "-"},      // past the last drive
        {"DE", 303, "E open"}, {"DE", 304, "E close"}, {"DE", 306, "-"},
        {"O", 301, "O close"},
    };
    for (const Case& c : cases) {
        const auto command = cdDriveCommand(c.id, c.drives);
        const std::string got =
            command ? std::string(1, command->letter) + (command->open ? " open" : " close") : "-";
        EXPECT_EQ(got, c.want) << c.drives << " " << c.id;
    }
    EXPECT_EQ(cdDriveCommandEnd(""), 300u);
    EXPECT_EQ(cdDriveCommandEnd("DE"), 306u);
}

// A cache of entries of given sizes; a fetch fails with this error once
// the entries run out, or with failAt's error at that fetch.
class FakeCache : public UrlCacheEntries {
public:
    std::vector<unsigned long> entrySizes;
    unsigned long endError = kNoMoreItems;
    std::vector<std::string> calls;

    unsigned long fetch(std::vector<unsigned char>& buffer, unsigned long& size) override {
        calls.push_back("fetch " + std::to_string(size));
        EXPECT_EQ(buffer.size(), size);
        if (next_ == entrySizes.size()) return endError;
        const unsigned long needed = entrySizes[next_];
        if (needed > size) {
            size = needed;
            return kInsufficientBuffer;
        }
        buffer[0] = static_cast<unsigned char>(next_++);
        return 0;
    }
    void deleteEntry(const std::vector<unsigned char>& buffer) override {
        calls.push_back("delete " + std::to_string(buffer[0]));
    }

private:
    std::size_t next_ = 0;
};

TEST(BrowserCache, EveryEntryDeletedAndTheBufferGrown) {
    struct Case {
        const char* name;
        std::vector<unsigned long> entries;
        unsigned long endError;
        bool wantEnded;
        std::vector<std::string> wantCalls;
    } cases[] = {
        {"empty cache", {}, kNoMoreItems, true, {"fetch 4096"}},
        {"two entries", {100, 200}, kNoMoreItems, true,
         {"fetch 4096", "delete 0", "fetch 4096", "delete 1", "fetch 4096"}},
        {"an entry larger than the buffer", {100, 5000, 100}, kNoMoreItems, true,
         {"fetch 4096", "delete 0", "fetch 4096", "fetch 5000", "delete 1", "fetch 5000",
          "delete 2", "fetch 5000"}},
        {"another error ends it", {100}, 5, false, {"fetch 4096", "delete 0", "fetch 4096"}},
        {"an entry past the cap ends it unread", {100, kMaxCacheEntrySize + 1, 100}, kNoMoreItems,
         false, {"fetch 4096", "delete 0", "fetch 4096"}},
    };
    for (const Case& c : cases) {
        FakeCache cache;
        cache.entrySizes = c.entries;
        cache.endError = c.endError;
        EXPECT_EQ(emptyUrlCache(cache), c.wantEnded) << c.name;
        EXPECT_EQ(cache.calls, c.wantCalls) << c.name;
    }
}

// A cache that asks for more room and then not more than it has would be
// asked for ever.
TEST(BrowserCache, AGrowthThatDoesNotGrowEndsTheLoop) {
    class Shrinking : public UrlCacheEntries {
    public:
        unsigned long fetch(std::vector<unsigned char>&, unsigned long& size) override {
            size = 10;
            return kInsufficientBuffer;
        }
        void deleteEntry(const std::vector<unsigned char>&) override {}
    } cache;
    EXPECT_FALSE(emptyUrlCache(cache));
}

}  // namespace
