#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The "Version Information" report of a file and its two-line summary,
// built from what the shell read out of the file's version resource and
// directory entry.

// The entries asked for, in the report's order.
constexpr std::array<const char*, 8> kVersionEntryNames = {
    "CompanyName",    "FileDescription",  "FileVersion", "InternalName",
    "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

struct VersionEntry {
    std::string name;
    std::string value;
};

// One language and code page of the resource, with the entries it has.
struct VersionTranslation {
    unsigned language = 0;
    unsigned codePage = 0;
    std::vector<VersionEntry> entries;  // in kVersionEntryNames order
};

struct VersionBlock {
    // the fixed information's file version, most significant part first
    std::optional<std::array<unsigned, 4>> fileVersion;
    std::vector<VersionTranslation> translations;  // in the resource's order
};

// A point in local time.
struct LocalTime {
    int year, month, day, hour, minute, second;
};

struct DirectoryEntry {
    LocalTime lastWrite, lastAccess, creation;
    std::uint32_t attributes;
    std::uint32_t sizeLow;  // the low 32 bits of the size
};

// "040704B0": language, then code page, four hex digits each.
std::string translationCode(unsigned language, unsigned codePage);

// "03-07-2004 14:05:09": month first, 24-hour clock.
std::string formatFileTime(const LocalTime& time);

// Nine places, a letter for each attribute set: D N a r c y h s t.
std::string formatAttributes(std::uint32_t attributes);

// Values longer than this are cut, ending in "...": a message box wraps a
// long line, but an entry of thousands of characters would push the rest of
// the report off the screen.
constexpr std::size_t kMaxVersionValue = 255;
// The report never grows beyond this; what would not fit is left out after
// a closing "...".
constexpr std::size_t kMaxVersionReport = 4096;

// The whole report: the path, the file version, each translation's code and
// entries, and the directory entry's times, attributes and size.
std::string versionReport(const std::string& path, const VersionBlock& block,
                          const std::optional<DirectoryEntry>& entry);

// "FileDescription: ...\n  LegalCopyright: ...\n  " for each translation.
std::string versionSummary(const VersionBlock& block);
