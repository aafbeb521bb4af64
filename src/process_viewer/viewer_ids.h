#pragma once

// The class and caption of both process viewers.
constexpr const char* kProcessViewerClass = "Process Viewer";

// The process viewers' controls, timer and commands.
constexpr int kWindowListId = 211;
constexpr int kNt4ListId = 231;
constexpr int kModuleListId = 232;
constexpr int kViewerStatusId = 238;
constexpr unsigned kViewerTimerId = 3;  // the window list's once-a-second pass

namespace viewer_command {
// the menu bar's "&File" entries and the NT 4 viewer's buttons that do the same
constexpr unsigned kRefresh = 106;
constexpr unsigned kClose = 107;
constexpr unsigned kDestroy = 108;
constexpr unsigned kTerminate = 109;
constexpr unsigned kMaximise = 110;
constexpr unsigned kMinimise = 111;
constexpr unsigned kRestore = 112;
constexpr unsigned kToFront = 113;
constexpr unsigned kNt4Refresh = 125;
constexpr unsigned kNt4Close = 126;
constexpr unsigned kNt4Destroy = 127;
constexpr unsigned kNt4Terminate = 128;
constexpr unsigned kNt4Maximise = 129;
constexpr unsigned kNt4Minimise = 130;
constexpr unsigned kNt4Restore = 131;
constexpr unsigned kNt4ToFront = 132;
constexpr unsigned kVersionInfo = 234;
constexpr unsigned kModuleUsage = 236;
constexpr unsigned kExit = 239;
constexpr unsigned kSaveAs = 240;
constexpr unsigned kCopyPath = 241;
constexpr unsigned kAlwaysOnTop = 242;
constexpr unsigned kAbout = 246;
constexpr unsigned kActWhenEnded = 248;
}  // namespace viewer_command
