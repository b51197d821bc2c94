// The simulated registry calls: the result codes, capacities and orders of
// the Win32 calls, for what the Wine comparison cannot show (Wine orders
// some names unlike Windows) and for the failure paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/simulated/RegFileReader.h"
#include "platform/simulated/SimulatedRegistry.h"

namespace {
class SimulatedRegistry : public testing::Test {
 protected:
  void SetUp() override {
    const std::string file =
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"Zeta\"=\"last set first\"\r\n\"Alpha\"=dword:1\r\n"
        "@=\"default\"\r\n\"Empty\"=hex:\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Test\\b_key]\r\n[HKEY_LOCAL_MACHINE\\Software\\Test\\BZ]\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Test\\alpha]\r\n[HKEY_LOCAL_MACHINE\\Software\\NoDefault]\r\n";
    CString error;
    ASSERT_TRUE(CRegFileReader::Read((const BYTE*)file.data(), file.size(), "t.reg", registry.Store(), error)) << error;
    ASSERT_EQ(ERROR_SUCCESS, registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Test", 0, KEY_READ, &key));
  }
  void TearDown() override {
    registry.RegCloseKey(key);
    EXPECT_EQ(0, registry.OpenKeys());
  }

  CSimulatedRegistry registry;
  HKEY key = nullptr;
};

TEST_F(SimulatedRegistry, OpensByPathWithoutRegardToCase) {
  struct {
    HKEY root;
    const char* path;
    LONG result;
  } cases[] = {
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\test\\Bz", ERROR_SUCCESS},
      {HKEY_LOCAL_MACHINE, "Software\\Missing", ERROR_FILE_NOT_FOUND},
      {HKEY_LOCAL_MACHINE, "\\Software", ERROR_BAD_PATHNAME},
      {HKEY_LOCAL_MACHINE, "Software\\\\Test\\", ERROR_SUCCESS},
      {HKEY_DYN_DATA, "Config Manager", ERROR_FILE_NOT_FOUND},
      {(HKEY)(ULONG_PTR)0x4321, "Software", ERROR_INVALID_HANDLE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    HKEY viaEx = nullptr, viaOld = nullptr;
    EXPECT_EQ(c.result, registry.RegOpenKeyExA(c.root, c.path, 0, KEY_QUERY_VALUE, &viaEx));
    EXPECT_EQ(c.result, registry.RegOpenKeyA(c.root, c.path, &viaOld));
    if (c.result == ERROR_SUCCESS) {
      EXPECT_NE(viaEx, viaOld);
      EXPECT_EQ(ERROR_SUCCESS, registry.RegCloseKey(viaEx));
      EXPECT_EQ(ERROR_SUCCESS, registry.RegCloseKey(viaOld));
      EXPECT_EQ(ERROR_INVALID_HANDLE, registry.RegCloseKey(viaOld));
    }
  }
  // The old call hands back the same handle for an empty subkey; the new one a new handle.
  HKEY same = nullptr, fresh = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegOpenKeyA(key, "", &same));
  EXPECT_EQ(key, same);
  EXPECT_EQ(ERROR_SUCCESS, registry.RegOpenKeyExA(key, nullptr, 0, KEY_READ, &fresh));
  EXPECT_NE(key, fresh);
  EXPECT_EQ(ERROR_SUCCESS, registry.RegCloseKey(fresh));
}

TEST_F(SimulatedRegistry, QueriesReportTheSizeNeeded) {
  DWORD type = 0, size = 0;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegQueryValueExA(key, "zeta", nullptr, &type, nullptr, &size));
  EXPECT_EQ((DWORD)REG_SZ, type);
  EXPECT_EQ(15u, size);  // the terminator counts

  char text[32];
  size = 14;
  EXPECT_EQ(ERROR_MORE_DATA, registry.RegQueryValueExA(key, "Zeta", nullptr, nullptr, (LPBYTE)text, &size));
  EXPECT_EQ(15u, size);
  size = sizeof text;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegQueryValueExA(key, "Zeta", nullptr, nullptr, (LPBYTE)text, &size));
  EXPECT_STREQ("last set first", text);
  EXPECT_EQ(15u, size);

  size = sizeof text;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegQueryValueExA(key, nullptr, nullptr, nullptr, (LPBYTE)text, &size));
  EXPECT_STREQ("default", text);
  size = sizeof text;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegQueryValueExA(key, "Empty", nullptr, &type, (LPBYTE)text, &size));
  EXPECT_EQ(0u, size);

  EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.RegQueryValueExA(key, "Nope", nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, registry.RegQueryValueExA(key, "Zeta", nullptr, nullptr, (LPBYTE)text, nullptr));
  HKEY noDefault = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\NoDefault", &noDefault));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.RegQueryValueExA(noDefault, "", nullptr, nullptr, nullptr, &size));
  registry.RegCloseKey(noDefault);
}

TEST_F(SimulatedRegistry, EnumeratesSubkeysInUpperCaseOrder) {
  // Windows sorts by the upper-cased name, so '_' (after 'Z') follows "BZ";
  // Wine sorts by the lower-cased name and would put "b_key" first.
  std::vector<std::string> names;
  char name[16];
  DWORD index = 0;
  for (; registry.RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index) names.push_back(name);
  EXPECT_EQ((std::vector<std::string>{"alpha", "BZ", "b_key"}), names);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, registry.RegEnumKeyA(key, index, name, sizeof name));

  EXPECT_EQ(ERROR_MORE_DATA, registry.RegEnumKeyA(key, 2, name, 5));  // no room for the terminator
  DWORD size = 5;
  EXPECT_EQ(ERROR_MORE_DATA, registry.RegEnumKeyExA(key, 2, name, &size, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(5u, size);
  size = 6;
  FILETIME written{1, 1};
  EXPECT_EQ(ERROR_SUCCESS, registry.RegEnumKeyExA(key, 2, name, &size, nullptr, nullptr, nullptr, &written));
  EXPECT_EQ(5u, size);  // without the terminator
  EXPECT_STREQ("b_key", name);
}

TEST_F(SimulatedRegistry, EnumeratesValuesInTheOrderSet) {
  std::vector<std::string> names;
  char name[16];
  BYTE data[32];
  DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
  DWORD index = 0;
  for (; registry.RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) == ERROR_SUCCESS;
       ++index) {
    names.push_back(name);
    nameSize = sizeof name;
    dataSize = sizeof data;
  }
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "", "Empty"}), names);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS,
            registry.RegEnumValueA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr));

  nameSize = 4;  // "Zeta" without room for its terminator
  EXPECT_EQ(ERROR_MORE_DATA, registry.RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
  nameSize = sizeof name;
  dataSize = 3;
  EXPECT_EQ(ERROR_MORE_DATA, registry.RegEnumValueA(key, 1, name, &nameSize, nullptr, &type, data, &dataSize));
  EXPECT_EQ(4u, dataSize);
  nameSize = sizeof name;
  dataSize = sizeof data;
  EXPECT_EQ(ERROR_SUCCESS, registry.RegEnumValueA(key, 2, name, &nameSize, nullptr, &type, data, &dataSize));
  EXPECT_EQ(0u, nameSize);
  EXPECT_EQ(8u, dataSize);
}
}  // namespace
