// The computer-details body: processor, boot and display, memory, drives.
#include <gtest/gtest.h>

#include <string>

#include "tests/native/report/ReportRun.h"

namespace {

// The drive lines: after the memory group, before the section's end.
std::string DriveLines(const std::string& text) {
  size_t start = text.find('\n', text.find("     Free Page Memory: ")) + 3;
  return text.substr(start, text.find("\n\nNetwork Details:-") - start);
}

struct ProcessorCase {
  const char* processor;
  const char* lines;  // from the architecture's name to the processor count
};

TEST(ComputerDetails, NamesTheProcessor) {
  const ProcessorCase cases[] = {
      {R"("architecture": 0, "type": 386, "level": 3)",
       "INTEL\n             CPU Type: Intel 386\n"
       "                  CPU: Intel 386\n"},
      {R"("architecture": 0, "type": 486, "level": 4)",
       "INTEL\n             CPU Type: Intel 486\n"
       "                  CPU: Intel 486\n"},
      {R"("architecture": 0, "type": 586, "level": 5)",
       "INTEL\n             CPU Type: Intel Pentium\n"
       "                  CPU: Pentium\n"},
      {R"("architecture": 0, "type": 586, "level": 6)",
       "INTEL\n             CPU Type: Intel Pentium\n"
       "                  CPU: PentiumII\n"},
      {R"("architecture": 0, "type": 586, "level": 7)",
       "INTEL\n             CPU Type: Intel Pentium\n"
       "                  CPU: PentiumIII\n"},
      {R"("architecture": 0, "type": 8664, "level": 15)",
       "INTEL\n             CPU Type: AMD X86 64\n"
       "                  CPU: Unknown\n"},
      {R"("architecture": 6, "type": 2200, "level": 31)", "IA64\n             CPU Type: Intel IA64\n"},
      {R"("architecture": 9, "type": 8664, "level": 6)", "x64 (AMD/Intel)\n             CPU Type: AMD X86 64\n"},
      {R"("architecture": 10, "type": 586, "level": 6)", "WOW64\n             CPU Type: Intel Pentium\n"},
      {R"("architecture": 65535, "type": 0, "level": 6)", "Unknown\n             CPU Type: Unknown\n"},
      {R"("architecture": 5, "type": 4000, "level": 6)", "Not known\n             CPU Type: Unknown\n"},
  };
  for (const ProcessorCase& c : cases) {
    ReportResult report = RunReport(std::string(R"({"processor": {"count": 2, )") + c.processor + "}}");
    EXPECT_EQ(Between(report.text, "\n     CPU Architecture: ", "   Processors Present: 2\n\n\n"), c.lines)
        << c.processor;
  }
}

TEST(ComputerDetails, BootModeAndDisplay) {
  struct Case {
    const char* metrics;
    std::string lines;  // the start of the group, after "Boot Mode: "
  };
  const Case cases[] = {
      {R"("SM_CLEANBOOT": 0, "SM_CXSCREEN": 1024, "SM_CYSCREEN": 768, "SM_NETWORK": 3, "SM_DEBUG": 0,
          "SM_SLOWMACHINE": 0)",
       "Normal\n    Screen Resolution: 1024 X 768\n      Network Present: TRUE\n"
       "        Debug Windows: FALSE\n    Slow Machine Flag: FALSE\n\n\n"},
      {R"("SM_CLEANBOOT": 1, "SM_CXSCREEN": 640, "SM_CYSCREEN": 480, "SM_NETWORK": 2, "SM_DEBUG": 1,
          "SM_SLOWMACHINE": 3)",
       "Safe Mode\n    Screen Resolution: 640 X 480\n      Network Present: FALSE\n"
       "        Debug Windows: TRUE\n    Slow Machine Flag: TRUE\n\n\n"},
      {R"("SM_CLEANBOOT": 2)", "Safe Mode with network drivers\n"},
      {R"("SM_CLEANBOOT": 3)", "Unknown Boot Mode!\n"},
  };
  for (const Case& c : cases) {
    ReportResult report = RunReport(std::string(R"({"metrics": {)") + c.metrics + "}}");
    std::string lines = Between(report.text, "\n\n\n            Boot Mode: ", "Total Physical Memory: ");
    EXPECT_EQ(lines.substr(0, c.lines.size()), c.lines) << c.metrics;
  }
}

// Figures of 2 GB and more once printed as negative numbers.
TEST(ComputerDetails, MemoryFiguresAreUnsigned) {
  ReportResult report = RunReport(R"({"memory": {"totalPhys": 4294967295, "availPhys": 2147483648,
                                                 "totalPageFile": 2147483647, "availPageFile": 0}})");
  EXPECT_EQ(Between(report.text, "Slow Machine Flag: FALSE\n\n\n", "\n\n\n"),
            "Total Physical Memory: 4294967295 Bytes\n"
            " Free Physical Memory: 2147483648 Bytes\n"
            "    Total Page Memory: 2147483647 Bytes\n"
            "     Free Page Memory: 0 Bytes");
}

TEST(ComputerDetails, OneLinePerDrive) {
  struct Case {
    const char* name;
    const char* drives;
    const char* lines;
  };
  const Case cases[] = {
      {"none", "{}", ""},
      {"A only, never asked for its size", R"({"A": {"type": "removable", "totalBytes": 1457664}})",
       "A: Removable Media \n"},
      {"A and B", R"({"A": {"type": "removable"}, "B": {"type": "removable", "totalBytes": 1457664,
                                                          "freeBytes": 1024}})",
       "A: Removable Media \nB: Removable Media  Total: 1457664 Bytes - Free: 1024 Bytes\n"},
      {"every type", R"({"C": {"type": "fixed", "totalBytes": 20974428160, "freeBytes": 7340032000},
                         "D": {"type": "cdrom", "medium": false}, "E": {"type": "remote", "totalBytes": 100,
                         "freeBytes": 50}, "F": {"type": "ramdisk", "totalBytes": 4096, "freeBytes": 0},
                         "G": {"type": "noRootDir", "medium": false}, "H": {"type": "unknown", "medium": false},
                         "I": {"type": 7, "medium": false}})",
       "C: Fixed Disk Device  Total: 20974428160 Bytes - Free: 7340032000 Bytes\n"
       "D: CD-ROM Drive \n"
       "E: Remote Disk Device  Total: 100 Bytes - Free: 50 Bytes\n"
       "F: CD-ROM Drive  Total: 4096 Bytes - Free: 0 Bytes\n"
       "G: Root Directory does not exist!! \n"
       "H: Unknown Drive Type!! \n"
       "I: Unknown Drive Type!! \n"},
      {"many, in letter order", R"({"Z": {"type": "remote", "medium": false}, "A": {"type": "removable"},
                                    "M": {"type": "cdrom", "medium": false}, "C": {"type": "fixed",
                                    "totalBytes": 1, "freeBytes": 1}})",
       "A: Removable Media \nC: Fixed Disk Device  Total: 1 Bytes - Free: 1 Bytes\nM: CD-ROM Drive \n"
       "Z: Remote Disk Device \n"},
  };
  for (const Case& c : cases) {
    ReportResult report = RunReport(std::string(R"({"drives": )") + c.drives + "}");
    EXPECT_EQ(DriveLines(report.text), c.lines) << c.name;
  }
}

// An empty drive asked without SEM_FAILCRITICALERRORS stops the run with the
// system's modal "no disk" box.
TEST(ComputerDetails, EmptyDrivesRaiseNoErrorBox) {
  for (const char* missing : {"[]", R"(["GetDiskFreeSpaceExA"])"}) {
    for (const char* platform : {R"("platformId": 2, "major": 5, "minor": 1, "build": 2600)",
                                 R"("platformId": 1, "major": 4, "minor": 0, "build": 950)"}) {
      ReportResult report = RunReport(std::string(R"({"version": {)") + platform + R"(}, "missing": )" + missing +
                                      R"(, "drives": {"B": {"type": "removable", "medium": false},
                                                       "D": {"type": "cdrom", "medium": false}}})");
      EXPECT_EQ(DriveLines(report.text), "B: Removable Media \nD: CD-ROM Drive \n") << platform << missing;
      EXPECT_EQ(report.criticalErrorBoxes, 0) << platform << missing;
    }
  }
}

// The 64-bit query from NT 4 and 95 OSR2 on, the 32-bit one before; a 5 GB
// disk tells them apart, as the 95 family caps the 32-bit figures at 2 GB.
TEST(ComputerDetails, FreeSpaceQueryAndFamilyByVersion) {
  struct Case {
    const char* name;
    const char* version;
    const char* missing;
    const char* line;
    WORD osFamily;
  };
  const char* const wide = "C: Fixed Disk Device  Total: 5368709120 Bytes - Free: 1073741824 Bytes\n";
  const char* const narrow = "C: Fixed Disk Device  Total: 2147450880 Bytes - Free: 1073741824 Bytes\n";
  const Case cases[] = {
      {"95, build 950", R"("platformId": 1, "major": 4, "minor": 0, "build": 67109814)", "[]", narrow, 1},
      {"95 OSR2, build 1111", R"("platformId": 1, "major": 4, "minor": 0, "build": 67109975)", "[]", wide, 1},
      {"98", R"("platformId": 1, "major": 4, "minor": 10, "build": 67766222)", "[]", wide, 2},
      {"Me", R"("platformId": 1, "major": 4, "minor": 90, "build": 73010104)", "[]", wide, 3},
      {"NT 4", R"("platformId": 2, "major": 4, "minor": 0, "build": 1381)", "[]", wide, 4},
      {"XP", R"("platformId": 2, "major": 5, "minor": 1, "build": 2600)", "[]", wide, 4},
      {"XP without the 64-bit query", R"("platformId": 2, "major": 5, "minor": 1, "build": 2600)",
       R"(["GetDiskFreeSpaceExA"])", "C: Fixed Disk Device \n", 4},
  };
  for (const Case& c : cases) {
    ReportResult report = RunReport(std::string(R"({"version": {)") + c.version + R"(}, "missing": )" + c.missing +
                                    R"(, "drives": {"C": {"type": "fixed", "totalBytes": 5368709120,
                                                          "freeBytes": 1073741824, "sectorsPerCluster": 64}}})");
    EXPECT_EQ(DriveLines(report.text), c.line) << c.name;
    EXPECT_EQ(report.osFamily, c.osFamily) << c.name;
  }
}

}  // namespace
