#include "process_viewer/viewer_lists.h"

#include <cstdlib>
#include <cstring>

namespace {

bool inTable(int column) { return column >= 0 && column < 7; }

}  // namespace

void SortDirections::set(int column, int direction) {
    if (inTable(column)) directions_[static_cast<std::size_t>(column)] = direction;
}

int SortDirections::direction(int column) const {
    return inTable(column) ? directions_[static_cast<std::size_t>(column)] : 0;
}

int SortDirections::flip(int column) {
    const int flipped = direction(column) == kFirstOrder ? kFirstOrder + 1 : kFirstOrder;
    set(column, flipped);
    return flipped;
}

bool isNumberColumn(ViewerList list, int column) {
    if (list == ViewerList::Windows) return column == 2 || column == 4;
    return column == 2 || column == 3 || column == 4 || column == 6;
}

int compareCells(ViewerList list, int column, int direction, const std::string& first,
                 const std::string& second) {
    int result;
    if (isNumberColumn(list, column)) {
        const unsigned long long a = std::strtoull(first.c_str(), nullptr, 10);
        const unsigned long long b = std::strtoull(second.c_str(), nullptr, 10);
        result = a < b ? 1 : a == b ? 0 : -1;  // the larger number first
    } else {
        result = std::strcmp(first.c_str(), second.c_str());
    }
    return direction == kFirstOrder ? result : -result;
}

std::string listAsText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::string cell : row) {
            for (char& c : cell)
                if (c == '\r' || c == '\n') c = ' ';
            text += cell + "; ";
        }
        text += "\r\n";
    }
    return text;
}

std::string statusText(const std::string& versionSummary, int rows) {
    return versionSummary + " Processes : " + std::to_string(rows);
}

unsigned markedPriorityCommand(unsigned priorityClass, unsigned markedLast) {
    for (const PriorityEntry& entry : kPriorityEntries)
        if (entry.priorityClass == priorityClass) return entry.command;
    return markedLast;
}

std::optional<std::uint32_t> processIdText(const std::string& text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long long id = std::strtoull(text.c_str(), nullptr, 10);
    if (id > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(id);
}

bool isCriticalSystemProcess(const std::string& programPath) {
    static const char* const kCritical[] = {"csrss.exe",    "smss.exe",     "winlogon.exe",
                                            "lsass.exe",    "services.exe", "wininit.exe"};
    const std::size_t slash = programPath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? programPath : programPath.substr(slash + 1);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const char* critical : kCritical)
        if (name == critical) return true;
    return false;
}
