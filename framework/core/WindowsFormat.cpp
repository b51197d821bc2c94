// printf-style formatting with the Windows C library's integer sizes, done the
// same way on every system: each conversion is decoded here, its argument taken
// at the size Windows gives it, and then printed by the C library with an
// explicit 64-bit length so that no system's own idea of "long" leaks in.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/core/CString.h"

namespace {

enum class Size { Default, Short, Char, Long32, Long64, Pointer };

// Appends one conversion printed by the C library: directive is "%", flags, width
// and precision, without length or conversion letter.
template <typename T>
void AppendConverted(std::string& out, const std::string& directive, const char* length, char conversion, T value) {
  std::string fmt = directive + length + conversion;
  char small[128];
  int needed = std::snprintf(small, sizeof small, fmt.c_str(), value);
  if (needed < 0) return;
  if ((size_t)needed < sizeof small) {
    out.append(small, (size_t)needed);
    return;
  }
  std::string big((size_t)needed + 1, '\0');
  std::snprintf(&big[0], big.size(), fmt.c_str(), value);
  out.append(big.data(), (size_t)needed);
}

long long TakeSigned(va_list& args, Size size) {
  switch (size) {
    case Size::Char: return (signed char)va_arg(args, int);
    case Size::Short: return (short)va_arg(args, int);
    case Size::Long64: return va_arg(args, long long);
    case Size::Pointer: return (long long)va_arg(args, intptr_t);
    default: return va_arg(args, int);  // "%d" and "%ld": 32 bits on Windows
  }
}

unsigned long long TakeUnsigned(va_list& args, Size size) {
  switch (size) {
    case Size::Char: return (unsigned char)va_arg(args, unsigned int);
    case Size::Short: return (unsigned short)va_arg(args, unsigned int);
    case Size::Long64: return va_arg(args, unsigned long long);
    case Size::Pointer: return (unsigned long long)va_arg(args, uintptr_t);
    default: return va_arg(args, unsigned int);
  }
}

}  // namespace

std::string FormatWindowsStyle(const char* format, va_list argsIn) {
  std::string out;
  if (!format) return out;
  va_list args;
  va_copy(args, argsIn);
  const char* p = format;
  while (*p) {
    if (*p != '%') {
      const char* next = std::strchr(p, '%');
      size_t n = next ? (size_t)(next - p) : std::strlen(p);
      out.append(p, n);
      p += n;
      continue;
    }
    const char* start = p++;
    if (*p == '%') {
      out += '%';
      ++p;
      continue;
    }
    std::string directive = "%";
    while (*p && std::strchr("-+ #0", *p)) directive += *p++;
    if (*p == '*') {
      directive += std::to_string(va_arg(args, int));
      ++p;
    } else {
      while (*p >= '0' && *p <= '9') directive += *p++;
    }
    if (*p == '.') {
      directive += *p++;
      if (*p == '*') {
        directive += std::to_string(va_arg(args, int));
        ++p;
      } else {
        while (*p >= '0' && *p <= '9') directive += *p++;
      }
    }
    // A "*" may have produced a negative width or precision; the C library
    // gives both their meaning (left-justify, no precision).
    Size size = Size::Default;
    if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
      size = Size::Long64, p += 3;
    } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
      size = Size::Long32, p += 3;
    } else if (p[0] == 'I') {
      size = Size::Pointer, p += 1;
    } else if (p[0] == 'l' && p[1] == 'l') {
      size = Size::Long64, p += 2;
    } else if (p[0] == 'h' && p[1] == 'h') {
      size = Size::Char, p += 2;
    } else if (p[0] == 'l') {
      size = Size::Long32, p += 1;
    } else if (p[0] == 'h') {
      size = Size::Short, p += 1;
    } else if (p[0] == 'L') {
      p += 1;  // long double is double on Windows
    }
    char conversion = *p;
    if (!conversion) {
      out.append(start);  // a dangling "%..." stands as written
      break;
    }
    ++p;
    switch (conversion) {
      case 'd':
      case 'i': AppendConverted(out, directive, "ll", conversion, TakeSigned(args, size)); break;
      case 'u':
      case 'x':
      case 'X':
      case 'o': AppendConverted(out, directive, "ll", conversion, TakeUnsigned(args, size)); break;
      case 'c': AppendConverted(out, directive, "", 'c', va_arg(args, int)); break;
      case 's': {
        const char* text = va_arg(args, const char*);
        AppendConverted(out, directive, "", 's', text ? text : "(null)");
        break;
      }
      case 'p': {
        // Windows prints all digits of the address, upper case, no "0x".
        char digits[32];
        std::snprintf(digits, sizeof digits, "%0*llX", (int)(2 * sizeof(void*)),
                      (unsigned long long)(uintptr_t)va_arg(args, void*));
        AppendConverted(out, directive, "", 's', digits);
        break;
      }
      case 'e':
      case 'E':
      case 'f':
      case 'g':
      case 'G': AppendConverted(out, directive, "", conversion, va_arg(args, double)); break;
      default:
        // Unknown conversions (and "%n", which would write through an
        // argument) are copied as text and take no argument.
        out.append(start, (size_t)(p - start));
        break;
    }
  }
  va_end(args);
  return out;
}
