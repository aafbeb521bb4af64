#include "process_viewer/version_report.h"

#include <gtest/gtest.h>

#include <string>

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
