// The checks over a version resource block, fed arbitrary blocks and
// arbitrary answers (offset and length, as a crafted file or a faulty
// system could give them): nothing may be read outside the block, which
// the sanitizers would report.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "process_viewer/version_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kAnswers = 3;
    if (size < kAnswers * 8) return 0;
    VersionValue answers[kAnswers];
    for (std::size_t i = 0; i < kAnswers; ++i) {
        std::uint32_t offset, length;
        std::memcpy(&offset, data + 8 * i, 4);
        std::memcpy(&length, data + 8 * i + 4, 4);
        answers[i] = {offset, length};
    }
    // a vector of exactly the block's size, so a read past it is caught
    const std::vector<unsigned char> block(data + kAnswers * 8, data + size);
    (void)fixedFileVersion(block, answers[0]);
    (void)versionTranslations(block, answers[1]);
    (void)versionText(block, answers[2]);
    return 0;
}
