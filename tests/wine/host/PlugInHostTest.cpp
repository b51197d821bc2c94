// CPlugInHost against the recording test double, loaded through the real
// loader: what reaches the library's entry, and that nothing stays loaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/ui/CWnd.h"
#include "host/PlugInHost.h"

namespace {

std::string recordingLibrary, libraryWithoutEntry, workDirectory;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

enum class File { text, withoutEntry, recording };
enum class Ending { unloadThenDelete, deleteOnly };

struct Case {
  const char* name;
  File file;
  const char* fail;  // OMB_PLUGIN_FAIL
  bool loads;
  bool withWindow;  // CreateUI gets the window (else null)
  bool creates;
  Ending ending;
  const char* record;  // the calls the library saw, in order
};

const Case cases[] = {
    {"not a library", File::text, "", false, true, false, Ending::unloadThenDelete, ""},
    {"no entry", File::withoutEntry, "", false, true, false, Ending::unloadThenDelete, "InitInstance\nExitInstance\n"},
    {"start-up refused", File::recording, "start", false, true, false, Ending::unloadThenDelete,
     "InitInstance\nExitInstance\n"},
    {"PIM_INIT fails", File::recording, "init", false, true, false, Ending::unloadThenDelete,
     "InitInstance\nPIM_INIT\nExitInstance\n"},
    {"PIM_INIT fails, deleted", File::recording, "init", false, true, false, Ending::deleteOnly,
     "InitInstance\nPIM_INIT\nExitInstance\n"},
    {"CreateUI fails", File::recording, "create", true, true, false, Ending::unloadThenDelete,
     "InitInstance\nPIM_INIT\nPIM_CREATE window\nPIM_RELEASE window\nExitInstance\n"},
    {"CreateUI without a window", File::recording, "", true, false, false, Ending::unloadThenDelete,
     "InitInstance\nPIM_INIT\nPIM_RELEASE no-window\nExitInstance\n"},
    {"Unload then deletion", File::recording, "", true, true, true, Ending::unloadThenDelete,
     "InitInstance\nPIM_INIT\nPIM_CREATE window\nPIM_RELEASE window\nExitInstance\n"},
    {"deletion alone", File::recording, "", true, true, true, Ending::deleteOnly,
     "InitInstance\nPIM_INIT\nPIM_CREATE window\nPIM_RELEASE window\nExitInstance\n"},
};

TEST(PlugInHost, DrivesTheLibraryThroughEachCase) {
  HWND window = ::CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  CWnd hostDialog;
  ASSERT_TRUE(hostDialog.Attach(window));
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A new name each time, as the host makes one from the tick count.
    char name[32];
    std::snprintf(name, sizeof name, "%08X.OBP", 0x100 + number++);
    std::string path = workDirectory + "\\" + name, record = workDirectory + "\\record.txt";
    ::DeleteFileA(record.c_str());
    if (c.file == File::text) {
      std::ofstream(path) << "not a library\n";
    } else {
      const std::string& library = c.file == File::recording ? recordingLibrary : libraryWithoutEntry;
      ASSERT_TRUE(::CopyFileA(library.c_str(), path.c_str(), FALSE));
    }
    ::SetEnvironmentVariableA("OMB_PLUGIN_RECORD", record.c_str());
    ::SetEnvironmentVariableA("OMB_PLUGIN_FAIL", c.fail);

    auto* host = new CPlugInHost(1);
    EXPECT_EQ(host->Load(path.c_str()), c.loads ? TRUE : FALSE);
    if (c.loads) {
      EXPECT_EQ(host->CreateUI(c.withWindow ? &hostDialog : nullptr), c.creates ? TRUE : FALSE);
    }
    if (c.ending == Ending::unloadThenDelete) host->Unload();
    delete host;

    EXPECT_EQ(ReadAll(record), c.record);
    EXPECT_EQ(::GetModuleHandleA(path.c_str()), nullptr) << "the library is still loaded";
    EXPECT_TRUE(::DeleteFileA(path.c_str())) << "the file is still in use";
  }
  hostDialog.DestroyWindow();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: plugin_host_tests RECORDING_LIBRARY LIBRARY_WITHOUT_ENTRY WORK_DIRECTORY\n");
    return 2;
  }
  recordingLibrary = argv[1];
  libraryWithoutEntry = argv[2];
  workDirectory = argv[3];
  ::CreateDirectoryA(workDirectory.c_str(), nullptr);
  return RUN_ALL_TESTS();
}
