#include "framework/core/CString.h"

#include <algorithm>
#include <cctype>
#include <cstring>

CString::CString(const char* text, int length) : text_(text ? text : "", text ? (size_t)std::max(length, 0) : 0) {}

CString::CString(char ch, int repeat) : text_((size_t)std::max(repeat, 0), ch) {}

CString& CString::operator=(const char* text) {
  text_ = text ? text : "";
  return *this;
}

CString& CString::operator+=(const CString& other) {
  text_ += other.text_;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(char ch) {
  text_ += ch;
  return *this;
}

int CString::Compare(const char* other) const {
  int result = std::strcmp(text_.c_str(), other ? other : "");
  return (result > 0) - (result < 0);
}

int CString::CompareNoCase(const char* other) const {
  const unsigned char* a = (const unsigned char*)text_.c_str();
  const unsigned char* b = (const unsigned char*)(other ? other : "");
  for (;; ++a, ++b) {
    int ca = std::tolower(*a), cb = std::tolower(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

int CString::Find(char ch, int start) const {
  if (start < 0 || (size_t)start > text_.size()) return -1;
  size_t pos = text_.find(ch, (size_t)start);
  return pos == std::string::npos ? -1 : (int)pos;
}

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || (size_t)start > text_.size()) return -1;
  size_t pos = text_.find(sub, (size_t)start);
  return pos == std::string::npos ? -1 : (int)pos;
}

int CString::ReverseFind(char ch) const {
  size_t pos = text_.rfind(ch);
  return pos == std::string::npos ? -1 : (int)pos;
}

CString CString::Left(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(text_.substr(0, (size_t)count));
}

CString CString::Mid(int first) const {
  return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(text_.substr((size_t)first, (size_t)count));
}

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(text_.substr(text_.size() - (size_t)count));
}

void CString::MakeUpper() {
  for (char& c : text_) c = (char)std::toupper((unsigned char)c);
}

void CString::MakeLower() {
  for (char& c : text_) c = (char)std::tolower((unsigned char)c);
}

void CString::TrimLeft() {
  size_t n = 0;
  while (n < text_.size() && std::isspace((unsigned char)text_[n])) ++n;
  text_.erase(0, n);
}

void CString::TrimRight() {
  while (!text_.empty() && std::isspace((unsigned char)text_.back())) text_.pop_back();
}

int CString::Replace(const char* from, const char* to) {
  if (!from || !*from) return 0;
  std::string replacement = to ? to : "";
  size_t fromLength = std::strlen(from);
  int count = 0;
  for (size_t pos = text_.find(from); pos != std::string::npos; pos = text_.find(from, pos + replacement.size())) {
    text_.replace(pos, fromLength, replacement);
    ++count;
  }
  return count;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = FormatWindowsStyle(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  text_ = FormatWindowsStyle(format, args);
}

void CString::AppendFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ += FormatWindowsStyle(format, args);
  va_end(args);
}

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) text_.resize((size_t)minLength);
  return &text_[0];
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = (int)std::strlen(text_.c_str());
  text_.resize((size_t)std::min(newLength, GetLength()));
}

CString operator+(const CString& a, const CString& b) {
  return CString(a.str() + b.str());
}
CString operator+(const CString& a, const char* b) {
  return CString(a.str() + (b ? b : ""));
}
CString operator+(const char* a, const CString& b) {
  return CString((a ? a : "") + b.str());
}
CString operator+(const CString& a, char b) {
  return CString(a.str() + b);
}
bool operator==(const CString& a, const CString& b) {
  return a.str() == b.str();
}
bool operator==(const CString& a, const char* b) {
  return a.Compare(b) == 0;
}
bool operator==(const char* a, const CString& b) {
  return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b) {
  return !(a == b);
}
bool operator!=(const CString& a, const char* b) {
  return !(a == b);
}
bool operator!=(const char* a, const CString& b) {
  return !(a == b);
}
bool operator<(const CString& a, const CString& b) {
  return a.Compare(b) < 0;
}
