#include "framework/core/CTime.h"

#include <cstdio>
#include <string>

namespace {

const char* const weekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};

bool ToLocal(std::time_t t, std::tm& out) {
#ifdef _WIN32
  return localtime_s(&out, &t) == 0;
#else
  return localtime_r(&t, &out) != nullptr;
#endif
}

bool ToGmt(std::time_t t, std::tm& out) {
#ifdef _WIN32
  return gmtime_s(&out, &t) == 0;
#else
  return gmtime_r(&t, &out) != nullptr;
#endif
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = (unsigned)(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + (long long)doe - 719468;
}

// Seconds east of UTC of a broken-down local time of instant t.
long OffsetFromUtc(const std::tm& local, std::time_t t) {
  long long localSeconds =
      DaysFromCivil(local.tm_year + 1900LL, (unsigned)local.tm_mon + 1, (unsigned)local.tm_mday) * 86400 +
      local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  return (long)(localSeconds - (long long)t);
}

std::string Offset(long seconds) {
  char text[8];
  long minutes = (seconds < 0 ? -seconds : seconds) / 60;
  std::snprintf(text, sizeof text, "%c%02ld%02ld", seconds < 0 ? '-' : '+', minutes / 60 % 100, minutes % 60);
  return text;
}

CString FormatTm(const char* format, const std::tm& tm, long offset, const char* zoneName) {
  std::string out;
  char number[16];
  auto two = [&](int v) {
    std::snprintf(number, sizeof number, "%02d", v);
    out += number;
  };
  for (const char* p = format ? format : ""; *p; ++p) {
    if (*p != '%' || !p[1]) {
      out += *p;
      continue;
    }
    switch (*++p) {
      case 'a': out.append(weekdays[tm.tm_wday % 7], 3); break;
      case 'A': out += weekdays[tm.tm_wday % 7]; break;
      case 'b': out.append(months[tm.tm_mon % 12], 3); break;
      case 'B': out += months[tm.tm_mon % 12]; break;
      case 'd': two(tm.tm_mday); break;
      case 'e':
        std::snprintf(number, sizeof number, "%2d", tm.tm_mday);
        out += number;
        break;
      case 'H': two(tm.tm_hour); break;
      case 'I': two(tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12); break;
      case 'j':
        std::snprintf(number, sizeof number, "%03d", tm.tm_yday + 1);
        out += number;
        break;
      case 'm': two(tm.tm_mon + 1); break;
      case 'M': two(tm.tm_min); break;
      case 'p': out += tm.tm_hour < 12 ? "AM" : "PM"; break;
      case 'S': two(tm.tm_sec); break;
      case 'y': two(tm.tm_year % 100); break;
      case 'Y':
        std::snprintf(number, sizeof number, "%d", tm.tm_year + 1900);
        out += number;
        break;
      case 'z': out += Offset(offset); break;
      case 'Z': out += zoneName && *zoneName ? zoneName : Offset(offset); break;
      case '%': out += '%'; break;
      default:
        out += '%';
        out += *p;
        break;
    }
  }
  return CString(out);
}

}  // namespace

CTime CTime::GetCurrentTime() {
  return CTime(std::time(nullptr));
}

CString CTime::Format(const char* format) const {
  std::tm local = {};
  if (!ToLocal(seconds, local)) return CString();
  char zone[64] = "";
  std::strftime(zone, sizeof zone, "%Z", &local);
  return FormatTm(format, local, OffsetFromUtc(local, seconds), zone);
}

CString CTime::FormatGmt(const char* format) const {
  std::tm gmt = {};
  if (!ToGmt(seconds, gmt)) return CString();
  return FormatTm(format, gmt, 0, "UTC");
}
