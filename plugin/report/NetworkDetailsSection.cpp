// The second section: who is logged on, the computer's name, and the network
// transports that the 95 family lists in its registry.
#include "plugin/report/ReportWriter.h"

namespace {

const char* const transportsKey = "System\\CurrentControlSet\\Services\\Class\\NetTrans";

// A text value into a buffer of 256 bytes with 255 offered to the system, as
// the transports were always read; terminated even when the stored text is not.
BOOL QueryText(CRegistryApi& registry, HKEY key, const char* name, CString& text) {
  char buffer[256] = {};
  DWORD size = sizeof(buffer) - 1;
  if (registry.RegQueryValueExA(key, name, nullptr, nullptr, (LPBYTE)buffer, &size) != ERROR_SUCCESS) return FALSE;
  buffer[size < sizeof(buffer) ? size : sizeof(buffer) - 1] = '\0';
  text = buffer;
  return TRUE;
}

}  // namespace

void CReportWriter::WriteNetworkDetails() {
  WriteSectionTitle("Network Details:-");
  WriteName("    User Name: ", &CSystemApi::GetUserNameA);
  WriteName("Computer Name: ", &CSystemApi::GetComputerNameA);
  Write("   Transports:-\n");
  ListTransports();
  WriteBlankLines(2);
}

// A name that does not fit the 16 characters leaves the label alone.
void CReportWriter::WriteName(const char* label, BOOL (CSystemApi::*query)(LPSTR, LPDWORD)) {
  char name[16] = {};
  DWORD size = sizeof(name);
  BOOL known = (machine.System().*query)(name, &size);
  name[sizeof(name) - 1] = '\0';
  Write(label);
  if (known) Write(name);
  WriteBlankLines(1);
}

void CReportWriter::ListTransports() {
  CRegistryApi& registry = machine.Registry();
  HKEY transports = nullptr;
  if (registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, transportsKey, &transports) != ERROR_SUCCESS) return;
  // Gathered first and written after the keys are closed, so that a failed
  // write leaves no key open.
  CString lines;
  for (DWORD index = 0;; ++index) {
    char subKey[255] = {};
    LONG result = registry.RegEnumKeyA(transports, index, subKey, sizeof(subKey));
    // A name too long for the buffer skips that one transport; any other
    // failure would repeat for every index, so the listing ends there.
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) break;
    HKEY transport = nullptr;
    if (registry.RegOpenKeyA(transports, subKey, &transport) != ERROR_SUCCESS) continue;
    CString description, address;
    if (QueryText(registry, transport, "DriverDesc", description)) {
      lines += "\t" + description;
      if (QueryText(registry, transport, "IPAddress", address) && !address.IsEmpty()) lines += " | " + address;
      lines += "\n";
    }
    registry.RegCloseKey(transport);
  }
  registry.RegCloseKey(transports);
  Write(lines);
}
