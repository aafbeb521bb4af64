#pragma once

#include <string>
#include <vector>

class SettingsStore;

// Values of a key of text values, as every list the program stores them
// (the settings, both favourites lists) is written: one value per name,
// the store left holding exactly the values written.

struct StoredValue {
    std::string name;
    std::string text;
};

// Makes the store hold exactly these values. Values that exist but are not
// among them are deleted only once every write succeeded; when a write
// fails, the values already written get their previous text back (or go,
// when they were new), so a failed save leaves the previous settings.
// Value names compare without regard to case: the registry knows
// "C:\\A.EXE" and "c:\\a.exe" as one value. With KeepOtherTypes a value
// that is not text (put there by hand) stays: it was never shown to the
// user, who cannot have meant to remove it.
enum class StaleValues { Delete, KeepOtherTypes };
bool replaceStoredValues(SettingsStore& store, const std::vector<StoredValue>& values,
                         StaleValues stale = StaleValues::Delete);

// Whether the registry takes the two names for one value: letters of the
// ANSI code page (1252) match their other case.
bool sameValueName(const std::string& a, const std::string& b);

// One value per name, where the first of a name stood; the later text wins.
std::vector<StoredValue> uniqueStoredValues(const std::vector<StoredValue>& values);
