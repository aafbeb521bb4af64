#include "settings/clock_texts.h"

#include <cstdio>

#include "common/decimal.h"

namespace {

// The number at its fixed place, read as settings are read; 0 past the end.
int placeAt(const std::string& text, std::size_t position, std::size_t length) {
    return position < text.size() ? settingAsInt(text.substr(position, length)) : 0;
}

// Digits everywhere but at the separators' places, which hold the separator.
bool hasForm(const std::string& text, std::size_t length, char separator) {
    if (text.size() != length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if ((i == 2 || i == 5) ? text[i] != separator : (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

}  // namespace

ClockText<TimeOfDay> readTimeOfDay(const std::string& text) {
    const TimeOfDay t{placeAt(text, 0, 2), placeAt(text, 3, 2), placeAt(text, 6, 2)};
    const bool closingBlank = text.size() == 9 && text[8] == ' ';
    const bool form = hasForm(closingBlank ? text.substr(0, 8) : text, 8, ':');
    return {t, form && t.hour <= 23 && t.minute <= 59 && t.second <= 59};
}

ClockText<CalendarDate> readDate(const std::string& text) {
    const CalendarDate d{placeAt(text, 0, 2), placeAt(text, 3, 2), placeAt(text, 6, 4)};
    const bool inRange = d.day >= 1 && d.day <= 31 && d.month >= 1 && d.month <= 12 && d.year >= 1970;
    return {d, hasForm(text, 10, '.') && inRange};
}

std::string timeOfDayText(const TimeOfDay& t) {
    char text[16];
    std::snprintf(text, sizeof(text), "%02d:%02d:%02d ", t.hour, t.minute, t.second);
    return text;
}

std::string dateText(const CalendarDate& d) {
    char text[16];
    std::snprintf(text, sizeof(text), "%02d.%02d.%04d", d.day, d.month, d.year);
    return text;
}
