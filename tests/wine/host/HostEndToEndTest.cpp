// The packaged host program, started and driven from outside as a user
// would: through its windows, in the same Wine session. Needs a display.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "framework/core/Win32Types.h"

namespace {

std::string packagedHost, bareHost, workRoot;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TextOf(HWND window) {
  char text[512] = "";
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

// The ".OBP" files in a folder.
std::vector<std::string> PackageFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*.OBP").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

// One run of a program in a fresh working folder, with the test double's
// record and failure switch in its environment.
class HostRun {
 public:
  HostRun(const std::string& program, const char* name, const char* fail = "") {
    folder = workRoot + "\\" + name;
    ::CreateDirectoryA(workRoot.c_str(), nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& leftover : PackageFiles(folder)) ::DeleteFileA((folder + "\\" + leftover).c_str());
    record = folder + "\\record.txt";
    hostFacts = folder + "\\host-facts.txt";
    ::DeleteFileA(record.c_str());
    ::DeleteFileA(hostFacts.c_str());
    ::SetEnvironmentVariableA("OMB_PLUGIN_HOST_FACTS", hostFacts.c_str());
    ::SetEnvironmentVariableA("OMB_PLUGIN_RECORD", record.c_str());
    ::SetEnvironmentVariableA("OMB_PLUGIN_FAIL", fail);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    started = ::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &process);
  }
  ~HostRun() {
    if (!started) return;
    if (::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(process.hProcess, 99);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }

  // A top-level window of the program with this class and caption, waited
  // for up to 20 seconds; null when none came.
  HWND WaitForWindow(const char* className, const char* caption) {
    for (int tries = 0; tries < 400; ++tries) {
      HWND found = nullptr;
      for (HWND window = ::GetTopWindow(nullptr); window && !found; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process.dwProcessId && ::IsWindowVisible(window) && ClassOf(window) == className &&
            TextOf(window) == caption)
          found = window;
      }
      if (found) return found;
      if (::WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  bool WaitForWindowGone(HWND window) {
    for (int tries = 0; tries < 400 && ::IsWindow(window); ++tries) ::Sleep(50);
    return !::IsWindow(window);
  }

  // TRUE when the program ended within 20 seconds.
  bool WaitForExit() { return ::WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0; }

  BOOL started = FALSE;
  PROCESS_INFORMATION process = {};
  std::string folder, record, hostFacts;
};

struct ChildSearch {
  const std::function<bool(HWND)>* test;
  HWND found;
};

BOOL CALLBACK TestChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (!(*search->test)(child)) return TRUE;
  search->found = child;
  return FALSE;
}

// The first child window for which the test holds.
HWND FindChild(HWND parent, const std::function<bool(HWND)>& test) {
  ChildSearch search = {&test, nullptr};
  ::EnumChildWindows(parent, &TestChild, (LPARAM)&search);
  return search.found;
}

const char* const fullRecord = "InitInstance\nPIM_INIT\nPIM_CREATE window\nPIM_RELEASE window\nExitInstance\n";
const UINT aboutCommand = 0x0010;

// Whether the icon control shows this icon: its pixels on the screen against
// the icon drawn here on the same background.
bool ShowsIcon(HWND control, HICON icon) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  const int size = 32;
  HDC screen = ::GetDC(nullptr);
  HDC shown = ::CreateCompatibleDC(screen), expected = ::CreateCompatibleDC(screen);
  HBITMAP shownBitmap = ::CreateCompatibleBitmap(screen, size, size);
  HBITMAP expectedBitmap = ::CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ oldShown = ::SelectObject(shown, shownBitmap), oldExpected = ::SelectObject(expected, expectedBitmap);
  ::BitBlt(shown, 0, 0, size, size, screen, rect.left, rect.top, SRCCOPY);
  // The icons' corners are transparent: the background shows there.
  HBRUSH background = ::CreateSolidBrush(::GetPixel(shown, 0, 0));
  RECT all = {0, 0, size, size};
  ::FillRect(expected, &all, background);
  ::DrawIconEx(expected, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  int same = 0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) same += ::GetPixel(shown, x, y) == ::GetPixel(expected, x, y);
  ::SelectObject(shown, oldShown);
  ::SelectObject(expected, oldExpected);
  ::DeleteObject(background);
  ::DeleteObject(shownBitmap);
  ::DeleteObject(expectedBitmap);
  ::DeleteDC(shown);
  ::DeleteDC(expected);
  ::ReleaseDC(nullptr, screen);
  return same >= size * size * 95 / 100;
}

TEST(HostEndToEnd, RunsThePlugInShowsAboutAndCleansUpOnClose) {
  HostRun run(packagedHost, "close");
  ASSERT_TRUE(run.started);
  HWND dialog = run.WaitForWindow("#32770", "OMB Utility Manager");
  ASSERT_NE(dialog, nullptr) << "the main dialog did not appear";

  // Centred on the work area.
  RECT window, workArea;
  ::GetWindowRect(dialog, &window);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  EXPECT_NEAR(window.left + window.right, workArea.left + workArea.right, 2);
  EXPECT_NEAR(window.top + window.bottom, workArea.top + workArea.bottom, 2);
  // The plug-in lives inside, unpacked into the working folder.
  EXPECT_NE(FindChild(dialog, [](HWND child) { return TextOf(child).find("Recording test double") == 0; }), nullptr);
  EXPECT_EQ(PackageFiles(run.folder).size(), 1u);

  // What the plug-in saw of its host from inside: menus and icons of another
  // process cannot be read from here.
  EXPECT_EQ(ReadAll(run.hostFacts), "system menu ends: separator, \"&About OMBUtil...\" 16\nicons: big small\n");

  // Choosing it shows the About box, modal to the dialog.
  ::PostMessageA(dialog, WM_SYSCOMMAND, aboutCommand, 0);
  HWND about = run.WaitForWindow("#32770", "About OMBUtil");
  ASSERT_NE(about, nullptr) << "the About box did not appear";
  EXPECT_NE(FindChild(about, [](HWND child) { return TextOf(child) == "OMBUtil Version 1.0"; }), nullptr);
  EXPECT_FALSE(::IsWindowEnabled(dialog));
  ::PostMessageA(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(run.WaitForWindowGone(about));

  // Closing through the system menu's Close releases the plug-in while the
  // window still exists, unloads it and deletes the unpacked file.
  ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(ReadAll(run.record), fullRecord);
  EXPECT_TRUE(PackageFiles(run.folder).empty());
}

// However the dialog ends, the plug-in is released and no file stays.
TEST(HostEndToEnd, EveryEndingReleasesThePlugInAndLeavesNoFile) {
  struct Ending {
    const char* name;
    const char* fail;
    UINT message;  // posted to the dialog; 0: it ends by itself
    WPARAM wParam;
    const char* record;
  };
  const Ending endings[] = {
      {"escape", "", WM_COMMAND, IDCANCEL, fullRecord},
      {"enter", "", WM_COMMAND, IDOK, fullRecord},
      {"close", "", WM_CLOSE, 0, fullRecord},
      {"create-fails", "create", 0, 0, fullRecord},
      // An empty dialog stays open until closed; the entry is not called again.
      {"init-fails", "init", WM_CLOSE, 0, "InitInstance\nPIM_INIT\nExitInstance\n"},
  };
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.name);
    HostRun run(packagedHost, ending.name, ending.fail);
    ASSERT_TRUE(run.started);
    if (ending.message) {
      HWND dialog = run.WaitForWindow("#32770", "OMB Utility Manager");
      ASSERT_NE(dialog, nullptr);
      ::PostMessageA(dialog, ending.message, ending.wParam, 0);
    }
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(ReadAll(run.record), ending.record);
    EXPECT_TRUE(PackageFiles(run.folder).empty());
  }
}

TEST(HostEndToEnd, ProgramWithoutPlugInSaysSoAndLeavesNoFile) {
  HostRun run(bareHost, "bare");
  ASSERT_TRUE(run.started);
  // Captioned with the program's file name without its extension.
  HWND box = run.WaitForWindow("#32770", "OMBUtil");
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_NE(FindChild(box, [](HWND child) { return TextOf(child) == "Failed to unpack plugin. Contact your vendor,"; }),
            nullptr);
  // The error icon: the box's icon control shows the system's hand icon and
  // not its warning icon.
  HWND icon = FindChild(box, [](HWND child) {
    return (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(child);
  });
  ASSERT_NE(icon, nullptr) << "the box shows no icon";
  // Other tests' windows may share the screen: keep the box above them.
  ::SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::Sleep(200);
  EXPECT_TRUE(ShowsIcon(icon, ::LoadIconA(nullptr, IDI_HAND)));
  EXPECT_FALSE(ShowsIcon(icon, ::LoadIconA(nullptr, IDI_EXCLAMATION)));
  // Only OK to press.
  EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_TRUE(PackageFiles(run.folder).empty());
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: host_end_to_end_tests PACKAGED_HOST BARE_HOST WORK_DIRECTORY\n");
    return 2;
  }
  packagedHost = argv[1];
  bareHost = argv[2];
  workRoot = argv[3];
  return RUN_ALL_TESTS();
}
