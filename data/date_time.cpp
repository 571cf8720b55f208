#include "data/date_time.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace quorval {

namespace {

constexpr long long kMsPerDay = 86400000LL;
// Days from 1970-01-01 back to the epoch of the files, 1899-12-30.
constexpr long long kUnixEpochDays = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

bool LeapYear(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(long long y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && LeapYear(y) ? 29 : days[m - 1];
}

double FromParts(long long days, long long msOfDay) {
  return static_cast<double>(days) + static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
}

// Reads exactly `count` digits at text[pos].
bool Digits(const std::string& text, size_t& pos, size_t count, int& out) {
  if (pos + count > text.size()) return false;
  int v = 0;
  for (size_t i = 0; i < count; ++i) {
    const char c = text[pos + i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  pos += count;
  return true;
}

}  // namespace

bool EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond,
                    double& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return false;
  const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                         kUnixEpochDays;
  const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  value = FromParts(days, ms);
  return true;
}

double NowDateTime() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  double value = 0;
  EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec > 59 ? 59 : local.tm_sec, 0, value);
  return value;
}

std::string DateTimeText(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 3.0e6) value = 0;
  const long long total = std::llround(value * static_cast<double>(kMsPerDay));
  long long days = total / kMsPerDay;
  long long ms = total % kMsPerDay;
  if (ms < 0) {
    ms += kMsPerDay;
    --days;
  }
  long long y;
  unsigned m, d;
  CivilFromDays(days - kUnixEpochDays, y, m, d);
  const long long secs = ms / 1000;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04lld-%02u-%02u %02lld:%02lld:%02lld", y, m, d, secs / 3600,
                secs / 60 % 60, secs % 60);
  std::string text = buf;
  if (ms % 1000) {
    std::snprintf(buf, sizeof buf, ".%03lld", ms % 1000);
    text += buf;
  }
  return text;
}

bool ParseDateTime(const std::string& text, double& value) {
  size_t p = 0;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (!Digits(text, p, 4, y) || p >= text.size() || text[p++] != '-' || !Digits(text, p, 2, mo) ||
      p >= text.size() || text[p++] != '-' || !Digits(text, p, 2, d))
    return false;
  if (p < text.size()) {
    if (text[p] != ' ' && text[p] != 'T') return false;
    ++p;
    if (!Digits(text, p, 2, h) || p >= text.size() || text[p++] != ':' || !Digits(text, p, 2, mi))
      return false;
    if (p < text.size() && text[p] == ':') {
      ++p;
      if (!Digits(text, p, 2, s)) return false;
      if (p < text.size() && text[p] == '.') {
        ++p;
        int scale = 100, digits = 0;
        while (p < text.size() && digits < 3 && text[p] >= '0' && text[p] <= '9') {
          ms += (text[p++] - '0') * scale;
          scale /= 10;
          ++digits;
        }
        if (digits == 0) return false;
      }
    }
    if (p != text.size()) return false;
  }
  return EncodeDateTime(y, mo, d, h, mi, s, ms, value);
}

}  // namespace quorval
