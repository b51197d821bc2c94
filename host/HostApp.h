// The host program's application object: runs the host dialog for the
// whole life of the process.
#pragma once

#include "framework/ui/CWinApp.h"

class CHostApp : public CWinApp {
 public:
  ~CHostApp() override = default;
  // Runs the dialog and returns FALSE, so the process ends with it.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
