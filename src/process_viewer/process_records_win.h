#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "process_viewer/process_rows.h"

// What the system tells of its processes and windows at this moment,
// through Toolhelp (KERNEL32) and PSAPI, both looked up at run time: a
// system without them yields empty records, and the program still loads.

// Which process viewer the system gets: none where its version cannot be
// read; the NT 4 viewer on NT 4 and earlier, whose lists come from PSAPI
// alone; the window list everywhere else.
enum class ViewerKind { None, Nt4, WindowList };
ViewerKind viewerKind();

// NT 4 itself, the one system whose process list the NT 4 viewer fills.
bool isNt4();

// One process snapshot.
std::vector<ProcessRecord> processSnapshot();

// Every top-level window, in the system's order.
std::vector<WindowRecord> topLevelWindows();

// Reads the top-level windows again and again, for the once-a-second pass:
// each question about a window costs a round trip to the window manager
// under Wine, so what a window cannot change (its process, its class) and
// whether it has an owner are asked once per window; its title every time.
class WindowReader {
public:
    std::vector<WindowRecord> read();

private:
    struct Fixed {
        bool owned = false;
        std::uint32_t pid = 0;
        std::optional<std::string> className;  // asked once the window could be a row
    };
    std::map<std::uintptr_t, Fixed> known_;  // by window handle
};

// The modules of one process; empty for a process that has ended.
std::vector<ModuleRecord> moduleSnapshot(std::uint32_t pid);

// Every process whose program the system names, with its full path, by
// one walk over the processes. A failing enumeration is reported on the
// standard error stream ("Enumerating Processes").
std::vector<PathRecord> processPaths();

// Full paths by process id for the rows of one pass: the walk runs once,
// at the first question, and only on NT 5 and later, where the snapshot
// names programs without their folder.
class FullPaths {
public:
    std::optional<std::string> operator()(std::uint32_t pid);

private:
    std::optional<std::vector<PathRecord>> walked_;
};

// The program a process runs now, named as a row of the window list names
// it (nt4List: as a row of the NT 4 process list); none for a process that
// has ended. A row whose path differs is no longer about this process.
std::optional<std::string> programPathNow(std::uint32_t pid, bool nt4List);
