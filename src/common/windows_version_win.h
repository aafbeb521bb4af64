#pragma once

#include "common/windows_version.h"

// Runs the detection afresh: reads the version record (extended, else basic)
// and, where needed, the ProductType value, then stores the result. Returns
// false when neither record can be read; the platform class then stays as it
// was and the lines are empty.
bool detectWindowsVersion();

// The result of the last detection.
const WindowsVersion& windowsVersion();
