#include <gtest/gtest.h>

#include "framework/core/CString.h"

namespace {

TEST(CStringFormat, IntegersTakeTheirWindowsSizes) {
  CString s;
  // "%ld" reads 32 bits: 0x80000000 is negative, and a 64-bit value after
  // it must still be read from the right place.
  s.Format("%ld|%lu|%I64d|%I64u|%d", (DWORD)0x80000000, (DWORD)0x80000000, (LONGLONG)-5000000000LL,
           (ULONGLONG)18446744073709551615ULL, 7);
  EXPECT_EQ(s, "-2147483648|2147483648|-5000000000|18446744073709551615|7");
}

TEST(CStringFormat, Conversions) {
  struct Case {
    const char* expected;
    CString actual;
  };
  auto f = [](const char* format, auto... args) {
    CString s;
    s.Format(format, args...);
    return s;
  };
  const Case cases[] = {
      {"00ABCDEF.OBP", f("%08lX.OBP", (DWORD)0xABCDEF)},
      {" REG_SZ : Name              : x", f(" %-6s : %-17s : %s", "REG_SZ", "Name", "x")},
      {"  -42|-42  |+42", f("%5d|%-5d|%+d", -42, -42, 42)},
      {"ff|377|0x1f", f("%x|%o|%#x", 255, 255, 31)},
      {"A|abc|ab", f("%c|%s|%.2s", 'A', "abc", "abc")},
      {"   abc|abc   ", f("%*s|%-*s", 6, "abc", 6, "abc")},
      {"3.50|1e+06", f("%.2f|%g", 3.5, 1000000.0)},
      {"100%|%", f("100%%|%")},
      {"(null)", f("%s", (const char*)nullptr)},
      {"-1|65535|-1|255", f("%hd|%hu|%hhd|%hhu", 0xFFFF, 0xFFFF, 0xFF, 0xFF)},
      {"%n stays", f("%n stays")},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual.str(), c.expected);
}

TEST(CStringFormat, LongOutputIsNotCut) {
  std::string big(1000, 'x');
  CString s;
  s.Format("[%s]", big.c_str());
  EXPECT_EQ(s.GetLength(), 1002);
}

TEST(CString, Operations) {
  CString s("  Service Pack 6  ");
  s.TrimLeft();
  s.TrimRight();
  EXPECT_EQ(s, "Service Pack 6");
  EXPECT_EQ(s.CompareNoCase("SERVICE PACK 6"), 0);
  EXPECT_EQ(s.Find("Pack"), 8);
  EXPECT_EQ(s.Find('x'), -1);
  EXPECT_EQ(s.Left(7), "Service");
  EXPECT_EQ(s.Mid(8), "Pack 6");
  EXPECT_EQ(s.Mid(8, 100), "Pack 6");
  EXPECT_EQ(s.Right(1), "6");
  EXPECT_EQ(s.Left(-3), "");
  EXPECT_EQ(s.ReverseFind(' '), 12);
  s.MakeUpper();
  EXPECT_EQ(s, "SERVICE PACK 6");
  EXPECT_EQ(s.Replace("SERVICE ", ""), 1);
  EXPECT_EQ(s, "PACK 6");

  CString buffer;
  std::snprintf(buffer.GetBuffer(80), 81, "%s", "filled");
  buffer.ReleaseBuffer();
  EXPECT_EQ(buffer, "filled");
  EXPECT_EQ(buffer.GetLength(), 6);
}

}  // namespace
