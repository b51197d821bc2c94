#include "framework/ui/CDataExchange.h"

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (!control) failed = TRUE;
  return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND hWnd = dx->PrepareCtrl(id);
  if (hWnd) control.SubclassWindow(hWnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    CWnd::FromHandle(control)->GetWindowText(value);
  } else {
    ::SetWindowTextA(control, value);
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    value = (int)::SendMessageA(control, BM_GETCHECK, 0, 0);
  } else {
    ::SendMessageA(control, BM_SETCHECK, (WPARAM)value, 0);
  }
}
