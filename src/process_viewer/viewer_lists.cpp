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
        const int a = std::atoi(first.c_str());
        const int b = std::atoi(second.c_str());
        result = a < b ? 1 : a == b ? 0 : -1;  // the larger number first
    } else {
        result = std::strcmp(first.c_str(), second.c_str());
    }
    return direction == kFirstOrder ? result : -result;
}

std::string listAsText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (const std::string& cell : row) text += cell + "; ";
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
