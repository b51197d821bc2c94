// The .reg reader: every value form of both file versions, what the files
// can delete, and refusal of malformed files with their file and line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/simulated/RegFileReader.h"

namespace {
const std::string kV4 = "REGEDIT4\r\n\r\n";
const std::string kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey = "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n";

// A version 5.00 file: UTF-16LE with its byte-order mark, from UTF-8 text
// (characters of the Basic Multilingual Plane only).
std::string Utf16(const std::string& utf8) {
  std::string out = "\xFF\xFE";
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = (unsigned char)utf8[i];
    unsigned code = c;
    int extra = c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) code = c & (extra == 2 ? 0x0F : 0x1F);
    for (int k = 1; k <= extra; ++k) code = (code << 6) | ((unsigned char)utf8[i + k] & 0x3F);
    i += 1 + extra;
    out += (char)(code & 0xFF);
    out += (char)(code >> 8);
  }
  return out;
}

BOOL Read(const std::string& file, CRegistryStore& store, CString& error) {
  return CRegFileReader::Read((const BYTE*)file.data(), file.size(), "t.reg", store, error);
}

std::vector<BYTE> Bytes(const std::string& text) {
  return std::vector<BYTE>(text.begin(), text.end());
}
std::vector<BYTE> Sz(const std::string& text) {
  return Bytes(std::string(text) + '\0');
}

// Test names from the cases' labels.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  std::string name;
  for (char ch : std::string(info.param.label)) name += std::isalnum((unsigned char)ch) ? ch : '_';
  return name;
}

struct ValueCase {
  const char* label;
  std::string file;
  HKEY root;
  const char* path;
  const char* name;
  DWORD type;
  std::vector<BYTE> data;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.label;
}

class ValueForms : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueForms, GiveTypeAndBytes) {
  const ValueCase& c = GetParam();
  CRegistryStore store;
  CString error;
  ASSERT_TRUE(Read(c.file, store, error)) << error;
  CRegistryKey* key = store.FindKey(c.root, c.path);
  ASSERT_NE(nullptr, key);
  const CRegistryKey::Value* value = key->FindValue(c.name);
  ASSERT_NE(nullptr, value);
  EXPECT_EQ(c.type, value->type);
  EXPECT_EQ(c.data, value->data);
}

INSTANTIATE_TEST_SUITE_P(
    RegFileReader, ValueForms,
    testing::Values(
        ValueCase{"escapes", kV4 + kKey + "\"a\"=\"x\\\\y \\\"q\\\"\"\r\n", HKEY_LOCAL_MACHINE, "Software\\Test", "a",
                  REG_SZ, Sz("x\\y \"q\"")},
        ValueCase{"escaped name", kV4 + kKey + "\"a \\\"b\\\" \\\\c\"=\"\"\r\n", HKEY_LOCAL_MACHINE, "Software\\Test",
                  "a \"b\" \\c", REG_SZ, Sz("")},
        ValueCase{"default", kV4 + kKey + "@=\"d\"\r\n", HKEY_LOCAL_MACHINE, "Software\\Test", "", REG_SZ, Sz("d")},
        ValueCase{"empty name is the default", kV4 + kKey + "\"\"=\"e\"\r\n", HKEY_LOCAL_MACHINE, "Software\\Test", "",
                  REG_SZ, Sz("e")},
        ValueCase{"blanks and comments", kV4 + "; note\r\n  " + kKey + "\t\"a\" = \"b\" ; note\r\n", HKEY_LOCAL_MACHINE,
                  "Software\\Test", "a", REG_SZ, Sz("b")},
        ValueCase{"dword",
                  kV4 + kKey + "\"n\"=dword:0000010a\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "n",
                  REG_DWORD,
                  {0x0a, 0x01, 0, 0}},
        ValueCase{"short dword",
                  kV4 + kKey + "\"n\"=dword:F\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "n",
                  REG_DWORD,
                  {0x0f, 0, 0, 0}},
        ValueCase{"binary",
                  kV4 + kKey + "\"h\"=hex:de,AD, be\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "h",
                  REG_BINARY,
                  {0xde, 0xad, 0xbe}},
        ValueCase{
            "empty binary", kV4 + kKey + "\"h\"=hex:\r\n", HKEY_LOCAL_MACHINE, "Software\\Test", "h", REG_BINARY, {}},
        ValueCase{"hex(0)", kV4 + kKey + "\"h\"=hex(0):\r\n", HKEY_LOCAL_MACHINE, "Software\\Test", "h", REG_NONE, {}},
        ValueCase{"hex(b)",
                  kV4 + kKey + "\"h\"=hex(b):01,02,03,04,05,06,07,08\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "h",
                  REG_QWORD,
                  {1, 2, 3, 4, 5, 6, 7, 8}},
        ValueCase{"hex(8)",
                  kV4 + kKey + "\"h\"=hex(8):01\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "h",
                  REG_RESOURCE_LIST,
                  {1}},
        ValueCase{"continued over lines",
                  kV4 + kKey + "\"h\"=hex:01,02,\\\r\n  03,\\\n\t04\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "h",
                  REG_BINARY,
                  {1, 2, 3, 4}},
        ValueCase{"ANSI expand string", kV4 + kKey + "\"x\"=hex(2):25,41,25,00\r\n", HKEY_LOCAL_MACHINE,
                  "Software\\Test", "x", REG_EXPAND_SZ, Sz("%A%")},
        ValueCase{"dynamic data root", kV4 + "[HKEY_DYN_DATA\\Config Manager\\Enum\\C1]\r\n\"HardWareKey\"=\"R\"\r\n",
                  HKEY_DYN_DATA, "Config Manager\\Enum\\C1", "HardWareKey", REG_SZ, Sz("R")},
        ValueCase{"short root name", kV4 + "[hkcu\\A]\r\n@=\"u\"\r\n", HKEY_CURRENT_USER, "A", "", REG_SZ, Sz("u")},
        ValueCase{"version 5 text to ANSI", Utf16(kV5 + kKey + "\"Caf\u00e9\"=\"\u20ac \u4e2d\"\r\n"),
                  HKEY_LOCAL_MACHINE, "Software\\Test", "Caf\xe9", REG_SZ, Sz("\x80 ?")},
        ValueCase{"version 5 expand string", Utf16(kV5 + kKey + "\"x\"=hex(2):25,00,41,00,25,00,00,00\r\n"),
                  HKEY_LOCAL_MACHINE, "Software\\Test", "x", REG_EXPAND_SZ, Sz("%A%")},
        ValueCase{"version 5 multi string", Utf16(kV5 + kKey + "\"m\"=hex(7):61,00,00,00,e9,00,00,00,00,00\r\n"),
                  HKEY_LOCAL_MACHINE, "Software\\Test", "m", REG_MULTI_SZ, Bytes(std::string("a\0\xe9\0\0", 5))},
        ValueCase{"version 5 binary stays",
                  Utf16(kV5 + kKey + "\"b\"=hex:61,00\r\n"),
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "b",
                  REG_BINARY,
                  {0x61, 0}},
        ValueCase{"later setting wins",
                  kV4 + kKey + "\"a\"=\"1\"\r\n\"A\"=dword:00000002\r\n",
                  HKEY_LOCAL_MACHINE,
                  "Software\\Test",
                  "a",
                  REG_DWORD,
                  {2, 0, 0, 0}}),
    CaseName<ValueCase>);

TEST(RegFileReader, DeletesKeysAndValuesAndKeepsOrder) {
  CRegistryStore store;
  CString error;
  ASSERT_TRUE(Read(kV4 + kKey + "\"b\"=\"1\"\r\n\"a\"=\"2\"\r\n\"gone\"=\"3\"\r\n\"b\"=\"4\"\r\n\"GONE\"=-\r\n" +
                       "[HKEY_LOCAL_MACHINE\\Software\\Test\\Sub\\Deep]\r\n@=\"x\"\r\n" +
                       "[-HKEY_LOCAL_MACHINE\\Software\\Test\\sub]\r\n[-HKEY_LOCAL_MACHINE\\Software\\Never]\r\n",
                   store, error))
      << error;
  CRegistryKey* key = store.FindKey(HKEY_LOCAL_MACHINE, "Software\\Test");
  ASSERT_NE(nullptr, key);
  ASSERT_EQ(2u, key->Values().size());
  EXPECT_EQ("b", key->Values()[0].name);  // replaced in place
  EXPECT_EQ(Sz("4"), key->Values()[0].data);
  EXPECT_EQ("a", key->Values()[1].name);
  EXPECT_EQ(0u, key->SubkeyCount());
  EXPECT_EQ(nullptr, store.FindKey(HKEY_LOCAL_MACHINE, "Software\\Never"));
}

struct BadCase {
  const char* label;
  std::string file;
  std::string error;  // the whole message after "t.reg:"
};

void PrintTo(const BadCase& c, std::ostream* os) {
  *os << c.label;
}

class MalformedFiles : public testing::TestWithParam<BadCase> {};

TEST_P(MalformedFiles, AreRefusedWithFileAndLineAndChangeNothing) {
  const BadCase& c = GetParam();
  CRegistryStore store;
  CString error;
  EXPECT_FALSE(Read(c.file, store, error));
  EXPECT_EQ("t.reg:" + c.error, error.str());
  EXPECT_EQ(0u, store.Root(HKEY_LOCAL_MACHINE).SubkeyCount());
}

const char kNotRegistry[] =
    "1: not a registry file: the first line must be REGEDIT4 or Windows Registry Editor Version 5.00";

INSTANTIATE_TEST_SUITE_P(
    RegFileReader, MalformedFiles,
    testing::Values(
        BadCase{"empty", "", kNotRegistry}, BadCase{"other header", "REGEDIT5\r\n", kNotRegistry},
        BadCase{"unknown root", kV4 + "[HKEY_NOWHERE\\A]\r\n", "3: unknown registry root \"HKEY_NOWHERE\""},
        BadCase{"no bracket", kV4 + "[HKEY_LOCAL_MACHINE\\A\r\n",
                "3: key line without closing bracket \"[HKEY_LOCAL_MACHINE\\A\""},
        BadCase{"empty key name", kV4 + "[HKLM\\A\\\\B]\r\n", "3: empty key name in \"HKLM\\A\\\\B\""},
        BadCase{"key name too long", kV4 + "[HKLM\\" + std::string(256, 'k') + "]\r\n",
                "3: key name longer than 255 characters"},
        BadCase{"deleting a root", kV4 + "[-HKEY_LOCAL_MACHINE]\r\n",
                "3: a registry root cannot be deleted \"HKEY_LOCAL_MACHINE\""},
        BadCase{"value before any key", kV4 + "@=\"x\"\r\n", "3: value outside of a key"},
        BadCase{"value under a deleted key", kV4 + "[-HKLM\\A]\r\n@=\"x\"\r\n", "4: value under a deleted key"},
        BadCase{"open string", kV4 + kKey + "\"a\"=\"b\r\n", "4: string without closing quote"},
        BadCase{"open name", kV4 + kKey + "\"a=\"b\"\r\n", "4: value without \"=\""},
        BadCase{"unknown escape", kV4 + kKey + "\"a\"=\"\\q\"\r\n", "4: unknown escape in string \"\\q\""},
        BadCase{"text after string", kV4 + kKey + "\"a\"=\"b\" c\r\n", "4: text after the string \" c\""},
        BadCase{"long dword", kV4 + kKey + "\"a\"=dword:123456789\r\n",
                "4: dword needs 1 to 8 hex digits \"123456789\""},
        BadCase{"bad dword", kV4 + kKey + "\"a\"=dword:xy\r\n", "4: dword needs 1 to 8 hex digits \"xy\""},
        BadCase{"bad byte", kV4 + kKey + "\"a\"=hex:01,1g\r\n", "4: bad byte in hex data \"1g\""},
        BadCase{"three digits", kV4 + kKey + "\"a\"=hex:123\r\n", "4: bad byte in hex data \"123\""},
        BadCase{"empty byte", kV4 + kKey + "\"a\"=hex:01,,02\r\n", "4: bad byte in hex data"},
        BadCase{"bad type", kV4 + kKey + "\"a\"=hex(zz):00\r\n", "4: bad hex value type \"hex(zz):00\""},
        BadCase{"bad line inside continuation", kV4 + kKey + "\"a\"=hex:01,\\\r\n02,zz\r\n",
                "5: bad byte in hex data \"zz\""},
        BadCase{"continued past the end", kV4 + kKey + "\"a\"=hex:01,\\\r\n",
                "4: continuation line missing at the end of the file"},
        BadCase{"unknown data", kV4 + kKey + "\"a\"=word:1\r\n", "4: unknown value data \"word:1\""},
        BadCase{"stray line", kV4 + kKey + "junk\r\n", "4: expected a key, a value or a comment, found \"junk\""},
        BadCase{"NUL byte", kV4 + kKey + std::string("\"a\"=\"\0\"\r\n", 8), "4: NUL character in the text"},
        BadCase{"odd UTF-16", Utf16(kV5) + "x", "1: UTF-16 text of odd length"},
        BadCase{"odd UTF-16 string data", Utf16(kV5 + kKey + "\"a\"=hex(1):41\r\n"),
                "4: UTF-16 string data of odd length"},
        BadCase{"long text is cut", kV4 + kKey + std::string(100, 'x') + "\r\n",
                "4: expected a key, a value or a comment, found \"" + std::string(60, 'x') + "...\""}),
    CaseName<BadCase>);
}  // namespace
