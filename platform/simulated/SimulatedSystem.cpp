#include "platform/simulated/SimulatedSystem.h"

#include <cstring>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace {
struct MetricName {
  const char* name;
  int index;
};

const MetricName kMetrics[] = {
    {"SM_CXSCREEN", SM_CXSCREEN}, {"SM_CYSCREEN", SM_CYSCREEN},   {"SM_DEBUG", SM_DEBUG},
    {"SM_NETWORK", SM_NETWORK},   {"SM_CLEANBOOT", SM_CLEANBOOT}, {"SM_SLOWMACHINE", SM_SLOWMACHINE},
    {"SM_SERVERR2", SM_SERVERR2},
};

// "SM_..." for the metrics the report reads, or the index as a number.
int MetricIndex(const std::string& name) {
  for (const MetricName& metric : kMetrics) {
    if (name == metric.name) return metric.index;
  }
  size_t used = 0;
  int index = -1;
  try {
    index = std::stoi(name, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != name.size() || index < 0)
    throw std::invalid_argument("unknown system metric \"" + name + "\"");
  return index;
}

SYSTEM_INFO ReadProcessor(const nlohmann::json& entry) {
  SYSTEM_INFO info{};
  info.wProcessorArchitecture = entry.at("architecture").get<WORD>();
  info.dwPageSize = entry.at("pageSize").get<DWORD>();
  info.lpMinimumApplicationAddress = (LPVOID)entry.at("minimumAddress").get<ULONG_PTR>();
  info.lpMaximumApplicationAddress = (LPVOID)entry.at("maximumAddress").get<ULONG_PTR>();
  info.dwActiveProcessorMask = entry.at("activeMask").get<DWORD_PTR>();
  info.dwNumberOfProcessors = entry.at("count").get<DWORD>();
  info.dwProcessorType = entry.at("type").get<DWORD>();
  info.dwAllocationGranularity = entry.at("allocationGranularity").get<DWORD>();
  info.wProcessorLevel = entry.at("level").get<WORD>();
  info.wProcessorRevision = entry.at("revision").get<WORD>();
  return info;
}

void CopyText(const std::string& text, char* target, size_t capacity, const char* what) {
  if (text.size() >= capacity) throw std::invalid_argument(std::string(what) + " is too long");
  std::memcpy(target, text.c_str(), text.size() + 1);
}
}  // namespace

CSimulatedSystem::CSimulatedSystem(const nlohmann::json& machine, DWORD& lastError) : lastError_(lastError) {
  const nlohmann::json& version = machine.at("version");
  version_.dwMajorVersion = version.at("major").get<DWORD>();
  version_.dwMinorVersion = version.at("minor").get<DWORD>();
  version_.dwBuildNumber = version.at("build").get<DWORD>();
  version_.dwPlatformId = version.at("platformId").get<DWORD>();
  CopyText(version.at("csdVersion").get<std::string>(), version_.szCSDVersion, sizeof version_.szCSDVersion,
           "version.csdVersion");
  version_.wServicePackMajor = version.at("servicePackMajor").get<WORD>();
  version_.wServicePackMinor = version.at("servicePackMinor").get<WORD>();
  version_.wSuiteMask = version.at("suiteMask").get<WORD>();
  version_.wProductType = version.at("productType").get<BYTE>();
  versionFails_ = version.at("fails").get<bool>();
  extendedVersion_ = version.at("extended").get<bool>();

  processor_ = ReadProcessor(machine.at("processor"));
  nativeProcessor_ = ReadProcessor(machine.at("nativeProcessor"));
  for (const auto& name : machine.at("missing")) {
    if (name.get<std::string>() == "GetNativeSystemInfo") hasNativeSystemInfo_ = FALSE;
  }
  for (const auto& [name, value] : machine.at("metrics").items()) metrics_[MetricIndex(name)] = value.get<int>();

  const nlohmann::json& memory = machine.at("memory");
  memory_.dwMemoryLoad = memory.at("load").get<DWORD>();
  memory_.dwTotalPhys = memory.at("totalPhys").get<SIZE_T>();
  memory_.dwAvailPhys = memory.at("availPhys").get<SIZE_T>();
  memory_.dwTotalPageFile = memory.at("totalPageFile").get<SIZE_T>();
  memory_.dwAvailPageFile = memory.at("availPageFile").get<SIZE_T>();
  memory_.dwTotalVirtual = memory.at("totalVirtual").get<SIZE_T>();
  memory_.dwAvailVirtual = memory.at("availVirtual").get<SIZE_T>();

  userName_ = machine.at("userName").get<std::string>();
  computerName_ = machine.at("computerName").get<std::string>();
}

BOOL CSimulatedSystem::Fail(DWORD error) {
  lastError_ = error;
  return FALSE;
}

BOOL CSimulatedSystem::GetVersionExA(LPOSVERSIONINFOA info) {
  if (!info) return Fail(ERROR_INVALID_PARAMETER);
  DWORD size = info->dwOSVersionInfoSize;
  BOOL extended = size == sizeof(OSVERSIONINFOEXA);
  if (versionFails_ || (size != sizeof(OSVERSIONINFOA) && !extended) || (extended && !extendedVersion_))
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(info, &version_, size);
  info->dwOSVersionInfoSize = size;
  return TRUE;
}

void CSimulatedSystem::GetSystemInfo(LPSYSTEM_INFO info) {
  *info = processor_;
}

BOOL CSimulatedSystem::HasNativeSystemInfo() {
  return hasNativeSystemInfo_;
}

void CSimulatedSystem::GetNativeSystemInfo(LPSYSTEM_INFO info) {
  // Calling a function the system does not export would crash the real run.
  if (!hasNativeSystemInfo_) throw std::logic_error("GetNativeSystemInfo called on a system without it");
  *info = nativeProcessor_;
}

int CSimulatedSystem::GetSystemMetrics(int index) {
  auto it = metrics_.find(index);
  return it == metrics_.end() ? 0 : it->second;
}

void CSimulatedSystem::GlobalMemoryStatus(LPMEMORYSTATUS status) {
  *status = memory_;
  status->dwLength = sizeof(MEMORYSTATUS);
}

BOOL CSimulatedSystem::CopyName(const std::string& name, LPSTR buffer, LPDWORD size, BOOL countTerminator,
                                DWORD tooSmall) {
  if (!size) return Fail(ERROR_INVALID_PARAMETER);
  DWORD needed = (DWORD)name.size() + 1;
  if (!buffer || *size < needed) {
    *size = needed;
    return Fail(tooSmall);
  }
  std::memcpy(buffer, name.c_str(), needed);
  *size = countTerminator ? needed : needed - 1;
  return TRUE;
}

BOOL CSimulatedSystem::GetUserNameA(LPSTR buffer, LPDWORD size) {
  return CopyName(userName_, buffer, size, TRUE, ERROR_INSUFFICIENT_BUFFER);
}

BOOL CSimulatedSystem::GetComputerNameA(LPSTR buffer, LPDWORD size) {
  return CopyName(computerName_, buffer, size, FALSE, ERROR_BUFFER_OVERFLOW);
}

DWORD CSimulatedSystem::GetLastError() {
  return lastError_;
}
