#pragma once

#include <string>

// Facts of the running program rather than stored settings: taken afresh as
// each of its windows is created, never written anywhere.
struct ProgramFacts {
    bool german = false;        // language.dat beside the program asks for German texts
    std::string homeDirectory;  // the folder of Dormival.exe, where its files live
};

ProgramFacts& programFacts();
