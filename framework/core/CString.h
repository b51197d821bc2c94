// ANSI text in the system code page, with the framework's operations.
#pragma once

#include <cstdarg>
#include <string>

#include "framework/core/Win32Types.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit as in the framework
  CString(const char* text, int length);
  CString(char ch, int repeat = 1);
  explicit CString(const std::string& text) : text_(text) {}

  CString& operator=(const char* text);
  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);

  operator const char*() const { return text_.c_str(); }  // NOLINT: implicit as in the framework
  const std::string& str() const { return text_; }

  int GetLength() const { return (int)text_.size(); }
  BOOL IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  char GetAt(int index) const { return text_.at((size_t)index); }
  void SetAt(int index, char ch) { text_.at((size_t)index) = ch; }

  // Byte-wise comparison as strcmp, and case-blind in the ASCII range.
  int Compare(const char* other) const;
  int CompareNoCase(const char* other) const;

  // Index of the first occurrence at or after start, or -1.
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;

  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  void MakeUpper();
  void MakeLower();
  void TrimLeft();
  void TrimRight();
  int Replace(const char* from, const char* to);

  // printf-style formatting with the Windows C library's conventions on every
  // system: "%ld" and "%lu" take a 32-bit value, "%I64d" a 64-bit one, "%p"
  // prints the pointer as upper-case hex digits without a prefix.
  void Format(const char* format, ...);
  void FormatV(const char* format, va_list args);
  void AppendFormat(const char* format, ...);

  // Direct access for APIs that fill a buffer: at least minLength characters
  // plus the terminator; ReleaseBuffer(-1) takes the length up to the first NUL.
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string text_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);

// The formatting engine behind CString::Format, for callers that write into
// their own buffers with the same conventions.
std::string FormatWindowsStyle(const char* format, va_list args);
