#include "process_viewer/process_rows.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string hexId(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(id));
    return text;
}

const ProcessRecord* findProcess(const std::vector<ProcessRecord>& processes, std::uint32_t pid) {
    for (const ProcessRecord& p : processes)
        if (p.pid == pid) return &p;
    return nullptr;
}

bool qualifies(const WindowRecord& w, const std::vector<ProcessRecord>& processes) {
    if (w.owned || w.title.empty()) return false;
    const ProcessRecord* p = findProcess(processes, w.pid);
    return p && !p->exeName.empty();
}

}  // namespace

std::string priorityText(std::int32_t basePriority) {
    switch (basePriority) {
    case 4: return "Idle";
    case 6: return "Below Normal";
    case 8: return "Normal";
    case 10: return "Above Normal";
    case 13: return "High";
    case 15: return "Lowest";
    case 24: return "Real Time";
    default: return std::to_string(basePriority);
    }
}

std::optional<WindowRow> windowRow(const WindowRecord& window,
                                   const std::vector<ProcessRecord>& processes,
                                   const FullPathLookup& fullPath) {
    if (!qualifies(window, processes)) return std::nullopt;
    const ProcessRecord& p = *findProcess(processes, window.pid);
    WindowRow row;
    row.title = window.title;
    row.path = p.exeName;
    if (fullPath)
        if (auto full = fullPath(p.pid)) row.path = *full;
    row.pid = std::to_string(p.pid);
    row.priority = priorityText(p.basePriority);
    row.threads = std::to_string(p.threads);
    row.parent = hexId(p.parentPid);
    row.className = window.className;
    row.window = window.handle;
    return row;
}

std::vector<WindowRow> WindowList::refresh(const std::vector<WindowRecord>& windows,
                                           const std::vector<ProcessRecord>& processes,
                                           const FullPathLookup& fullPath) {
    std::vector<WindowRow> rows;
    listedPids_.clear();
    listedTitles_.clear();
    for (const WindowRecord& w : windows) {
        auto row = windowRow(w, processes, fullPath);
        if (!row) continue;
        listedPids_.push_back(w.pid);
        listedTitles_.push_back(w.title);
        rows.push_back(std::move(*row));
    }
    seen_ = rows.size();
    return rows;
}

bool WindowList::listed(std::uint32_t pid, const std::string& title) const {
    return std::find(listedPids_.begin(), listedPids_.end(), pid) != listedPids_.end() &&
           std::find(listedTitles_.begin(), listedTitles_.end(), title) != listedTitles_.end();
}

WindowList::Pass WindowList::pass(const std::vector<WindowRecord>& windows,
                                  const std::vector<ProcessRecord>& processes,
                                  const FullPathLookup& fullPath) {
    Pass pass;
    if (needsRebuild()) {
        pass.rebuild = true;
        return pass;
    }
    seen_ = 0;
    for (const WindowRecord& w : windows) {
        if (!qualifies(w, processes)) continue;
        ++seen_;
        if (listed(w.pid, w.title)) continue;
        pass.appended.push_back(*windowRow(w, processes, fullPath));
        listedPids_.push_back(w.pid);
        listedTitles_.push_back(w.title);
    }
    return pass;
}

std::vector<Nt4ProcessRow> nt4ProcessRows(const std::vector<PathRecord>& processes,
                                          const std::vector<WindowRecord>& windows) {
    std::vector<Nt4ProcessRow> rows;
    for (const PathRecord& p : processes) {
        Nt4ProcessRow row{"", p.path, std::to_string(static_cast<std::int32_t>(p.pid))};
        for (const WindowRecord& w : windows)
            if (w.pid == p.pid && !w.title.empty()) {
                row.title = w.title;
                row.window = w.handle;
                break;
            }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> moduleRow(const ModuleRecord& m) {
    char base[24];
    std::snprintf(base, sizeof(base), "%llx", static_cast<unsigned long long>(m.base));
    return {m.module,
            m.path,
            std::to_string(m.pid),
            std::to_string(m.globalUsage),
            std::to_string(m.processUsage),
            base,
            std::to_string(m.size)};
}
