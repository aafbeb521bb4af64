#include "settings/settings.h"

#include <optional>

#include "common/decimal.h"
#include "settings/settings_store.h"

namespace {

// What a load starts a value from, before it reads the store: Keep is what
// the value held.
enum class Load : unsigned char { Keep, Empty, Zero, One, Thirty };

// When the options' save writes a value.
enum class Saving : unsigned char { Never, Always, NotEmpty };

struct StoredSetting {
    const char* name;
    SettingText member;  // nullptr: written, never read back
    Load load;
    Saving saving;
    Reading reading;     // how the program acts on it
    Reading shown;       // how the options window shows it
};

// Every value of the settings key, in the order the options' save writes;
// "shown" is how the options window shows it.
// clang-format off
constexpr StoredSetting kRows[] = {
    // name                member                         load          save              reading                 shown                   // empty means
    {"NetworkDrives",      &Settings::NetworkDrives,      Load::Keep,   Saving::Always,   Reading::Text,          Reading::Text},         // no computers
    {"forceshutdown",      &Settings::forceshutdown,      Load::One,    Saving::Always,   Reading::NumberOne,     Reading::NotZero},      // not forced; the box checked
    {"forcenetshutdown",   &Settings::forcenetshutdown,   Load::One,    Saving::Always,   Reading::NumberNotZero, Reading::LeadingOne},   // not forced
    {"shownetworkwarning", &Settings::shownetworkwarning, Load::Thirty, Saving::Always,   Reading::Seconds,       Reading::Text},         // no delay
    {"TaskManagerAktion",  &Settings::TaskManagerAktion,  Load::Keep,   Saving::Always,   Reading::Digit,         Reading::ListItem},     // no action
    {"mouseclick",         &Settings::mouseclick,         Load::Zero,   Saving::Always,   Reading::Digit,         Reading::Number},       // no action; the list's first item
    {"tag",                &Settings::tag,                Load::Empty,  Saving::NotEmpty, Reading::Text,          Reading::Text},         // no date
    {"minuten",            &Settings::minuten,            Load::Empty,  Saving::NotEmpty, Reading::Number,        Reading::Text},         // 0 minutes
    {"zeit",               &Settings::zeit,               Load::Empty,  Saving::NotEmpty, Reading::Text,          Reading::Text},         // no time
    {"action",             &Settings::action,             Load::Empty,  Saving::Always,   Reading::Digit,         Reading::LeadingDigit}, // no schedule
    {"showwarning",        &Settings::showwarning,        Load::Empty,  Saving::Always,   Reading::Seconds,       Reading::NotZero},      // no warning; the box checked
    {"poweroff",           &Settings::poweroff,           Load::One,    Saving::Always,   Reading::NumberOne,     Reading::NotZero},      // off; the box checked
    {"forcereboot",        &Settings::forcereboot,        Load::Empty,  Saving::Always,   Reading::One,           Reading::NotZero},      // not forced; the box checked
    {"forcelogoff",        &Settings::forcelogoff,        Load::Empty,  Saving::Always,   Reading::One,           Reading::NotZero},      // not forced; the box checked
    {"forcestandby",       &Settings::forcestandby,       Load::Empty,  Saving::Always,   Reading::Number,        Reading::NotZero},      // not forced; the box checked
    {"checkscreen",        &Settings::checkscreen,        Load::Empty,  Saving::Always,   Reading::UndoSeconds,   Reading::NotZero},      // 10 seconds
    {"emptyIEFiles",       &Settings::emptyIEFiles,       Load::Zero,   Saving::Always,   Reading::One,           Reading::NotZero},      // off; the box checked
    {"AppIcon",            &Settings::AppIcon,            Load::Keep,   Saving::Always,   Reading::Text,          Reading::Text},         // our own icon
    {"forcehibernate",     &Settings::forcehibernate,     Load::Keep,   Saving::Always,   Reading::Number,        Reading::NotZero},      // not forced; the box checked
    {"standbyforce",       nullptr,                       Load::Keep,   Saving::Always,   Reading::Text,          Reading::Text},         // written beside forcestandby
    {"usedblclick",        &Settings::usedblclick,        Load::Empty,  Saving::Always,   Reading::Number,        Reading::Number},       // the last reading stays
    {"Hibernate",          &Settings::Hibernate,          Load::Keep,   Saving::Never,    Reading::Text,          Reading::Text},
    {"ForceCritical",      &Settings::ForceCritical,      Load::Keep,   Saving::Never,    Reading::Text,          Reading::Text},
    {"DisableWakeEvent",   &Settings::DisableWakeEvent,   Load::Keep,   Saving::Never,    Reading::Text,          Reading::Text},
};
// clang-format on

constexpr StoredSetting kAlwaysOnTop{"ProcessViewAlwaysOnTop", nullptr,      Load::Keep,
                                     Saving::Never,            Reading::One, Reading::One};

const StoredSetting& rowOf(SettingText member) {
    for (const StoredSetting& row : kRows)
        if (row.member == member) return row;
    return kRows[0];  // unreachable: every member has its row
}

const char* loadedText(Load load) {
    constexpr const char* kTexts[] = {nullptr, "", "0", "1", "30"};
    return kTexts[static_cast<int>(load)];
}

std::optional<std::string> readSetting(SettingsStore& store, const char* name) {
    return store.readText(name, kMaxSettingLength);
}

}  // namespace

int readingOf(std::string_view text, Reading reading) {
    const bool empty = text.empty();
    const int number = settingAsInt(text);
    const bool digit = !empty && text[0] >= '0' && text[0] <= '9';
    switch (reading) {
    case Reading::Text: return 0;
    case Reading::One: return text == "1";
    case Reading::NumberOne: return number == 1;
    case Reading::NumberNotZero: return number != 0;
    case Reading::LeadingOne: return !empty && text[0] == '1';
    case Reading::NotZero: return text != "0";
    case Reading::Number: return number;
    case Reading::Seconds: return number < 0 ? 0 : number;
    case Reading::Digit: return digit && text.size() == 1 ? text[0] - '0' : -1;
    case Reading::LeadingDigit: return empty ? 0 : digit ? text[0] - '0' : -1;
    case Reading::ListItem: return empty ? -1 : number;
    case Reading::UndoSeconds: {
        if (text == "0") return 0;
        if (empty || text.size() > 4) return 10;
        for (char c : text)
            if (c < '0' || c > '9') return 10;
        return number >= 1 && number <= 3600 ? number : 10;
    }
    }
    return 0;
}

int settingValue(const Settings& settings, SettingText member) {
    return readingOf(settings.*member, rowOf(member).reading);
}

int shownValue(const Settings& settings, SettingText member) {
    return readingOf(settings.*member, rowOf(member).shown);
}

std::vector<StoredValue> inSavingOrder(const std::vector<StoredValue>& offered) {
    std::vector<StoredValue> values;
    for (const StoredSetting& row : kRows) {
        if (row.saving == Saving::Never) continue;
        for (const StoredValue& value : offered)
            if (value.name == row.name && (row.saving == Saving::Always || !value.text.empty()))
                values.push_back(value);
    }
    return values;
}

bool readAlwaysOnTop(SettingsStore& optionsKey) {
    if (!optionsKey.open()) return false;
    const auto text = optionsKey.readText(kAlwaysOnTop.name, 1);
    optionsKey.close();
    return text && readingOf(*text, kAlwaysOnTop.reading);
}

bool writeAlwaysOnTop(SettingsStore& optionsKey, bool on) {
    if (!optionsKey.open()) return false;
    const bool written = optionsKey.writeText(kAlwaysOnTop.name, on ? "1" : "0");
    optionsKey.close();
    return written;
}

void resetToLoadDefaults(Settings& s) {
    s.startupLink.clear();
    for (const StoredSetting& row : kRows)
        if (row.member && row.load != Load::Keep) s.*row.member = loadedText(row.load);
}

void loadSettings(Settings& settings, SettingsStore& store, bool startupLinkExists) {
    resetToLoadDefaults(settings);
    if (store.open()) {
        for (const StoredSetting& row : kRows)
            if (row.member)
                if (std::optional<std::string> text = readSetting(store, row.name))
                    settings.*row.member = *text;
        store.close();
    }
    if (startupLinkExists) settings.startupLink = "exist";
    // an empty usedblclick keeps the last reading
    if (!settings.usedblclick.empty())
        settings.doubleClick = settingValue(settings, &Settings::usedblclick);
}

void loadAppIcon(Settings& settings, SettingsStore& store) {
    if (!store.open()) return;
    settings.AppIcon = readSetting(store, "AppIcon").value_or("");
    store.close();
}

bool languageFileMeansGerman(const std::string& firstBytes) {
    return firstBytes == "1";
}
