// Extraction's view of the real system.
#pragma once

#include "host/PackageExtractor.h"

class CWin32ExtractionEnvironment : public IExtractionEnvironment {
 public:
  DWORD GetTickCount() override;
  CString GetModuleFileName() override;
  CString GetFullPathName(const char* name) override;
  // A message box captioned with the program's file name without extension.
  void ShowMessage(const char* text) override;
};
