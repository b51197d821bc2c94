// Base of every class that answers messages or commands through a message map.
#pragma once

#include "framework/core/CObject.h"
#include "framework/ui/MessageMap.h"

class CCmdTarget : public CObject {
 public:
  // Runs the handler of the command (WM_COMMAND with this code and id) in
  // this object's map; FALSE when there is none.
  virtual BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

  // The first entry for the message (and, for WM_COMMAND and WM_NOTIFY, the
  // code and id) in the maps of this class and its bases, or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
