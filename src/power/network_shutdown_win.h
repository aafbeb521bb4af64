#pragma once

#include <windows.h>

#include <string>

#include "power/network_shutdown.h"

// The remote-shutdown calls in use: the system's unless a test installed
// another set.
RemoteShutdownSystem& remoteShutdownSystem();
void setRemoteShutdownSystem(RemoteShutdownSystem* replacement);

// The shell's computer browser rooted at the network neighbourhood: the
// chosen computer's name, "" when the user cancelled.
std::string browseForComputer(HWND owner, const std::string& title);
