#pragma once

#include <windows.h>

#include <string>

#include "power/network_shutdown.h"

// A request's answer, posted to the main window by its worker thread:
// wParam the request's index, lParam its error.
constexpr UINT kNetworkAnswerMessage = WM_APP + 30;

// The remote-shutdown calls in use: the system's unless a test installed
// another set.
RemoteShutdownSystem& remoteShutdownSystem();
void setRemoteShutdownSystem(RemoteShutdownSystem* replacement);

// The program's network shutdowns, one at a time.
NetworkShutdowns& networkShutdowns();

// The call a worker thread makes (InitiateSystemShutdownA, looked up at
// run time); tests install one that takes its time. nullptr goes back to
// the system's.
using NetworkRequestCall = unsigned (*)(const NetworkRequest& request);
void setNetworkRequestCall(NetworkRequestCall call);

// The shell's computer browser rooted at the network neighbourhood: the
// chosen computer's name, "" when the user cancelled.
std::string browseForComputer(HWND owner, const std::string& title);
