// A list box. Indexes are zero-based; LB_ERR (-1) reports a failure.
#pragma once

#include "framework/ui/CWnd.h"

class CListBox : public CWnd {
 public:
  int AddString(const char* text) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text); }
  int InsertString(int index, const char* text) { return (int)SendMessage(LB_INSERTSTRING, index, (LPARAM)text); }
  int DeleteString(int index) { return (int)SendMessage(LB_DELETESTRING, index); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int GetCount() { return (int)SendMessage(LB_GETCOUNT); }
  // Empty when there is no such item.
  void GetText(int index, CString& text);
  int GetTextLen(int index) { return (int)SendMessage(LB_GETTEXTLEN, index); }
  int FindStringExact(int startAfter, const char* text) {
    return (int)SendMessage(LB_FINDSTRINGEXACT, startAfter, (LPARAM)text);
  }
  DWORD_PTR GetItemData(int index) { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, index); }
  int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(LB_SETITEMDATA, index, (LPARAM)data); }
  // Single selection.
  int GetCurSel() { return (int)SendMessage(LB_GETCURSEL); }
  int SetCurSel(int index) { return (int)SendMessage(LB_SETCURSEL, index); }
  // Multiple selection.
  int GetSel(int index) { return (int)SendMessage(LB_GETSEL, index); }
  int SetSel(int index, BOOL select = TRUE) { return (int)SendMessage(LB_SETSEL, select, index); }
  int GetSelCount() { return (int)SendMessage(LB_GETSELCOUNT); }
};
