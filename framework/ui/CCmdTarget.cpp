#include "framework/ui/CCmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->getBaseMap ? map->getBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->entries; entry->handler; ++entry) {
      if (entry->message == message && entry->code == code && id >= entry->id && id <= entry->lastId) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, id);
  if (!entry) return FALSE;
  entry->handler(this, wParam, lParam);
  return TRUE;
}
