#pragma once
// Date-time values as the data files keep them: days since 30 December 1899 as
// a double, the fraction being the time of day. The text form is
// "2026-12-09 05:31:45" (with ".250" when there are milliseconds) and reads back
// to the same value for every value the program writes.

#include <string>

namespace quorval {

// The value of a calendar date and time of day; false for an impossible date.
bool EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond,
                    double& value);
// The local date and time now, to the whole second.
double NowDateTime();

// "YYYY-MM-DD HH:MM:SS" (".mmm" added when the value has milliseconds).
std::string DateTimeText(double value);
// Reads "YYYY-MM-DD", optionally followed by a blank or "T" and "HH:MM",
// ":SS" and ".m" to ".mmm". False, and the value untouched, for anything else.
bool ParseDateTime(const std::string& text, double& value);

}  // namespace quorval
