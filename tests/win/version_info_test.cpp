#include "process_viewer/version_info_win.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "common/version.h"

namespace {

std::string ownPath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof(path));
    return path;
}

// The test program carries the program's version resource.
TEST(VersionInfo, ReportAndSummaryOfAFileWithAVersionResource) {
    const std::string path = ownPath();
    const auto report = versionReportText(path);
    ASSERT_TRUE(report);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    const auto escaped = [](const std::string& text) {
        return std::regex_replace(text, std::regex(R"([\\.])"), R"(\$&)");
    };
    const std::string version = escaped(DORMIVAL_VERSION);
    const std::regex expected(
        escaped(path) + "\n\nFile version " + version + "\\.0\\.0\n"
        "Code Table: 040904E4\n"
        "CompanyName: Dormival developers\n"
        "FileDescription: Dormival - ShutDown your System\n"
        "FileVersion: " + version + "\n"
        "InternalName: Dormival\n"
        "OriginalFilename: Dormival\\.exe\n"
        "ProductName: Dormival\n"
        "ProductVersion: " + version + "\n"
        "LastWriteTime: \\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d\n"
        "LastAccessTime: \\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d\n"
        "CreationTime: \\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d\n"
        "FileAttributes: [ a]{9}\n"
        "FileSize: " + std::to_string(data.nFileSizeLow) + " Bytes\n");
    EXPECT_TRUE(std::regex_match(*report, expected)) << *report;
    EXPECT_EQ(versionSummaryOf(path), "FileDescription: Dormival - ShutDown your System\n  ");
}

TEST(VersionInfo, NothingWithoutAVersionResource) {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof(windows));
    for (const std::string& path : {std::string(windows), std::string(windows) + "\\no such.exe"}) {
        EXPECT_FALSE(versionReportText(path)) << path;
        EXPECT_EQ(versionSummaryOf(path), "") << path;
    }
}

std::string boxCaption;
void CALLBACK closeReport(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND box = FindWindowA("#32770", nullptr);
    char caption[64] = "";
    GetWindowTextA(box, caption, sizeof(caption));
    boxCaption = caption;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(VersionInfo, ReportIsShownInAMessageBox) {
    boxCaption = "-";
    SetTimer(nullptr, 0, 200, closeReport);
    showVersionReport(nullptr, ownPath());
    EXPECT_EQ(boxCaption, "Version Information");
}

}  // namespace
