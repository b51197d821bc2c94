// Machines from fixture folders: the defaults, the failures the real calls
// have (version records, names that do not fit, missing functions, empty
// drives), and refusal of malformed fixtures with the file to blame.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/simulated/SimulatedMachine.h"
#include "tests/native/TempDir.h"

namespace {
const char* fixturesFolder = nullptr;

class SimulatedMachine : public testing::Test {
 protected:
  // A machine from a machine.json text and optional registry file.
  std::unique_ptr<CSimulatedMachine> Load(const std::string& json, const std::string& reg = std::string()) {
    dir.Write("machine.json", json);
    if (!reg.empty()) {
      std::filesystem::create_directory(dir.File("registry"));
      dir.Write("registry/a.reg", reg);
    }
    error.Empty();
    return CSimulatedMachine::Load(dir.path().c_str(), error);
  }

  TempDir dir;
  CString error;
};

TEST_F(SimulatedMachine, DefaultsToAnXpDesktop) {
  auto machine = Load("{}");
  ASSERT_TRUE(machine) << error;
  CSystemApi& system = machine->System();
  OSVERSIONINFOEXA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(system.GetVersionExA((LPOSVERSIONINFOA)&version));
  EXPECT_EQ(5u, version.dwMajorVersion);
  EXPECT_EQ(1u, version.dwMinorVersion);
  EXPECT_EQ(2600u, version.dwBuildNumber);
  EXPECT_EQ((DWORD)VER_PLATFORM_WIN32_NT, version.dwPlatformId);
  EXPECT_STREQ("Service Pack 2", version.szCSDVersion);
  EXPECT_EQ(VER_NT_WORKSTATION, version.wProductType);
  SYSTEM_INFO info{}, native{};
  system.GetSystemInfo(&info);
  ASSERT_TRUE(system.HasNativeSystemInfo());
  system.GetNativeSystemInfo(&native);
  EXPECT_EQ(PROCESSOR_ARCHITECTURE_INTEL, info.wProcessorArchitecture);
  EXPECT_EQ(586u, native.dwProcessorType);
  EXPECT_EQ(1024, system.GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(0, system.GetSystemMetrics(SM_SERVERR2));
  EXPECT_EQ(0x0Du, machine->Drives().GetLogicalDrives());  // A, C, D
  EXPECT_EQ((UINT)DRIVE_CDROM, machine->Drives().GetDriveTypeA("d:\\"));
}

TEST_F(SimulatedMachine, TakesOnlyWhatDiffersAndMergesTheRest) {
  auto machine = Load(R"({"version": {"csdVersion": ""}, "processor": {"architecture": 9},
                          "nativeProcessor": {"level": 15}, "metrics": {"SM_SERVERR2": 1, "42": 7},
                          "memory": {"totalPhys": 2147483648}, "drives": {}})");
  ASSERT_TRUE(machine) << error;
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(machine->System().GetVersionExA(&version));
  EXPECT_EQ(2600u, version.dwBuildNumber);
  EXPECT_STREQ("", version.szCSDVersion);
  SYSTEM_INFO native{};
  machine->System().GetNativeSystemInfo(&native);
  EXPECT_EQ(PROCESSOR_ARCHITECTURE_AMD64, native.wProcessorArchitecture);  // from "processor"
  EXPECT_EQ(15, native.wProcessorLevel);
  EXPECT_EQ(1, machine->System().GetSystemMetrics(SM_SERVERR2));
  EXPECT_EQ(768, machine->System().GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(7, machine->System().GetSystemMetrics(42));
  MEMORYSTATUS memory{};
  machine->System().GlobalMemoryStatus(&memory);
  EXPECT_EQ(sizeof memory, memory.dwLength);
  EXPECT_EQ(2147483648u, (DWORD)memory.dwTotalPhys);
  EXPECT_EQ(0u, machine->Drives().GetLogicalDrives());
}

TEST_F(SimulatedMachine, VersionQueriesFailAsOnTheRealSystem) {
  struct {
    const char* json;
    DWORD size;
    BOOL result;
  } cases[] = {
      {R"({"version": {"major": 4, "minor": 10, "platformId": 1}})", sizeof(OSVERSIONINFOEXA), FALSE},
      {R"({"version": {"major": 4, "minor": 10, "platformId": 1}})", sizeof(OSVERSIONINFOA), TRUE},
      {R"({"version": {"major": 4, "minor": 0}})", sizeof(OSVERSIONINFOEXA), FALSE},
      {R"({"version": {"major": 4, "minor": 0, "extended": true}})", sizeof(OSVERSIONINFOEXA), TRUE},
      {R"({"version": {"fails": true}})", sizeof(OSVERSIONINFOA), FALSE},
      {"{}", 100, FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.json) + " size " + std::to_string(c.size));
    auto machine = Load(c.json);
    ASSERT_TRUE(machine) << error;
    OSVERSIONINFOEXA version{};
    version.dwOSVersionInfoSize = c.size;
    EXPECT_EQ(c.result, machine->System().GetVersionExA((LPOSVERSIONINFOA)&version));
    if (!c.result) {
      EXPECT_EQ((DWORD)ERROR_INSUFFICIENT_BUFFER, machine->System().GetLastError());
    }
  }
}

TEST_F(SimulatedMachine, NamesThatDoNotFitFailAsTheRealCalls) {
  struct {
    const char* name;
    BOOL user;
    BOOL result;
    DWORD size;  // afterwards, for a buffer of 16
    DWORD error;
  } cases[] = {
      {"fifteen-chars15", TRUE, TRUE, 16, 0},
      {"sixteen-chars-16", TRUE, FALSE, 17, ERROR_INSUFFICIENT_BUFFER},
      {"FIFTEEN-CHARS15", FALSE, TRUE, 15, 0},
      {"SIXTEEN-CHARS-16", FALSE, FALSE, 17, ERROR_BUFFER_OVERFLOW},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto machine = Load(std::string(c.user ? R"({"userName": ")" : R"({"computerName": ")") + c.name + "\"}");
    ASSERT_TRUE(machine) << error;
    char buffer[16] = "untouched";
    DWORD size = sizeof buffer;
    BOOL result =
        c.user ? machine->System().GetUserNameA(buffer, &size) : machine->System().GetComputerNameA(buffer, &size);
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(c.size, size);
    if (result) {
      EXPECT_STREQ(c.name, buffer);
    } else {
      EXPECT_EQ(c.error, machine->System().GetLastError());
    }
  }
}

TEST_F(SimulatedMachine, MissingFunctionsAreMissing) {
  auto machine = Load(R"({"missing": ["GetNativeSystemInfo", "GetDiskFreeSpaceExA"]})");
  ASSERT_TRUE(machine) << error;
  EXPECT_FALSE(machine->System().HasNativeSystemInfo());
  EXPECT_FALSE(machine->Drives().HasDiskFreeSpaceEx());
  // Calling them anyway would crash the real program: the fake says so loudly.
  SYSTEM_INFO info;
  ULARGE_INTEGER total;
  EXPECT_THROW(machine->System().GetNativeSystemInfo(&info), std::logic_error);
  EXPECT_THROW(machine->Drives().GetDiskFreeSpaceExA("c:\\", nullptr, &total, nullptr), std::logic_error);
}

TEST_F(SimulatedMachine, EmptyDrivesFailAndShowTheNoDiskBoxUnlessSuppressed) {
  auto machine = Load(R"({"drives": {"A": {"type": "removable", "medium": false}, "E": {"type": 6},
                                     "C": {"type": "fixed", "totalBytes": 20974428160, "freeBytes": 7340032000,
                                           "freeToCaller": 1000}}})");
  ASSERT_TRUE(machine) << error;
  CDriveApi& drives = machine->Drives();
  EXPECT_EQ(0x15u, drives.GetLogicalDrives());
  EXPECT_EQ((UINT)DRIVE_REMOVABLE, drives.GetDriveTypeA("A:\\"));
  EXPECT_EQ((UINT)DRIVE_RAMDISK, drives.GetDriveTypeA("e:\\"));
  EXPECT_EQ((UINT)DRIVE_NO_ROOT_DIR, drives.GetDriveTypeA("b:\\"));
  EXPECT_EQ((UINT)DRIVE_NO_ROOT_DIR, drives.GetDriveTypeA("c:"));

  ULARGE_INTEGER available, total, free;
  DWORD sectors, bytes, freeClusters, clusters;
  EXPECT_FALSE(drives.GetDiskFreeSpaceA("a:\\", &sectors, &bytes, &freeClusters, &clusters));
  EXPECT_EQ((DWORD)ERROR_NOT_READY, machine->System().GetLastError());
  EXPECT_EQ(1, machine->CriticalErrorBoxes());
  UINT previous = drives.SetErrorMode(SEM_FAILCRITICALERRORS);
  EXPECT_FALSE(drives.GetDiskFreeSpaceExA("a:\\", &available, &total, &free));
  EXPECT_EQ(1, machine->CriticalErrorBoxes());
  EXPECT_EQ((UINT)SEM_FAILCRITICALERRORS, drives.SetErrorMode(previous));

  ASSERT_TRUE(drives.GetDiskFreeSpaceExA("c:\\", &available, &total, &free));
  EXPECT_EQ(1000u, available.QuadPart);
  EXPECT_EQ(20974428160u, total.QuadPart);
  EXPECT_EQ(7340032000u, free.QuadPart);
  ASSERT_TRUE(drives.GetDiskFreeSpaceA("C:\\", &sectors, &bytes, &freeClusters, &clusters));
  EXPECT_EQ(8u, sectors);
  EXPECT_EQ(512u, bytes);
  EXPECT_EQ(20974428160u / 4096, clusters);
  EXPECT_FALSE(drives.GetDiskFreeSpaceA("q:\\", &sectors, &bytes, &freeClusters, &clusters));
  EXPECT_EQ((DWORD)ERROR_PATH_NOT_FOUND, machine->System().GetLastError());
}

TEST_F(SimulatedMachine, The95FamilyCapsThe32BitFiguresAt2GB) {
  auto machine = Load(R"({"version": {"major": 4, "minor": 10, "platformId": 1},
                          "drives": {"C": {"type": "fixed", "totalBytes": 8422686720, "freeBytes": 3221225472,
                                           "sectorsPerCluster": 64}}})");
  ASSERT_TRUE(machine) << error;
  DWORD sectors, bytes, freeClusters, clusters;
  ASSERT_TRUE(machine->Drives().GetDiskFreeSpaceA("c:\\", &sectors, &bytes, &freeClusters, &clusters));
  EXPECT_EQ(65535u, clusters);  // 2 GB less one 32 KB cluster
  EXPECT_EQ(65535u, freeClusters);
}

TEST_F(SimulatedMachine, MalformedFixturesAreRefusedNamingTheFile) {
  struct {
    const char* json;
    const char* reg;
    const char* file;
    const char* message;
  } cases[] = {
      {R"({"userNmae": "x"})", "", "machine.json", "unknown key \"/userNmae\""},
      {R"({"version": {"majr": 4}})", "", "machine.json", "unknown key \"/version/majr\""},
      {R"({"version": {"major": "four"}})", "", "machine.json", "type must be number"},
      {R"({"drives": {"C": {"type": "floppy"}}})", "", "machine.json", "unknown drive type \"floppy\""},
      {R"({"drives": {"CD": {"type": "fixed"}}})", "", "machine.json", "bad drive letter \"CD\""},
      {R"({"drives": {"C": {"type": "fixed", "size": 1}}})", "", "machine.json", "drive C: unknown key \"size\""},
      {R"({"metrics": {"SM_WHATEVER": 1}})", "", "machine.json", "unknown system metric \"SM_WHATEVER\""},
      {R"({"missing": ["GetVersionExA"]})", "", "machine.json", "names a function that is always there"},
      {R"({"version": {"csdVersion": ")"
       "0123456789012345678901234567890123456789012345678901234567890123456789"
       "01234567890123456789012345678901234567890123456789012345678\"}}",
       "", "machine.json", "version.csdVersion is too long"},
      {"{", "", "machine.json", "parse error"},
      {"[]", "", "machine.json", "not a JSON object"},
      {"{}", "REGEDIT4\r\n[HKLM\\A]\r\nbroken\r\n", "a.reg", ":3: expected a key, a value or a comment"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_FALSE(Load(c.json, c.reg));
    EXPECT_NE(std::string::npos, error.str().find(c.file)) << error;
    EXPECT_NE(std::string::npos, error.str().find(c.message)) << error;
  }
  std::filesystem::remove(dir.File("machine.json"));
  EXPECT_FALSE(CSimulatedMachine::Load(dir.path().c_str(), error));
  EXPECT_NE(std::string::npos, error.str().find("machine.json: cannot be read")) << error;
}

// Every fixture in the tree must load: a broken one would fail tests far
// from its cause.
TEST(MachineFixtures, AllLoad) {
  ASSERT_NE(nullptr, fixturesFolder) << "usage: platform_tests FIXTURES_FOLDER";
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(fixturesFolder)) {
    if (!entry.is_directory()) continue;
    SCOPED_TRACE(entry.path().string());
    CString error;
    EXPECT_TRUE(CSimulatedMachine::Load(entry.path().string().c_str(), error)) << error;
    ++count;
  }
  EXPECT_GT(count, 0);
}
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) fixturesFolder = argv[1];
  return RUN_ALL_TESTS();
}
