#include "platform/simulated/AnsiCodePage.h"

namespace {
// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
const unsigned short kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
}  // namespace

char ansi::FromUnicode(unsigned codeUnit) {
  if (codeUnit < 0x80 || (codeUnit >= 0xA0 && codeUnit <= 0xFF)) return (char)codeUnit;
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighControls[i] == codeUnit) return (char)(0x80 + i);
  }
  return '?';
}

std::string ansi::FromUtf16(const BYTE* bytes, size_t count) {
  std::string text;
  text.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    unsigned unit = (unsigned)bytes[2 * i] | ((unsigned)bytes[2 * i + 1] << 8);
    text += FromUnicode(unit);
    // A surrogate pair is one character, so one '?'.
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < count && bytes[2 * i + 3] >= 0xDC && bytes[2 * i + 3] < 0xE0) ++i;
  }
  return text;
}
