#include "process_viewer/process_records_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/shown_windows.h"

namespace {

// The windows of another process.
class ChildWindows : public ::testing::Test {
protected:
    void SetUp() override {
        if (!shown.start()) GTEST_SKIP() << "DORMIVAL_WINTOOL names no wintool.exe";
    }
    void TearDown() override { shown.stop(); }
    ShownWindows shown;
};

TEST_F(ChildWindows, RowsOfAnotherProcessWindows) {
    const auto processes = processSnapshot();
    const auto found = std::find_if(processes.begin(), processes.end(), [&](const ProcessRecord& p) {
        return p.pid == shown.pid();
    });
    ASSERT_NE(found, processes.end());
    EXPECT_EQ(found->parentPid, GetCurrentProcessId());

    FullPaths fullPaths;
    WindowList list;
    const auto rows = list.refresh(topLevelWindows(), processes, std::ref(fullPaths));
    // Wine gives every process a titled "IME" window of its own, which
    // counts like any other
    std::vector<std::string> titles;
    for (const WindowRow& row : rows) {
        if (row.pid != std::to_string(shown.pid())) continue;
        titles.push_back(row.title);
        if (row.title != "DormivalTestShown") continue;
        EXPECT_EQ(row.className, "DormivalTestShown");
        EXPECT_NE(row.path.find("wintool.exe"), std::string::npos) << row.path;
        EXPECT_EQ(row.threads, std::to_string(found->threads));
        char parent[16];
        std::snprintf(parent, sizeof(parent), "0x%08X", static_cast<unsigned>(GetCurrentProcessId()));
        EXPECT_EQ(row.parent, parent);
    }
    EXPECT_EQ(std::count(titles.begin(), titles.end(), "DormivalTestShown"), 1);
    EXPECT_EQ(std::count(titles.begin(), titles.end(), "DormivalTestOwned"), 0) << "owned";
    EXPECT_EQ(std::count(titles.begin(), titles.end(), ""), 0) << "untitled";
    EXPECT_TRUE(list.pass(topLevelWindows(), processes, std::ref(fullPaths)).appended.empty());
}

// The reader asks a known window only for its title: a retitled window
// must still show its new title, with the class read the first time.
TEST_F(ChildWindows, ReaderSeesNewTitles) {
    const HWND window = shown.window();
    ASSERT_NE(window, nullptr);
    const auto recordOf = [&](const std::vector<WindowRecord>& windows, const char* title) {
        return std::find_if(windows.begin(), windows.end(), [&](const WindowRecord& w) {
            return w.pid == shown.pid() && w.title == title;
        });
    };
    WindowReader reader;
    auto windows = reader.read();
    ASSERT_NE(recordOf(windows, "DormivalTestShown"), windows.end());
    SetWindowTextA(window, "Renamed");
    windows = reader.read();
    EXPECT_EQ(recordOf(windows, "DormivalTestShown"), windows.end());
    const auto renamed = recordOf(windows, "Renamed");
    ASSERT_NE(renamed, windows.end());
    EXPECT_EQ(renamed->className, "DormivalTestShown");
    EXPECT_FALSE(renamed->owned);
}

// Full paths come from the walk on NT 5 and later only; the NT 4 list
// names each process by its path and its first titled window.
TEST_F(ChildWindows, FullPathsByVersionAndTheNt4List) {
    if (const char* winver = std::getenv("DORMIVAL_WINVER")) {
        const auto full = FullPaths()(shown.pid());
        if (std::string(winver) == "winxp") {
            ASSERT_TRUE(full.has_value());
            EXPECT_NE(full->find(":\\"), std::string::npos) << *full;
        } else {
            EXPECT_FALSE(full.has_value()) << winver;
        }
    }
    const auto windows = topLevelWindows();
    const auto rows = nt4ProcessRows(processPaths(), windows);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Nt4ProcessRow& r) {
        return r.pid == std::to_string(shown.pid());
    });
    ASSERT_NE(row, rows.end());
    EXPECT_NE(row->path.find("wintool.exe"), std::string::npos) << row->path;
    const auto first = std::find_if(windows.begin(), windows.end(), [&](const WindowRecord& w) {
        return w.pid == shown.pid() && !w.title.empty();
    });
    ASSERT_NE(first, windows.end());
    EXPECT_EQ(row->title, first->title);
}

TEST(ProcessRecords, ModulesAndPathsOfThisProcess) {
    char own[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, own, sizeof(own));
    const auto modules = moduleSnapshot(GetCurrentProcessId());
    ASSERT_FALSE(modules.empty());
    EXPECT_STRCASEEQ(modules[0].path.c_str(), own);
    const bool kernel = std::any_of(modules.begin(), modules.end(), [](const ModuleRecord& m) {
        return _stricmp(m.module.c_str(), "kernel32.dll") == 0;
    });
    EXPECT_TRUE(kernel);
    EXPECT_TRUE(moduleSnapshot(0xFFFFFFF0).empty()) << "no such process";

    // the walk of the NT 4 process list knows this process by its full path
    const auto paths = processPaths();
    const auto self = std::find_if(paths.begin(), paths.end(), [](const PathRecord& p) {
        return p.pid == GetCurrentProcessId();
    });
    ASSERT_NE(self, paths.end());
    EXPECT_STRCASEEQ(self->path.c_str(), own);
}

}  // namespace
