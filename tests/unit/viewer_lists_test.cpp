#include "process_viewer/viewer_lists.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewerLists, ColumnOrders) {
    struct Case {
        ViewerList list;
        int column;
        const char* first;
        const char* second;
        int firstOrder;  // the sign with kFirstOrder; any other direction reverses it
    } cases[] = {
        {ViewerList::Windows, 0, "ALPHA", "BETA", -1},  // text ascending
        {ViewerList::Windows, 2, "9", "10", 1},         // numbers, the larger first
        {ViewerList::Windows, 2, "4294967290", "7", -1},  // Windows 9x ids, unsigned
        {ViewerList::Windows, 4, "3", "3", 0},
        {ViewerList::Windows, 3, "10", "9", -1},        // priority is text
        {ViewerList::Modules, 5, "7FF00000", "400000", 1},  // base address as text
        {ViewerList::Modules, 6, "4096", "65536", 1},
        {ViewerList::Modules, 3, "", "1", 1},           // an empty cell reads as 0
    };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "column " << c.column << " " << c.first);
        EXPECT_EQ(sign(compareCells(c.list, c.column, kFirstOrder, c.first, c.second)), c.firstOrder);
        EXPECT_EQ(sign(compareCells(c.list, c.column, kFirstOrder + 1, c.first, c.second)),
                  -c.firstOrder);
        EXPECT_EQ(sign(compareCells(c.list, c.column, 0, c.first, c.second)), -c.firstOrder);
    }
}

TEST(ViewerLists, DirectionsFlipPerColumn) {
    SortDirections directions;
    EXPECT_EQ(directions.flip(1), kFirstOrder);  // from 0
    EXPECT_EQ(directions.flip(1), kFirstOrder + 1);
    EXPECT_EQ(directions.flip(1), kFirstOrder);
    EXPECT_EQ(directions.direction(2), 0) << "columns flip alone";
    directions.set(0, kFirstOrder);  // what a full refresh leaves
    EXPECT_EQ(directions.flip(0), kFirstOrder + 1);
    directions.flip(7);
    directions.set(-1, 5);
    EXPECT_EQ(directions.direction(7), 0);
}

TEST(ViewerLists, SavedTextAndStatus) {
    EXPECT_EQ(listAsText({}), "");
    EXPECT_EQ(listAsText({{"a", "", "3"}, {"b", "c", "4"}}), "a; ; 3; \r\nb; c; 4; \r\n");
    EXPECT_EQ(listAsText({{"two\r\nlines", "x\ny"}}), "two  lines; x y; \r\n");
    EXPECT_EQ(statusText("x.exe 1.0", 12), "x.exe 1.0 Processes : 12");
}

TEST(ViewerLists, ProcessIdsAndCriticalProcesses) {
    EXPECT_EQ(processIdText("4294967290"), 4294967290u) << "beyond INT_MAX on Windows 9x";
    for (const char* bad : {"", "-5", "12x", "4294967296", " 7"})
        EXPECT_EQ(processIdText(bad), std::nullopt) << bad;
    for (const char* path : {"csrss.exe", "C:\\WINDOWS\\system32\\WinLogon.EXE",
                             "\\SystemRoot\\System32\\smss.exe", "lsass.exe", "services.exe",
                             "wininit.exe"})
        EXPECT_TRUE(isCriticalSystemProcess(path)) << path;
    for (const char* path : {"notepad.exe", "C:\\tools\\csrss.exe.bak", "mycsrss.exe", ""})
        EXPECT_FALSE(isCriticalSystemProcess(path)) << path;
}

TEST(ViewerLists, PriorityMark) {
    EXPECT_EQ(markedPriorityCommand(0x100, 237), 245u);
    EXPECT_EQ(markedPriorityCommand(0x40, 245), 243u);
    EXPECT_EQ(markedPriorityCommand(0x4000, 244), 244u) << "below normal: the last mark stays";
    EXPECT_EQ(markedPriorityCommand(0, 237), 237u) << "unreadable";
}

}  // namespace
