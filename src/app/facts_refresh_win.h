#pragma once

#include <string>

// The folder of the running Dormival.exe, "" when the system cannot name it.
// The program's files are looked up there, whatever the current directory.
std::string programDirectory();

// Takes the home directory and the language of language.dat in it.
void takeProgramFacts(const std::string& homeDirectory);

// Runs as each of our windows is created: removes the old Run-key autostart,
// takes the home directory and language, tests hibernation, detects the
// Windows version and reads AppIcon.
void runWindowCreationStep();
