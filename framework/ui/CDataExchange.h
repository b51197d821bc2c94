// Dialog data exchange: DoDataExchange is one line per control, and the
// same lines move data to the controls or back into the members.
#pragma once

#include "framework/core/CString.h"
#include "framework/ui/CWnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  // The control, or null after marking the exchange failed: a template
  // without the control is a fault of the program, not of the user.
  HWND PrepareCtrl(int id);
  BOOL Failed() const { return failed; }

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // TRUE: controls to members

 private:
  BOOL failed = FALSE;
};

// Binds the control to the object (subclassing it) the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// The control's text.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// A check box or radio button: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* dx, int id, int& value);
