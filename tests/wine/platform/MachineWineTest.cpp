// A simulated machine must answer as Windows does. This program runs in a
// Wine prefix that scripts/wine-machine.sh made from the fixture named on
// the command line, loads the same fixture as a simulated machine, and asks
// both the same questions: the version and drive types the prefix takes from
// the fixture, and about every registry key the fixture holds:
// opening, queries with every capacity that matters, enumerations. Wine's
// own keys around the fixture's are allowed: the fixture's subkeys and
// values must appear among them, in the same order.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/simulated/SimulatedMachine.h"
#include "platform/win32/Win32Machine.h"
#include "platform/win32/Win32Registry.h"

namespace {
const char* fixtureFolder = nullptr;

struct Entry {
  std::string name;
  DWORD type;
  std::vector<BYTE> data;
};

std::string Upper(std::string text) {
  for (char& ch : text) ch = (char)std::toupper((unsigned char)ch);
  return text;
}

std::string FlipCase(std::string text) {
  for (char& ch : text) ch = std::isupper((unsigned char)ch) ? (char)std::tolower(ch) : (char)std::toupper(ch);
  return text;
}

std::vector<Entry> Values(CRegistryApi& api, HKEY key) {
  std::vector<Entry> values;
  for (DWORD index = 0;; ++index) {
    char name[1024];
    BYTE data[8192];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (api.RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
    values.push_back(Entry{std::string(name, nameSize), type, std::vector<BYTE>(data, data + dataSize)});
  }
  return values;
}

std::vector<std::string> Subkeys(CRegistryApi& api, HKEY key) {
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (api.RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back(std::string(name, nameSize));
  }
  return names;
}

// Index in `all` of each of `wanted`, in order; -1 for one that is missing
// or out of order. Names compare without regard to case: a key that Wine has
// already keeps its own spelling.
template <typename T, typename Name>
std::vector<int> Positions(const std::vector<T>& wanted, const std::vector<T>& all, Name name) {
  std::vector<int> positions;
  size_t next = 0;
  for (const T& item : wanted) {
    size_t i = next;
    while (i < all.size() && Upper(name(all[i])) != Upper(name(item))) ++i;
    positions.push_back(i < all.size() ? (int)i : -1);
    if (i < all.size()) next = i + 1;
  }
  return positions;
}

class CComparison {
 public:
  CComparison(CRegistryApi& simulated, CRegistryApi& real) : simulated_(simulated), real_(real) {}

  void CompareKey(HKEY root, const std::string& path) {
    SCOPED_TRACE("key \"" + path + "\"");
    HKEY sim = nullptr, real = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, simulated_.RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &sim));
    ASSERT_EQ(ERROR_SUCCESS, real_.RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &real));
    CompareOpen(root, FlipCase(path));
    CompareOpen(root, path + "\\No such key");
    CompareOpen(root, "\\" + path);
    CompareOpen(root, path + "\\");
    if (path.find('\\') != std::string::npos)
      CompareOpen(root, path.substr(0, path.find('\\')) + "\\\\" + path.substr(path.find('\\') + 1));

    std::vector<Entry> simValues = Values(simulated_, sim), realValues = Values(real_, real);
    std::vector<int> valuePlaces = Positions(simValues, realValues, [](const Entry& e) { return e.name; });
    for (size_t i = 0; i < simValues.size(); ++i) {
      SCOPED_TRACE("value \"" + simValues[i].name + "\"");
      ASSERT_GE(valuePlaces[i], 0) << "missing or out of order under Wine";
      EXPECT_EQ(simValues[i].type, realValues[valuePlaces[i]].type);
      EXPECT_EQ(simValues[i].data, realValues[valuePlaces[i]].data);
      CompareQueries(sim, real, simValues[i].name);
      CompareQueries(sim, real, FlipCase(simValues[i].name));
      CompareValueEnumCapacities(sim, i, real, valuePlaces[i], simValues[i]);
    }
    CompareQueries(sim, real, "No such value");
    if (simValues.size() == realValues.size()) CompareValueEnumEnd(sim, real, (DWORD)simValues.size());

    std::vector<std::string> simKeys = Subkeys(simulated_, sim), realKeys = Subkeys(real_, real);
    std::vector<int> keyPlaces = Positions(simKeys, realKeys, [](const std::string& s) { return s; });
    for (size_t i = 0; i < simKeys.size(); ++i) {
      SCOPED_TRACE("subkey \"" + simKeys[i] + "\"");
      ASSERT_GE(keyPlaces[i], 0) << "missing or out of order under Wine";
      CompareKeyEnumCapacities(sim, i, real, keyPlaces[i], simKeys[i].size());
    }
    if (simKeys.size() == realKeys.size()) {
      char name[256];
      EXPECT_EQ(real_.RegEnumKeyA(real, (DWORD)realKeys.size(), name, sizeof name),
                simulated_.RegEnumKeyA(sim, (DWORD)simKeys.size(), name, sizeof name));
    }
    EXPECT_EQ(ERROR_SUCCESS, simulated_.RegCloseKey(sim));
    EXPECT_EQ(ERROR_SUCCESS, real_.RegCloseKey(real));
    EXPECT_EQ(real_.RegCloseKey(real), simulated_.RegCloseKey(sim)) << "closing a closed key";
    for (const std::string& subkey : simKeys) CompareKey(root, path.empty() ? subkey : path + "\\" + subkey);
  }

 private:
  void CompareOpen(HKEY root, const std::string& path) {
    SCOPED_TRACE("open \"" + path + "\"");
    HKEY sim = nullptr, real = nullptr;
    LONG simResult = simulated_.RegOpenKeyA(root, path.c_str(), &sim);
    EXPECT_EQ(real_.RegOpenKeyA(root, path.c_str(), &real), simResult);
    if (simResult == ERROR_SUCCESS) simulated_.RegCloseKey(sim);
    if (real) real_.RegCloseKey(real);
  }

  // Size only, exactly the size, and one byte short.
  void CompareQueries(HKEY sim, HKEY real, const std::string& name) {
    SCOPED_TRACE("query \"" + name + "\"");
    DWORD simType = 99, realType = 99, simSize = 0, realSize = 0;
    LONG result = simulated_.RegQueryValueExA(sim, name.c_str(), nullptr, &simType, nullptr, &simSize);
    ASSERT_EQ(real_.RegQueryValueExA(real, name.c_str(), nullptr, &realType, nullptr, &realSize), result);
    if (result != ERROR_SUCCESS) return;
    EXPECT_EQ(realType, simType);
    ASSERT_EQ(realSize, simSize);
    std::vector<BYTE> simData(simSize + 1, 0xCC), realData(realSize + 1, 0xCC);
    EXPECT_EQ(real_.RegQueryValueExA(real, name.c_str(), nullptr, nullptr, realData.data(), &realSize),
              simulated_.RegQueryValueExA(sim, name.c_str(), nullptr, nullptr, simData.data(), &simSize));
    EXPECT_EQ(realSize, simSize);
    EXPECT_EQ(std::vector<BYTE>(realData.begin(), realData.begin() + realSize),
              std::vector<BYTE>(simData.begin(), simData.begin() + simSize));
    if (simSize == 0) return;
    DWORD simShort = simSize - 1, realShort = realSize - 1;
    EXPECT_EQ(real_.RegQueryValueExA(real, name.c_str(), nullptr, nullptr, realData.data(), &realShort),
              simulated_.RegQueryValueExA(sim, name.c_str(), nullptr, nullptr, simData.data(), &simShort));
    EXPECT_EQ(realShort, simShort) << "size reported for a buffer one byte short";
  }

  // A name buffer without room for the terminator, then a data buffer one
  // byte short.
  void CompareValueEnumCapacities(HKEY sim, size_t simIndex, HKEY real, int realIndex, const Entry& value) {
    char simName[1024], realName[1024];
    BYTE simData[8192], realData[8192];
    DWORD simNameSize = (DWORD)value.name.size(), realNameSize = simNameSize;
    DWORD simDataSize = sizeof simData, realDataSize = sizeof realData;
    EXPECT_EQ(
        real_.RegEnumValueA(real, (DWORD)realIndex, realName, &realNameSize, nullptr, nullptr, realData, &realDataSize),
        simulated_.RegEnumValueA(sim, (DWORD)simIndex, simName, &simNameSize, nullptr, nullptr, simData, &simDataSize))
        << "name without room for its terminator";
    EXPECT_EQ(realNameSize, simNameSize);
    if (value.data.empty()) return;
    simNameSize = realNameSize = sizeof simName;
    simDataSize = realDataSize = (DWORD)value.data.size() - 1;
    EXPECT_EQ(
        real_.RegEnumValueA(real, (DWORD)realIndex, realName, &realNameSize, nullptr, nullptr, realData, &realDataSize),
        simulated_.RegEnumValueA(sim, (DWORD)simIndex, simName, &simNameSize, nullptr, nullptr, simData, &simDataSize))
        << "data one byte short";
    EXPECT_EQ(realDataSize, simDataSize);
  }

  void CompareValueEnumEnd(HKEY sim, HKEY real, DWORD count) {
    char name[256];
    DWORD simSize = sizeof name, realSize = sizeof name;
    EXPECT_EQ(real_.RegEnumValueA(real, count, name, &realSize, nullptr, nullptr, nullptr, nullptr),
              simulated_.RegEnumValueA(sim, count, name, &simSize, nullptr, nullptr, nullptr, nullptr));
  }

  void CompareKeyEnumCapacities(HKEY sim, size_t simIndex, HKEY real, int realIndex, size_t length) {
    char simName[256], realName[256];
    for (DWORD capacity : {(DWORD)length, (DWORD)length + 1}) {
      SCOPED_TRACE("capacity " + std::to_string(capacity));
      EXPECT_EQ(real_.RegEnumKeyA(real, (DWORD)realIndex, realName, capacity),
                simulated_.RegEnumKeyA(sim, (DWORD)simIndex, simName, capacity));
      DWORD simSize = capacity, realSize = capacity;
      EXPECT_EQ(real_.RegEnumKeyExA(real, (DWORD)realIndex, realName, &realSize, nullptr, nullptr, nullptr, nullptr),
                simulated_.RegEnumKeyExA(sim, (DWORD)simIndex, simName, &simSize, nullptr, nullptr, nullptr, nullptr));
      EXPECT_EQ(realSize, simSize);
    }
  }

  CRegistryApi& simulated_;
  CRegistryApi& real_;
};

TEST(RegistryUnderWine, AnswersAsTheSimulatedMachine) {
  ASSERT_NE(nullptr, fixtureFolder) << "usage: platform_wine_tests FIXTURE";
  CString error;
  std::unique_ptr<CSimulatedMachine> machine = CSimulatedMachine::Load(fixtureFolder, error);
  ASSERT_TRUE(machine) << error;
  CWin32Registry real;
  CComparison comparison(machine->Registry(), real);
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_DYN_DATA}) {
    char name[256];
    for (DWORD i = 0; machine->Registry().RegEnumKeyA(root, i, name, sizeof name) == ERROR_SUCCESS; ++i)
      comparison.CompareKey(root, name);
  }
  EXPECT_EQ(0, machine->OpenKeys());
}
TEST(MachineUnderWine, HasTheFixturesVersionAndDriveTypes) {
  ASSERT_NE(nullptr, fixtureFolder) << "usage: platform_wine_tests FIXTURE";
  CString error;
  std::unique_ptr<CSimulatedMachine> machine = CSimulatedMachine::Load(fixtureFolder, error);
  ASSERT_TRUE(machine) << error;
  CWin32Machine real;
  OSVERSIONINFOA simVersion{}, realVersion{};
  simVersion.dwOSVersionInfoSize = realVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  ASSERT_TRUE(machine->System().GetVersionExA(&simVersion));
  ASSERT_TRUE(real.System().GetVersionExA(&realVersion));
  EXPECT_EQ(realVersion.dwPlatformId, simVersion.dwPlatformId);
  EXPECT_EQ(realVersion.dwMajorVersion, simVersion.dwMajorVersion);
  EXPECT_EQ(realVersion.dwMinorVersion, simVersion.dwMinorVersion);
  // C: stays Wine's system drive and P: the checkout.
  DWORD drives = machine->Drives().GetLogicalDrives() & ~((1u << 2) | (1u << 15));
  EXPECT_EQ(drives, real.Drives().GetLogicalDrives() & drives);
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (!(drives & (1u << (letter - 'a')))) continue;
    const char root[] = {letter, ':', '\\', 0};
    SCOPED_TRACE(root);
    EXPECT_EQ(real.Drives().GetDriveTypeA(root), machine->Drives().GetDriveTypeA(root));
  }
}
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) fixtureFolder = argv[1];
  return RUN_ALL_TESTS();
}
