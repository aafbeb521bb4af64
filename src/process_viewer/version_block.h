#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A file's version resource as the system hands it over: a block of bytes,
// and for each question asked of it an answer pointing into the block. A
// crafted file can claim any size and any length, so nothing is read that
// does not lie inside the block.

// A block larger than this is not read: no real version resource comes
// near it, and a claim of gigabytes must not take the program's memory.
constexpr std::size_t kMaxVersionBlock = 1024 * 1024;
// No resource lists more languages than this.
constexpr std::size_t kMaxVersionTranslations = 64;

// An answer: where the value starts in the block, and its length as the
// question counts it (bytes for the fixed record and the translations,
// characters for a text).
struct VersionValue {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// The fixed record's file version, most significant part first: only for a
// record whole inside the block, as long as the record is, and carrying
// its signature (0xFEEF04BD).
std::optional<std::array<unsigned, 4>> fixedFileVersion(const std::vector<unsigned char>& block,
                                                        const VersionValue& value);

// The translations (language, code page), as many as lie whole inside the
// block and the answer, at most kMaxVersionTranslations.
std::vector<std::pair<unsigned, unsigned>> versionTranslations(
    const std::vector<unsigned char>& block, const VersionValue& value);

// A text up to its first zero, never past its length or the block's end.
std::string versionText(const std::vector<unsigned char>& block, const VersionValue& value);
