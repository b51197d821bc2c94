#include "framework/ui/CDC.h"

#include "framework/ui/CFont.h"

HFONT CDC::SelectObject(CFont* font) {
  return (HFONT)::SelectObject(m_hDC, font ? (HGDIOBJ)font->m_hObject : nullptr);
}
