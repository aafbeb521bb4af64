#include "process_viewer/process_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ProcessRows, PriorityTable) {
    struct Case {
        int base;
        const char* text;
    } cases[] = {{4, "Idle"},  {6, "Below Normal"}, {8, "Normal"},     {10, "Above Normal"},
                 {13, "High"}, {15, "Lowest"},      {24, "Real Time"}, {9, "9"}};
    for (const Case& c : cases) EXPECT_EQ(priorityText(c.base), c.text) << c.base;
}

const std::vector<ProcessRecord> kProcesses = {
    {100, 4, 3, 8, "a.exe"},
    {200, 100, 12, 13, "b.exe"},
    {300, 100, 1, 8, ""},  // a process the snapshot names without a name
};

std::string line(const WindowRow& r) {
    return r.title + "|" + r.path + "|" + r.pid + "|" + r.priority + "|" + r.threads + "|" +
           r.parent + "|" + r.className;
}

std::vector<std::string> lines(const std::vector<WindowRow>& rows) {
    std::vector<std::string> out;
    for (const WindowRow& r : rows) out.push_back(line(r));
    return out;
}

TEST(ProcessRows, WhichWindowsGetARowAndWhatItShows) {
    const std::vector<WindowRecord> windows = {
        {false, "zeta", 100, "Z"},
        {true, "owned dialog", 100, "#32770"},
        {false, "", 100, "untitled"},
        {false, "not in the snapshot", 999, "X"},
        {false, "nameless process", 300, "N"},
        {false, "Alpha", 200, "A"},
        {false, "beta", 100, "B"},  // a second window of process 100
    };
    WindowList list;
    const auto rows = list.refresh(windows, kProcesses, nullptr);
    // in the system's order: the list sorts them
    EXPECT_EQ(lines(rows), (std::vector<std::string>{
                               "zeta|a.exe|100|Normal|3|0x00000004|Z",
                               "Alpha|b.exe|200|High|12|0x00000064|A",
                               "beta|a.exe|100|Normal|3|0x00000004|B",
                           }));
    // where the system tells full paths, they replace the snapshot's names
    const FullPathLookup full = [](std::uint32_t pid) -> std::optional<std::string> {
        if (pid == 200) return std::string("C:\\Programs\\b.exe");
        return std::nullopt;
    };
    EXPECT_EQ(windowRow(windows[5], kProcesses, full)->path, "C:\\Programs\\b.exe");
    EXPECT_EQ(windowRow(windows[0], kProcesses, full)->path, "a.exe");
}

TEST(ProcessRows, NoLimitOnTheNumberOfWindows) {
    std::vector<WindowRecord> windows;
    for (int i = 0; i < 600; ++i) windows.push_back({false, "w" + std::to_string(i), 100, "C"});
    WindowList list;
    EXPECT_EQ(list.refresh(windows, kProcesses, nullptr).size(), 600u);
    EXPECT_TRUE(list.pass(windows, kProcesses, nullptr).appended.empty());
}

// New windows are appended; a window gone or retitled rebuilds the list at
// the pass after the one that saw it; rows already listed are left alone.
TEST(ProcessRows, PassesBetweenRefreshes) {
    std::vector<WindowRecord> windows = {{false, "b", 100, "C"}, {false, "a", 200, "C"}};
    WindowList list;
    list.refresh(windows, kProcesses, nullptr);
    auto pass = list.pass(windows, kProcesses, nullptr);
    EXPECT_FALSE(pass.rebuild);
    EXPECT_TRUE(pass.appended.empty()) << "nothing changed";

    windows.push_back({false, "0 new", 200, "C"});
    std::vector<ProcessRecord> changed = kProcesses;
    changed[0].threads = 99;  // a listed process changes: its row stays
    pass = list.pass(windows, changed, nullptr);
    ASSERT_EQ(pass.appended.size(), 1u);
    EXPECT_EQ(pass.appended[0].title, "0 new") << "appended, not sorted in";
    EXPECT_FALSE(list.pass(windows, changed, nullptr).rebuild);
    EXPECT_EQ(list.rows(), 3u);

    struct Change {
        const char* name;
        void (*apply)(std::vector<WindowRecord>&);
    } changes[] = {
        {"a window gone", [](std::vector<WindowRecord>& w) { w.pop_back(); }},
        {"a title changed", [](std::vector<WindowRecord>& w) { w[0].title = "b2"; }},
    };
    for (const Change& c : changes) {
        std::vector<WindowRecord> now = windows;
        list.refresh(now, kProcesses, nullptr);
        c.apply(now);
        EXPECT_FALSE(list.pass(now, kProcesses, nullptr).rebuild) << c.name;
        EXPECT_TRUE(list.pass(now, kProcesses, nullptr).rebuild) << c.name << ": the pass after";
    }
}

TEST(ProcessRows, Nt4ProcessAndModuleRows) {
    const std::vector<WindowRecord> windows = {
        {true, "", 7, "untitled"}, {true, "owned but titled", 7, "D"}, {false, "main", 7, "M"}};
    const auto rows = nt4ProcessRows({{7, "C:\\a.exe"}, {8, "C:\\b.exe"}, {0xFFFFFFFF, "x"}}, windows);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].title + "|" + rows[0].path + "|" + rows[0].pid, "owned but titled|C:\\a.exe|7");
    EXPECT_EQ(rows[1].title + "|" + rows[1].pid, "|8") << "a process without a titled window";
    EXPECT_EQ(rows[2].pid, "-1") << "signed";

    EXPECT_EQ(moduleRow({"k.dll", "C:\\k.dll", 7, 65535, 3, 0x7C800000, 4096}),
              (std::vector<std::string>{"k.dll", "C:\\k.dll", "7", "65535", "3", "7c800000", "4096"}));
}

}  // namespace
