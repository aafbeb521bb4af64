#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rows of the process viewer's lists, built from records of one
// moment: the top-level windows, one process snapshot, and the full paths
// of one walk over the processes, each looked up by process id.

// A process as the process snapshot reports it.
struct ProcessRecord {
    std::uint32_t pid = 0;
    std::uint32_t parentPid = 0;
    std::uint32_t threads = 0;
    std::int32_t basePriority = 0;
    std::string exeName;  // as the snapshot names it; a full path only on some systems
};

// A top-level window, in the order the system enumerates them.
struct WindowRecord {
    bool owned = false;
    std::string title;
    std::uint32_t pid = 0;
    std::string className;  // read only for unowned, titled windows
    std::uintptr_t handle = 0;
};

// A row of the window list: one per titled, unowned top-level window whose
// process the snapshot has.
struct WindowRow {
    std::string title;
    std::string path;
    std::string pid;       // "%u"
    std::string priority;  // by the priority table
    std::string threads;   // "%u"
    std::string parent;    // "0x%08X"
    std::string className;
    std::uintptr_t window = 0;  // the row's window, which its commands act on
};

// "Idle", "Below Normal", "Normal", "Above Normal", "High", "Lowest" (15),
// "Real Time"; any other base priority as its number.
std::string priorityText(std::int32_t basePriority);

// The full path of a process's program where the system can tell it (NT 5
// and later); nothing keeps the snapshot's name.
using FullPathLookup = std::function<std::optional<std::string>(std::uint32_t pid)>;

// The window's row, or nothing: owned, untitled, or its process is not in
// the snapshot (or has no name there).
std::optional<WindowRow> windowRow(const WindowRecord& window,
                                   const std::vector<ProcessRecord>& processes,
                                   const FullPathLookup& fullPath);

// The window list and what it needs to decide, once a second, whether to
// append new windows or to rebuild: a window that has gone or changed its
// title shows as fewer qualifying windows than listed rows.
class WindowList {
public:
    // Every qualifying window, in enumeration order (the list view sorts).
    std::vector<WindowRow> refresh(const std::vector<WindowRecord>& windows,
                                   const std::vector<ProcessRecord>& processes,
                                   const FullPathLookup& fullPath);

    struct Pass {
        bool rebuild = false;             // run refresh instead
        std::vector<WindowRow> appended;  // new rows, in enumeration order
    };
    // The pass between refreshes: a window is new unless its process is
    // listed and some row has its title. Rows already listed stay as they are.
    Pass pass(const std::vector<WindowRecord>& windows, const std::vector<ProcessRecord>& processes,
              const FullPathLookup& fullPath);

    std::size_t rows() const { return listedPids_.size(); }

    // The last pass saw fewer qualifying windows than listed rows: the next
    // one rebuilds, without a look at the windows.
    bool needsRebuild() const { return seen_ < listedPids_.size(); }

private:
    bool listed(std::uint32_t pid, const std::string& title) const;


    std::vector<std::uint32_t> listedPids_;
    std::vector<std::string> listedTitles_;
    std::size_t seen_ = 0;  // qualifying windows of the last pass
};

// A row of the NT 4 process list.
struct Nt4ProcessRow {
    std::string title;  // the first titled window of the process, else empty
    std::string path;   // its first module's full path
    std::string pid;    // "%i"
    std::uintptr_t window = 0;  // that window, 0 without one
};
struct PathRecord {
    std::uint32_t pid = 0;
    std::string path;
};
std::vector<Nt4ProcessRow> nt4ProcessRows(const std::vector<PathRecord>& processes,
                                          const std::vector<WindowRecord>& windows);

// A module of a process, as the module snapshot reports it.
struct ModuleRecord {
    std::string module;
    std::string path;
    std::uint32_t pid = 0;
    std::uint32_t globalUsage = 0;
    std::uint32_t processUsage = 0;
    std::uintptr_t base = 0;
    std::uint32_t size = 0;
};
// Module, path, pid, global and process usage, base ("%x"), size.
std::vector<std::string> moduleRow(const ModuleRecord& module);
