#include "framework/ui/CListBox.h"

void CListBox::GetText(int index, CString& text) {
  int length = GetTextLen(index);
  if (length == LB_ERR) {
    text.Empty();
    return;
  }
  char* buffer = text.GetBuffer(length + 1);
  int copied = (int)SendMessage(LB_GETTEXT, index, (LPARAM)buffer);
  text.ReleaseBuffer(copied == LB_ERR ? 0 : copied);
}
