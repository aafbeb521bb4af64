#pragma once

#include <string>

// The schedule's time of day (zeit, "HH:MM:SS"; the options window stores
// it with a closing blank) and date (tag, "DD.MM.YYYY"): one type, one
// reader and one writer each, for the scheduler and the options window.

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};
struct CalendarDate {
    int day = 0, month = 0, year = 0;
};

// A stored text read at its fixed places, each place as a number the way
// settings are read (a place past the end reads 0), and whether the whole
// text is one: exactly that form (for the time, with or without its
// closing blank), digits where digits belong, every part in range (years
// from 1970).
template <typename Value>
struct ClockText {
    Value value;
    bool valid = false;
};
ClockText<TimeOfDay> readTimeOfDay(const std::string& text);
ClockText<CalendarDate> readDate(const std::string& text);

// The forms the options window stores: "21:30:00 " and "24.12.2004".
std::string timeOfDayText(const TimeOfDay& time);
std::string dateText(const CalendarDate& date);
