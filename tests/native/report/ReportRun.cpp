#include "tests/native/report/ReportRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "plugin/report/ReportWriter.h"

std::unique_ptr<CSimulatedMachine> MakeMachine(const TempDir& dir, const std::string& json,
                                               const std::string& regBody) {
  std::filesystem::create_directories(dir.File("machine/registry"));
  dir.Write("machine/machine.json", json);
  if (!regBody.empty()) dir.Write("machine/registry/fixture.reg", "REGEDIT4\r\n\r\n" + regBody);
  CString error;
  std::unique_ptr<CSimulatedMachine> machine = CSimulatedMachine::Load(dir.File("machine").c_str(), error);
  EXPECT_TRUE(machine) << error.str();
  return machine;
}

ReportResult RunReport(CSimulatedMachine& machine, const std::string& path) {
  ReportResult result;
  CRecordingProgress progress;
  {
    CReportWriter writer(path.c_str(), "", &progress, machine);
    result.written = writer.IsWritten();
    result.is64BitOs = writer.is64BitOs;
    result.osFamily = writer.osFamily;
  }
  result.progress = progress.calls;
  result.criticalErrorBoxes = machine.CriticalErrorBoxes();
  result.openKeys = machine.OpenKeys();
  if (!std::filesystem::exists(path)) return result;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  std::string bytes = all.str();
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      result.text += '\n';
      ++i;
      continue;
    }
    EXPECT_NE(bytes[i], '\n') << "a line end without CR at byte " << i;
    result.text += bytes[i];
  }
  return result;
}

ReportResult RunReport(const std::string& json, const std::string& regBody) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> machine = MakeMachine(dir, json, regBody);
  if (!machine) return ReportResult();
  return RunReport(*machine, dir.File("ombdiag.log"));
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  size_t start = text.find(from);
  if (start == std::string::npos) return "(no " + from + ")";
  start += from.size();
  size_t end = text.find(to, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string SectionBody(const std::string& text, const std::string& title) {
  const std::string rule = title + "\n" + std::string(70, '*') + "\n";
  size_t start = text.find(rule);
  if (start == std::string::npos) return "(no section " + title + ")";
  start += rule.size();
  size_t end = text.find("\n\n\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
}
