#include "process_viewer/version_report.h"

#include <gtest/gtest.h>

#include <string>

#include "process_viewer/version_block.h"

namespace {

TEST(VersionReport, CodesTimesAndAttributes) {
    EXPECT_EQ(translationCode(0x0407, 0x04B0), "040704B0");
    EXPECT_EQ(translationCode(0x0409, 1252), "040904E4");
    EXPECT_EQ(formatFileTime({2004, 3, 7, 14, 5, 9}), "03-07-2004 14:05:09");
    EXPECT_EQ(formatFileTime({2026, 12, 31, 0, 0, 0}), "12-31-2026 00:00:00");
    struct Case {
        std::uint32_t attributes;
        const char* text;
    } cases[] = {
        {0, "         "},
        {0x10, "D        "},
        {0x21, "  ar     "},          // archive, read-only
        {0x80 | 0x2 | 0x4, " N    hs "},
        {0x10 | 0x80 | 0x20 | 0x1 | 0x800 | 0x4000 | 0x2 | 0x4 | 0x100, "DNarcyhst"},
        {0x40, "         "},          // a bit without a letter
    };
    for (const Case& c : cases) EXPECT_EQ(formatAttributes(c.attributes), c.text) << c.attributes;
}

VersionBlock twoTranslations() {
    VersionBlock block;
    block.fileVersion = std::array<unsigned, 4>{1, 138, 0, 7};
    block.translations = {
        {0x0407, 0x04B0, {{"CompanyName", "Firma"}, {"FileDescription", "Beschreibung"},
                          {"LegalCopyright", "(c) Firma"}}},
        // no description in this one
        {0x0409, 1252, {{"CompanyName", "Company"}, {"LegalCopyright", "(c) Company"}}},
    };
    return block;
}

TEST(VersionReport, ReportOfTwoTranslationsAndTheDirectoryEntry) {
    const DirectoryEntry entry{{2004, 3, 7, 14, 5, 9}, {2026, 12, 8, 9, 0, 0},
                               {2001, 1, 2, 3, 4, 5}, 0x21, 0xC0000000u};  // 3 GiB
    EXPECT_EQ(versionReport("C:\\a.exe", twoTranslations(), entry),
              "C:\\a.exe\n\n"
              "File version 1.138.0.7\n"
              "Code Table: 040704B0\n"
              "CompanyName: Firma\n"
              "FileDescription: Beschreibung\n"
              "LegalCopyright: (c) Firma\n"
              "Code Table: 040904E4\n"
              "CompanyName: Company\n"
              "LegalCopyright: (c) Company\n"
              "LastWriteTime: 03-07-2004 14:05:09\n"
              "LastAccessTime: 12-08-2026 09:00:00\n"
              "CreationTime: 01-02-2001 03:04:05\n"
              "FileAttributes:   ar     \n"
              "FileSize: -1073741824 Bytes\n");
    // without fixed information, translations or a directory entry
    EXPECT_EQ(versionReport("C:\\b.dll", VersionBlock{}, std::nullopt), "C:\\b.dll\n\n");
}

TEST(VersionReport, SummaryHasDescriptionAndCopyrightOfEachTranslation) {
    EXPECT_EQ(versionSummary(twoTranslations()),
              "FileDescription: Beschreibung\n  LegalCopyright: (c) Firma\n  "
              "LegalCopyright: (c) Company\n  ");
    EXPECT_EQ(versionSummary(VersionBlock{}), "");
}

// An overlong entry is cut on purpose, and so is a report that would pass
// its limit: whole lines, then "...".
TEST(VersionReport, OverlongEntriesAndReportsAreCut) {
    VersionBlock block;
    block.translations = {{0x0409, 1252, {{"CompanyName", std::string(5000, 'x')}}}};
    const std::string report = versionReport("C:\\a.exe", block, std::nullopt);
    const std::string line = "CompanyName: " + std::string(kMaxVersionValue - 3, 'x') + "...\n";
    EXPECT_EQ(report, "C:\\a.exe\n\nCode Table: 040904E4\n" + line);
    EXPECT_EQ(versionSummary({{}, {{0x0409, 1252, {{"FileDescription", std::string(300, 'd')}}}}}),
              "FileDescription: " + std::string(kMaxVersionValue - 3, 'd') + "...\n  ");

    for (int i = 0; i < 40; ++i) block.translations.push_back(block.translations[0]);
    const std::string cut = versionReport("C:\\a.exe", block, std::nullopt);
    EXPECT_LE(cut.size(), kMaxVersionReport);
    EXPECT_EQ(cut.substr(cut.size() - 5), "\n...\n") << "ends after a whole line";
}

}  // namespace

// What a crafted resource can claim: a record past the block's end or
// without its signature, more translations than the block holds, a text
// whose length runs past the block.
TEST(VersionBlock, NothingIsReadOutsideTheBlock) {
    std::vector<unsigned char> block(64, 0);
    const unsigned char record[] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 2, 0, 1, 0, 4, 0, 3, 0};
    std::copy(std::begin(record), std::end(record), block.begin() + 8);
    EXPECT_EQ(fixedFileVersion(block, {8, 52}), (std::array<unsigned, 4>{1, 2, 3, 4}));
    EXPECT_EQ(fixedFileVersion(block, {20, 52}), std::nullopt) << "runs past the end";
    EXPECT_EQ(fixedFileVersion(block, {8, 51}), std::nullopt) << "shorter than the record";
    block[8] = 0;
    EXPECT_EQ(fixedFileVersion(block, {8, 52}), std::nullopt) << "no signature";

    const unsigned char codes[] = {0x07, 0x04, 0xB0, 0x04, 0x09, 0x04, 0xE4, 0x04};
    std::copy(std::begin(codes), std::end(codes), block.begin() + 56);
    using Codes = std::vector<std::pair<unsigned, unsigned>>;
    EXPECT_EQ(versionTranslations(block, {56, 8}), (Codes{{0x407, 0x4B0}, {0x409, 0x4E4}}));
    EXPECT_EQ(versionTranslations(block, {56, 4000}), (Codes{{0x407, 0x4B0}, {0x409, 0x4E4}}));
    EXPECT_EQ(versionTranslations(block, {90, 8}), Codes{});
    EXPECT_EQ(versionTranslations(std::vector<unsigned char>(4096, 1), {0, 4096}).size(),
              kMaxVersionTranslations);

    const std::vector<unsigned char> text = {'a', 'b', 'c', 0, 'd', 'e'};
    EXPECT_EQ(versionText(text, {0, 10}), "abc");
    EXPECT_EQ(versionText(text, {4, 100}), "de") << "no zero before the end";
    EXPECT_EQ(versionText(text, {1, 1}), "b");
    EXPECT_EQ(versionText(text, {7, 3}), "");
}
