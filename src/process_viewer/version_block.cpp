#include "process_viewer/version_block.h"

#include <algorithm>

namespace {

// The bytes of the answer that lie inside the block: as many as claimed, or
// fewer where the block ends first.
std::size_t bytesInside(const std::vector<unsigned char>& block, const VersionValue& value) {
    if (value.offset > block.size()) return 0;
    return std::min(value.length, block.size() - value.offset);
}

std::uint32_t littleEndian32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::optional<std::array<unsigned, 4>> fixedFileVersion(const std::vector<unsigned char>& block,
                                                        const VersionValue& value) {
    constexpr std::size_t kRecordSize = 13 * 4;  // VS_FIXEDFILEINFO
    constexpr std::uint32_t kSignature = 0xFEEF04BD;
    if (value.length < kRecordSize || bytesInside(block, value) < kRecordSize) return std::nullopt;
    const unsigned char* record = block.data() + value.offset;
    if (littleEndian32(record) != kSignature) return std::nullopt;
    const std::uint32_t ms = littleEndian32(record + 8);
    const std::uint32_t ls = littleEndian32(record + 12);
    return std::array<unsigned, 4>{ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF};
}

std::vector<std::pair<unsigned, unsigned>> versionTranslations(
    const std::vector<unsigned char>& block, const VersionValue& value) {
    std::vector<std::pair<unsigned, unsigned>> translations;
    const std::size_t count = std::min(bytesInside(block, value) / 4, kMaxVersionTranslations);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t code = littleEndian32(block.data() + value.offset + 4 * i);
        translations.emplace_back(code & 0xFFFF, code >> 16);
    }
    return translations;
}

std::string versionText(const std::vector<unsigned char>& block, const VersionValue& value) {
    const auto* begin = reinterpret_cast<const char*>(block.data()) + std::min(value.offset, block.size());
    const char* end = begin + bytesInside(block, value);
    return std::string(begin, std::find(begin, end, '\0'));
}
