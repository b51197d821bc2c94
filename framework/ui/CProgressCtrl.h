// A progress bar (common control "msctls_progress32").
#pragma once

#include "framework/ui/CWnd.h"
// After <windows.h>, which it needs.
#include <commctrl.h>

class CProgressCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
  int SetStep(int step) { return (int)SendMessage(PBM_SETSTEP, step); }
  int SetPos(int position) { return (int)SendMessage(PBM_SETPOS, position); }
  int GetPos() { return (int)SendMessage(PBM_GETPOS); }
  int StepIt() { return (int)SendMessage(PBM_STEPIT); }
};
