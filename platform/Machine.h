// The machine the report reads: its system facts, drives and registry. The
// real one (win32/) or one described by a fixture folder (simulated/).
#pragma once

#include "platform/DriveApi.h"
#include "platform/RegistryApi.h"
#include "platform/SystemApi.h"

class CMachine {
 public:
  virtual ~CMachine() = default;
  virtual CSystemApi& System() = 0;
  virtual CDriveApi& Drives() = 0;
  virtual CRegistryApi& Registry() = 0;
};
