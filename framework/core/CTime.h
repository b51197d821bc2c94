// A point in time, in seconds since 1970 (UTC), formatted in local time.
#pragma once

#include <ctime>

#include "framework/core/CString.h"

class CTime {
 public:
  CTime() = default;
  explicit CTime(std::time_t seconds) : seconds(seconds) {}
  static CTime GetCurrentTime();

  std::time_t GetTime() const { return seconds; }

  // strftime conventions with the default C locale's English names, the same
  // on every system: %a %A %b %B %d %e %H %I %j %m %M %p %S %y %Y %z %Z %%.
  // %z is the local offset from UTC as "+hhmm"; %Z the zone's name as the
  // system gives it, or the offset when it gives none.
  CString Format(const char* format) const;
  CString FormatGmt(const char* format) const;

 private:
  std::time_t seconds = 0;
};
