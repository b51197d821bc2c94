// UTF-16 text to the ANSI code page the simulated machines use, Windows-1252:
// what the "A" functions of a Western Windows give for Unicode registry data.
// Characters that code page lacks become '?', as with WideCharToMultiByte's
// default character.
#pragma once

#include <cstddef>
#include <string>

#include "platform/PlatformTypes.h"

namespace ansi {
char FromUnicode(unsigned codeUnit);
// count UTF-16LE code units from bytes (2 * count bytes); NULs are kept.
std::string FromUtf16(const BYTE* bytes, size_t count);
}  // namespace ansi
