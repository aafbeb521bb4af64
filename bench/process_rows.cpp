// The process viewer's window list at N titled windows (50, 200, 500, in a
// helper process): our full refresh and our pass between refreshes, beside
// the per-row model, which takes two process snapshots and, on NT 5 and
// later, a walk over every process for each row. Both models must give
// the same rows. Prints a Markdown table, a row per N; bench.sh runs it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "process_viewer/process_records_win.h"

namespace {

double now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Run>
double medianMs(int runs, Run run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = now();
        run();
        times.push_back(now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The per-row model: every row looks its process up on its own.
std::vector<WindowRow> perRowModel(const std::vector<WindowRecord>& windows) {
    std::vector<WindowRow> rows;
    for (const WindowRecord& w : windows) {
        if (w.owned || w.title.empty()) continue;
        const auto forName = processSnapshot();  // the program's name
        if (std::none_of(forName.begin(), forName.end(), [&](const ProcessRecord& p) {
                return p.pid == w.pid && !p.exeName.empty();
            }))
            continue;
        const auto forDetails = processSnapshot();
        FullPaths walk;  // a walk of its own for each row
        if (auto row = windowRow(w, forDetails, std::ref(walk))) rows.push_back(*row);
    }
    return rows;
}

bool sameRows(std::vector<WindowRow> a, std::vector<WindowRow> b) {
    const auto key = [](const WindowRow& r) {
        return std::tie(r.title, r.pid, r.className, r.path, r.priority, r.threads, r.parent);
    };
    const auto before = [&](const WindowRow& x, const WindowRow& y) { return key(x) < key(y); };
    std::sort(a.begin(), a.end(), before);
    std::sort(b.begin(), b.end(), before);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](const WindowRow& x, const WindowRow& y) {
               return key(x) == key(y);
           });
}

int countBenchWindows() {
    int count = 0;
    for (const WindowRecord& w : topLevelWindows())
        count += w.title.rfind("Bench window ", 0) == 0;
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_process_rows WINTOOL.EXE\n");
        return 2;
    }
    std::printf("| windows | first refresh (ms) | later refresh (ms) | pass, nothing new (ms) | of which: reading the windows (ms) | one process snapshot (ms) | per-row model (ms) | speed-up of the first refresh | same rows |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const int n : {50, 200, 500}) {
        std::string command = "\"" + std::string(argv[1]) + "\" windows " + std::to_string(n);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION helper{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &helper))
            return 1;
        for (int i = 0; i < 200 && countBenchWindows() < n; ++i) Sleep(50);

        WindowList list;
        std::vector<WindowRow> ours;
        // the viewer's first refresh: every window is new to its reader
        const double full = medianMs(5, [&] {
            FullPaths paths;
            ours = list.refresh(topLevelWindows(), processSnapshot(), std::ref(paths));
        });
        WindowReader reader;
        reader.read();
        const double rebuild = medianMs(5, [&] {
            FullPaths paths;
            list.refresh(reader.read(), processSnapshot(), std::ref(paths));
        });
        bool quiet = true;
        const double pass = medianMs(5, [&] {
            FullPaths paths;
            const auto result = list.pass(reader.read(), processSnapshot(), std::ref(paths));
            quiet = quiet && !result.rebuild && result.appended.empty();
        });
        // the two reads every pass makes
        const double enumerate = medianMs(5, [&] { reader.read(); });
        const double snapshot = medianMs(5, [] { processSnapshot(); });
        std::vector<WindowRow> theirs;
        const double perRow = medianMs(1, [&] { theirs = perRowModel(topLevelWindows()); });
        std::printf("| %d | %.1f | %.1f | %.1f | %.1f | %.1f | %.0f | %.0f | %s |\n", n, full, rebuild, pass, enumerate,
                    snapshot, perRow, perRow / full, sameRows(ours, theirs) && quiet ? "yes" : "NO");
        std::fflush(stdout);

        TerminateProcess(helper.hProcess, 0);
        WaitForSingleObject(helper.hProcess, 5000);
        CloseHandle(helper.hProcess);
        CloseHandle(helper.hThread);
    }
    return 0;
}
