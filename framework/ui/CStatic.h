// A static control: text, icon or bitmap.
#pragma once

#include "framework/ui/CWnd.h"

class CStatic : public CWnd {
 public:
  HICON SetIcon(HICON icon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)icon); }
  HICON GetIcon() { return (HICON)SendMessage(STM_GETICON); }
  HBITMAP SetBitmap(HBITMAP bitmap) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap); }
  HBITMAP GetBitmap() { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP); }
};
