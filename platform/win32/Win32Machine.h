// The machine the program runs on, read through the Win32 API.
#pragma once

#include <memory>

#include "platform/Machine.h"

class CWin32System;
class CWin32Drives;
class CWin32Registry;

class CWin32Machine : public CMachine {
 public:
  CWin32Machine();
  ~CWin32Machine() override;

  CSystemApi& System() override;
  CDriveApi& Drives() override;
  CRegistryApi& Registry() override;

 private:
  std::unique_ptr<CWin32System> system_;
  std::unique_ptr<CWin32Drives> drives_;
  std::unique_ptr<CWin32Registry> registry_;
};
