// A machine described by a fixture folder: machine.json for the system facts
// and drives, registry/*.reg for the registry. Every machine.json key has a
// default (a Windows XP Professional SP2 desktop), so a fixture states only
// what differs; see tests/fixtures/machines/README.md for the keys.
#pragma once

#include <memory>

#include "framework/core/CString.h"
#include "platform/Machine.h"

class CSimulatedSystem;
class CSimulatedDrives;
class CSimulatedRegistry;

class CSimulatedMachine : public CMachine {
 public:
  // Null when the folder cannot be read or holds a malformed file; error then
  // names the file (and the line, for .reg files) and what is wrong.
  static std::unique_ptr<CSimulatedMachine> Load(const char* folder, CString& error);
  ~CSimulatedMachine() override;

  CSystemApi& System() override;
  CDriveApi& Drives() override;
  CRegistryApi& Registry() override;

  // How often a drive query would have stopped the run with the system's
  // modal "no disk" box (an empty drive asked without SEM_FAILCRITICALERRORS).
  int CriticalErrorBoxes() const;
  // Keys still open: a run that leaves any behind leaks handles.
  int OpenKeys() const;

 private:
  CSimulatedMachine();
  DWORD lastError_ = 0;  // shared by the system and drive calls, as the thread's error code
  std::unique_ptr<CSimulatedSystem> system_;
  std::unique_ptr<CSimulatedDrives> drives_;
  std::unique_ptr<CSimulatedRegistry> registry_;
};
