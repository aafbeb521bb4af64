#include "power/program_watch_win.h"

#include "win32/owned_handles_win.h"

namespace {

OwnedHandle watched;

}  // namespace

ProgramWatch& programWatch() {
    static ProgramWatch instance;
    return instance;
}

void keepWatchedProcess(HANDLE process) { watched.reset(process); }

bool watchedProgramEnded() {
    return !watched || WaitForSingleObject(watched.get(), 0) != WAIT_TIMEOUT;
}

void dropProgramWatch() {
    programWatch().drop();
    watched.reset();
}
