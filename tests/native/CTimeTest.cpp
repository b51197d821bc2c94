#include <gtest/gtest.h>

#include "framework/core/CTime.h"

namespace {

TEST(CTime, FormatsWithEnglishNames) {
  // 2026-12-11 09:15:02 UTC, a Friday.
  CTime time(1796980502);
  EXPECT_EQ(time.FormatGmt("%A, %B %d, %Y - %H:%M:%S").str(), "Friday, December 11, 2026 - 09:15:02");
  EXPECT_EQ(time.FormatGmt("%a, %d %b %Y %H:%M:%S %z").str(), "Fri, 11 Dec 2026 09:15:02 +0000");
  EXPECT_EQ(time.FormatGmt("%y|%m|%e|%I%p|%j|%%|%Q").str(), "26|12|11|09AM|345|%|%Q");
}

TEST(CTime, LocalOffsetMatchesTheLocalClock) {
  CTime time(1796980502);
  CString offset = time.Format("%z");
  ASSERT_EQ(offset.GetLength(), 5);
  int minutes = atoi(offset.Mid(1, 2)) * 60 + atoi(offset.Mid(3, 2));
  if (offset[0] == '-') minutes = -minutes;
  // Shifting the UTC clock by the offset gives the local clock.
  CTime shifted(time.GetTime() + minutes * 60);
  EXPECT_EQ(shifted.FormatGmt("%Y-%m-%d %H:%M:%S"), time.Format("%Y-%m-%d %H:%M:%S"));
}

}  // namespace
