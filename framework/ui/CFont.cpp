#include "framework/ui/CFont.h"

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const char* faceName) {
  if (m_hObject) return FALSE;
  return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                              outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont) {
  if (m_hObject) return FALSE;
  return Attach(::CreateFontIndirectA(logFont));
}

BOOL CFont::Attach(HFONT font) {
  if (!font || m_hObject) return FALSE;
  m_hObject = font;
  return TRUE;
}

HFONT CFont::Detach() {
  HFONT font = m_hObject;
  m_hObject = nullptr;
  return font;
}

BOOL CFont::DeleteObject() {
  if (!m_hObject) return FALSE;
  BOOL deleted = ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  return deleted;
}
