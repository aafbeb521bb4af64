#pragma once

#include <windows.h>

#include <optional>
#include <string>

// A file's version information as the process viewer shows it.

// The report's text; nothing for a file without a version resource (a
// directory, a missing file).
std::optional<std::string> versionReportText(const std::string& path);

// The report in a message box owned by owner; nothing without a version
// resource.
void showVersionReport(HWND owner, const std::string& path);

// The description and copyright lines; empty without a version resource.
std::string versionSummaryOf(const std::string& path);
