#include "platform/win32/Win32Machine.h"

#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"

CWin32Machine::CWin32Machine()
    : system_(std::make_unique<CWin32System>()),
      drives_(std::make_unique<CWin32Drives>()),
      registry_(std::make_unique<CWin32Registry>()) {}

CWin32Machine::~CWin32Machine() = default;

CSystemApi& CWin32Machine::System() {
  return *system_;
}
CDriveApi& CWin32Machine::Drives() {
  return *drives_;
}
CRegistryApi& CWin32Machine::Registry() {
  return *registry_;
}
