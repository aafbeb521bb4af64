// Hand-edited stored texts through every reader of the core: a whole
// settings load from values of any content, then what reads those values
// (the schedule with its time and date, the options window's view, the
// integer settings, checkscreen's countdown length), and the favourites'
// value names and mode numbers on their way back to the store. The input
// is split at line ends into the texts.
#include <cstddef>
#include <cstdint>
#include <climits>
#include <string>
#include <vector>

#include "common/decimal.h"
#include "display/favourite_modes.h"
#include "options/options_view.h"
#include "power/scheduler.h"
#include "program_favourites/program_favourites.h"
#include "settings/settings.h"
#include "settings/stored_values.h"
#include "support/fake_settings_store.h"

namespace {

constexpr const char* kValueNames[] = {
    "action",        "checkscreen",       "forceshutdown",      "poweroff",    "showwarning",
    "tag",           "zeit",              "minuten",            "emptyIEFiles", "TaskManagerAktion",
    "forcehibernate", "forcestandby",     "forcereboot",        "forcelogoff", "mouseclick",
    "NetworkDrives", "forcenetshutdown",  "shownetworkwarning", "AppIcon",     "Hibernate",
    "ForceCritical", "DisableWakeEvent",  "usedblclick"};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out(1);
    for (const char c : text) {
        if (c == '\n')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// atoi with saturation, the slow way
long long referenceInt(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL << 40);
    value = negative ? -value : value;
    return std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value));
}

void checkUniqueNames(const std::vector<StoredValue>& stored) {
    for (std::size_t i = 0; i < stored.size(); ++i)
        for (std::size_t j = i + 1; j < stored.size(); ++j)
            if (sameValueName(stored[i].name, stored[j].name)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> texts =
        lines(std::string(reinterpret_cast<const char*>(data), size));

    FakeSettingsStore store;
    for (std::size_t i = 0; i < std::size(kValueNames); ++i)
        store.setText(kValueNames[i], texts[i % texts.size()]);
    Settings settings;
    loadSettings(settings, store, texts.size() % 2 == 0);
    loadAppIcon(settings, store);
    Scheduler scheduler;
    if (scheduler.arm(settings, {100, 1'796'731'200}))
        for (std::uint32_t t = 0; t < 3; ++t) scheduler.tick({100 + t, 1'796'731'200 + t});
    optionsView(settings);

    for (const std::string& text : texts) {
        if (const auto t = readTimeOfDay(text); t.valid)
            if (t.value.hour > 23 || t.value.minute > 59 || t.value.second > 59) __builtin_trap();
        if (const auto d = readDate(text); d.valid) {
            if (d.value.day < 1 || d.value.day > 31 || d.value.month < 1 || d.value.month > 12)
                __builtin_trap();
            localToCalendar(d.value, {12, 0, 0});
        }
        if (settingAsInt(text) != referenceInt(text)) __builtin_trap();
        const int length = readingOf(text, Reading::UndoSeconds);
        if (length < 0 || length > 3600) __builtin_trap();
        for (Reading flag : {Reading::One, Reading::NumberOne, Reading::NumberNotZero,
                             Reading::LeadingOne, Reading::NotZero})
            if (readingOf(text, flag) >> 1) __builtin_trap();

    }

    std::vector<FavouriteMode> modes;
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) modes.push_back({texts[i], texts[i + 1]});
    checkUniqueNames(favouriteModesToStore(modes));
    checkUniqueNames(programFavouritesToStore(texts));
    return 0;
}
