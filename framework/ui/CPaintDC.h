// The device context of one WM_PAINT: BeginPaint at construction, EndPaint
// at destruction.
#pragma once

#include "framework/ui/CDC.h"

class CWnd;

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps = {};

 private:
  HWND m_hWnd;
};
