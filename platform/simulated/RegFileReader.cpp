#include "platform/simulated/RegFileReader.h"

#include <string>
#include <vector>

#include "platform/simulated/AnsiCodePage.h"

namespace {
const char kVersion4[] = "REGEDIT4";
const char kVersion5[] = "Windows Registry Editor Version 5.00";
const size_t kMaxKeyNameLength = 255;

struct Operation {
  enum Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue } kind;
  HKEY root;
  std::string path;
  std::string name;
  DWORD type;
  std::vector<BYTE> data;
};

BOOL IsBlank(char ch) {
  return ch == ' ' || ch == '\t';
}

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// 1 to maxDigits hex digits, the whole text.
BOOL ParseHexNumber(const std::string& text, size_t maxDigits, DWORD* number) {
  if (text.empty() || text.size() > maxDigits) return FALSE;
  DWORD value = 0;
  for (char ch : text) {
    int digit = HexDigit(ch);
    if (digit < 0) return FALSE;
    value = value << 4 | (DWORD)digit;
  }
  *number = value;
  return TRUE;
}

BOOL StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CRegistryKey::CompareNames(text.substr(0, prefix.size()), prefix) == 0;
}

class CParser {
 public:
  explicit CParser(const char* fileName) : fileName_(fileName ? fileName : "") {}

  BOOL Parse(const BYTE* bytes, size_t size, std::vector<Operation>& operations);
  const CString& Error() const { return error_; }

 private:
  BOOL Fail(size_t line, const char* what, const std::string& detail = std::string());
  BOOL ReadKeyLine(const std::string& text, size_t line, std::vector<Operation>& operations);
  BOOL ReadValueLine(std::string text, std::vector<Operation>& operations);
  BOOL ReadQuoted(const std::string& text, size_t& pos, std::string& out);
  BOOL ReadHexData(std::string text, std::vector<BYTE>& data);
  BOOL AtLineEnd(const std::string& text, size_t pos);

  std::string fileName_;
  CString error_;
  std::vector<std::string> lines_;
  size_t lineIndex_ = 0;  // of the line being read, from 0
  BOOL unicode_ = FALSE;
  BOOL haveKey_ = FALSE;
  BOOL keyDeleted_ = FALSE;
  HKEY root_ = nullptr;
  std::string path_;
};

BOOL CParser::Fail(size_t line, const char* what, const std::string& detail) {
  error_.Format("%s:%d: %s", fileName_.c_str(), (int)line, what);
  // Quote at most a little of the offending text: it may be any bytes.
  if (!detail.empty()) error_ += (" \"" + detail.substr(0, 60) + (detail.size() > 60 ? "...\"" : "\"")).c_str();
  return FALSE;
}

BOOL CParser::Parse(const BYTE* bytes, size_t size, std::vector<Operation>& operations) {
  std::string text;
  if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    if (size % 2 != 0) return Fail(1, "UTF-16 text of odd length");
    unicode_ = TRUE;
    text = ansi::FromUtf16(bytes + 2, (size - 2) / 2);
  } else {
    text.assign((const char*)bytes, size);
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    while (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) return Fail(lines_.size() + 1, "NUL character in the text");
    lines_.push_back(line);
    start = end + 1;
  }
  if (lines_.empty() || (Trim(lines_[0]) != kVersion4 && Trim(lines_[0]) != kVersion5))
    return Fail(1, "not a registry file: the first line must be REGEDIT4 or Windows Registry Editor Version 5.00");
  for (lineIndex_ = 1; lineIndex_ < lines_.size(); ++lineIndex_) {
    std::string line = Trim(lines_[lineIndex_]);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (!ReadKeyLine(line, lineIndex_ + 1, operations)) return FALSE;
    } else if (line[0] == '@' || line[0] == '"') {
      if (!haveKey_) return Fail(lineIndex_ + 1, "value outside of a key");
      if (keyDeleted_) return Fail(lineIndex_ + 1, "value under a deleted key");
      if (!ReadValueLine(line, operations)) return FALSE;
    } else {
      return Fail(lineIndex_ + 1, "expected a key, a value or a comment, found", line);
    }
  }
  return TRUE;
}

BOOL CParser::ReadKeyLine(const std::string& text, size_t line, std::vector<Operation>& operations) {
  if (text.size() < 2 || text.back() != ']') return Fail(line, "key line without closing bracket", text);
  std::string inner = text.substr(1, text.size() - 2);
  keyDeleted_ = !inner.empty() && inner[0] == '-';
  if (keyDeleted_) inner.erase(0, 1);
  size_t slash = inner.find('\\');
  std::string rootName = inner.substr(0, slash);
  if (!CRegistryStore::RootFromName(rootName, &root_)) return Fail(line, "unknown registry root", rootName);
  path_ = slash == std::string::npos ? std::string() : inner.substr(slash + 1);
  if (slash != std::string::npos) {
    size_t partStart = 0;
    for (;;) {
      size_t partEnd = path_.find('\\', partStart);
      size_t length = (partEnd == std::string::npos ? path_.size() : partEnd) - partStart;
      if (length == 0) return Fail(line, "empty key name in", inner);
      if (length > kMaxKeyNameLength) return Fail(line, "key name longer than 255 characters");
      if (partEnd == std::string::npos) break;
      partStart = partEnd + 1;
    }
  }
  if (keyDeleted_ && path_.empty()) return Fail(line, "a registry root cannot be deleted", rootName);
  haveKey_ = TRUE;
  operations.push_back(Operation{keyDeleted_ ? Operation::kDeleteKey : Operation::kCreateKey, root_, path_, {}, 0, {}});
  return TRUE;
}

BOOL CParser::ReadQuoted(const std::string& text, size_t& pos, std::string& out) {
  // pos stands on the opening quote; afterwards behind the closing one.
  for (++pos; pos < text.size(); ++pos) {
    char ch = text[pos];
    if (ch == '"') {
      ++pos;
      return TRUE;
    }
    if (ch == '\\') {
      if (++pos >= text.size()) break;
      switch (text[pos]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return Fail(lineIndex_ + 1, "unknown escape in string", text.substr(pos - 1, 2));
      }
    } else {
      out += ch;
    }
  }
  return Fail(lineIndex_ + 1, "string without closing quote");
}

BOOL CParser::AtLineEnd(const std::string& text, size_t pos) {
  std::string rest = Trim(text.substr(pos));
  return rest.empty() || rest[0] == ';';
}

BOOL CParser::ReadHexData(std::string text, std::vector<BYTE>& data) {
  // Lines ending in a backslash continue on the next one.
  for (;;) {
    size_t comment = text.find(';');
    if (comment != std::string::npos) text.erase(comment);
    text = Trim(text);
    if (text.empty() || text.back() != '\\') break;
    text.pop_back();
    if (++lineIndex_ >= lines_.size()) return Fail(lineIndex_, "continuation line missing at the end of the file");
    text += Trim(lines_[lineIndex_]);
  }
  if (text.empty()) return TRUE;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    std::string byte = Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    DWORD value = 0;
    BOOL trailingComma = byte.empty() && comma == std::string::npos && start > 0;
    if (!trailingComma) {
      if (!ParseHexNumber(byte, 2, &value)) return Fail(lineIndex_ + 1, "bad byte in hex data", byte);
      data.push_back((BYTE)value);
    }
    if (comma == std::string::npos) return TRUE;
    start = comma + 1;
  }
}

BOOL CParser::ReadValueLine(std::string text, std::vector<Operation>& operations) {
  size_t line = lineIndex_ + 1;
  std::string name;
  size_t pos = 1;
  if (text[0] == '"') {
    pos = 0;
    if (!ReadQuoted(text, pos, name)) return FALSE;
  }
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos >= text.size() || text[pos] != '=') return Fail(line, "value without \"=\"");
  std::string data = Trim(text.substr(pos + 1));
  Operation op{Operation::kSetValue, root_, path_, name, REG_SZ, {}};
  if (data == "-") {
    op.kind = Operation::kDeleteValue;
  } else if (!data.empty() && data[0] == '"') {
    std::string value;
    pos = 0;
    if (!ReadQuoted(data, pos, value)) return FALSE;
    if (!AtLineEnd(data, pos)) return Fail(line, "text after the string", data.substr(pos));
    op.data.assign(value.begin(), value.end());
    op.data.push_back(0);
  } else if (StartsWithNoCase(data, "dword:")) {
    std::string digits = data.substr(6);
    size_t comment = digits.find(';');
    DWORD value = 0;
    if (!ParseHexNumber(Trim(digits.substr(0, comment)), 8, &value))
      return Fail(line, "dword needs 1 to 8 hex digits", digits);
    op.type = REG_DWORD;
    for (int i = 0; i < 4; ++i) op.data.push_back((BYTE)(value >> (8 * i)));
  } else if (StartsWithNoCase(data, "hex")) {
    size_t colon = data.find(':');
    std::string kind = data.substr(3, colon == std::string::npos ? std::string::npos : colon - 3);
    op.type = REG_BINARY;
    if (colon == std::string::npos ||
        (!kind.empty() && (kind.size() < 3 || kind.front() != '(' || kind.back() != ')' ||
                           !ParseHexNumber(kind.substr(1, kind.size() - 2), 8, &op.type))))
      return Fail(line, "bad hex value type", data.substr(0, 12));
    if (!ReadHexData(data.substr(colon + 1), op.data)) return FALSE;
    // Unicode files hold string data in UTF-16; the "A" calls see it in ANSI.
    if (unicode_ && (op.type == REG_SZ || op.type == REG_EXPAND_SZ || op.type == REG_MULTI_SZ)) {
      if (op.data.size() % 2 != 0) return Fail(line, "UTF-16 string data of odd length");
      std::string converted = ansi::FromUtf16(op.data.data(), op.data.size() / 2);
      op.data.assign(converted.begin(), converted.end());
    }
  } else {
    return Fail(line, "unknown value data", data);
  }
  operations.push_back(std::move(op));
  return TRUE;
}
}  // namespace

BOOL CRegFileReader::Read(const BYTE* bytes, size_t size, const char* fileName, CRegistryStore& store, CString& error) {
  CParser parser(fileName);
  std::vector<Operation> operations;
  if (!parser.Parse(bytes, size, operations)) {
    error = parser.Error();
    return FALSE;
  }
  for (Operation& op : operations) {
    switch (op.kind) {
      case Operation::kCreateKey: store.CreateKey(op.root, op.path); break;
      case Operation::kDeleteKey: store.DeleteKey(op.root, op.path); break;
      case Operation::kSetValue:
        store.CreateKey(op.root, op.path).SetValue(op.name, op.type, std::move(op.data));
        break;
      case Operation::kDeleteValue: store.CreateKey(op.root, op.path).DeleteValue(op.name); break;
    }
  }
  return TRUE;
}
