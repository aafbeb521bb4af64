#pragma once

// The ids of the options window's buttons and of its computer list.
namespace options_command {
constexpr unsigned kChooseIcon = 133;
constexpr unsigned kOk = 224;
constexpr unsigned kCancel = 225;
constexpr unsigned kCommandLineHelp = 226;
constexpr unsigned kAddComputer = 227;
constexpr unsigned kRemoveComputer = 228;
}  // namespace options_command

constexpr int kComputerListId = 233;
