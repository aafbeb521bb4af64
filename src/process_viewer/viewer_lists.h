#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the process viewer's windows make of their lists' texts: the order
// a column click sorts by, the lines of a saved list, the status line and
// the priority classes a row's process can be given.

// The two sortable lists: the window list and the module list.
enum class ViewerList { Windows, Modules };

// A column's sort direction, one per column number, shared by both lists:
// this value sorts text ascending and numbers largest first; any other
// value reverses that.
constexpr int kFirstOrder = 0x86;

class SortDirections {
public:
    // A click on the column: the first order unless it had it already.
    // Columns beyond the table keep no direction.
    int flip(int column);
    void set(int column, int direction);
    int direction(int column) const;

private:
    std::array<int, 7> directions_{};
};

// Columns that hold numbers compare as unsigned numbers (Windows 9x
// process ids lie above the signed range), every other one as text.
bool isNumberColumn(ViewerList list, int column);

// The comparison of two rows' cells, both already in upper case: negative
// when the first row sorts before the second.
int compareCells(ViewerList list, int column, int direction, const std::string& first,
                 const std::string& second);

// A list as the user saves it: every cell followed by "; ", every row
// ended by CR LF, no header. A line break inside a cell (a window title
// may hold one) is written as a blank, so one row stays one line.
std::string listAsText(const std::vector<std::vector<std::string>>& rows);

// The status bar after a click on a row: the file's version summary, then
// the number of rows.
std::string statusText(const std::string& versionSummary, int rows);

// The priority classes a row's process can be set to, in menu order.
struct PriorityEntry {
    const char* text;
    unsigned command;
    unsigned priorityClass;
};
constexpr std::array<PriorityEntry, 4> kPriorityEntries = {{
    {"High", 237, 0x80},
    {"Lowest", 243, 0x40},
    {"Normal", 244, 0x20},
    {"Real Time", 245, 0x100},
}};

// The entry whose check mark the priority menu shows for a process of
// this class; for any other class (or none readable) the one marked last.
unsigned markedPriorityCommand(unsigned priorityClass, unsigned markedLast);

// A row's process id, as the list shows it in decimal; none for a text that
// is not one.
std::optional<std::uint32_t> processIdText(const std::string& text);

// The processes Windows cannot run without (csrss.exe, smss.exe,
// winlogon.exe, lsass.exe, services.exe, wininit.exe), by the program
// file's name in any letter case: ending one stops Windows, and every
// unsaved document with it.
bool isCriticalSystemProcess(const std::string& programPath);
