#pragma once

// Empties the browser's cache ("Temporary Internet Files") and ends the
// browser session. wininet.dll is loaded from the system directory for
// this alone: some Windows 95 machines have none, and there nothing is
// done. True when every entry was visited.
bool emptyBrowserCache();
