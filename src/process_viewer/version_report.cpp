#include "process_viewer/version_report.h"

#include <cstdio>

namespace {

std::string entryLine(const VersionEntry& entry) {
    std::string value = entry.value;
    if (value.size() > kMaxVersionValue) value = value.substr(0, kMaxVersionValue - 3) + "...";
    return entry.name + ": " + value + "\n";
}

// Lines in order, up to the report's limit: a line that would pass it ends
// the report with "...".
class ReportText {
public:
    void add(const std::string& line) {
        if (full_) return;
        if (text_.size() + line.size() > kMaxVersionReport - kEnd.size()) {
            text_ += kEnd;
            full_ = true;
            return;
        }
        text_ += line;
    }
    const std::string& text() const { return text_; }

private:
    static inline const std::string kEnd = "...\n";
    std::string text_;
    bool full_ = false;
};

}  // namespace

std::string translationCode(unsigned language, unsigned codePage) {
    char code[16];
    std::snprintf(code, sizeof(code), "%04X%04X", language & 0xFFFF, codePage & 0xFFFF);
    return code;
}

std::string formatFileTime(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof(text), "%02d-%02d-%04d %02d:%02d:%02d", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

std::string formatAttributes(std::uint32_t attributes) {
    struct Letter {
        std::uint32_t bit;
        char letter;
    };
    static constexpr Letter kLetters[] = {{0x10, 'D'},  {0x80, 'N'},   {0x20, 'a'},
                                          {0x1, 'r'},   {0x800, 'c'},  {0x4000, 'y'},
                                          {0x2, 'h'},   {0x4, 's'},    {0x100, 't'}};
    std::string text;
    for (const Letter& l : kLetters) text += (attributes & l.bit) ? l.letter : ' ';
    return text;
}

std::string versionReport(const std::string& path, const VersionBlock& block,
                          const std::optional<DirectoryEntry>& entry) {
    ReportText report;
    report.add(path + "\n\n");
    if (const auto& v = block.fileVersion) {
        report.add("File version " + std::to_string((*v)[0]) + "." + std::to_string((*v)[1]) + "." +
                   std::to_string((*v)[2]) + "." + std::to_string((*v)[3]) + "\n");
    }
    for (const VersionTranslation& t : block.translations) {
        report.add("Code Table: " + translationCode(t.language, t.codePage) + "\n");
        for (const VersionEntry& e : t.entries) report.add(entryLine(e));
    }
    if (entry) {
        report.add("LastWriteTime: " + formatFileTime(entry->lastWrite) + "\n");
        report.add("LastAccessTime: " + formatFileTime(entry->lastAccess) + "\n");
        report.add("CreationTime: " + formatFileTime(entry->creation) + "\n");
        report.add("FileAttributes: " + formatAttributes(entry->attributes) + "\n");
        // the low 32 bits as a signed number: a file of 3 GiB shows a negative size
        report.add("FileSize: " + std::to_string(static_cast<std::int32_t>(entry->sizeLow)) +
                   " Bytes\n");
    }
    return report.text();
}

std::string versionSummary(const VersionBlock& block) {
    std::string summary;
    for (const VersionTranslation& t : block.translations)
        for (const VersionEntry& e : t.entries)
            if (e.name == "FileDescription" || e.name == "LegalCopyright")
                summary += entryLine(e) + "  ";
    return summary;
}
