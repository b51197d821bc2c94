// A font that owns its handle: deleted with the object or by DeleteObject.
#pragma once

#include "framework/core/Win32Types.h"

class CFont {
 public:
  CFont() = default;
  ~CFont() { DeleteObject(); }
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  HFONT m_hObject = nullptr;
  operator HFONT() const { return m_hObject; }  // NOLINT: implicit as in the framework

  // FALSE when the object already holds a font or the system refused.
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, const char* faceName);
  BOOL CreateFontIndirect(const LOGFONTA* logFont);
  BOOL Attach(HFONT font);
  HFONT Detach();
  BOOL DeleteObject();
};
