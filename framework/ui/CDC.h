// A device context. This base does not own its handle; CPaintDC does.
#pragma once

#include "framework/core/Win32Types.h"

class CFont;

class CDC {
 public:
  CDC() = default;
  explicit CDC(HDC hdc) : m_hDC(hdc) {}
  virtual ~CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT: implicit as in the framework

  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
  int DrawText(const char* text, RECT* rect, UINT format) { return ::DrawTextA(m_hDC, text, -1, rect, format); }
  BOOL TextOut(int x, int y, const char* text, int length) { return ::TextOutA(m_hDC, x, y, text, length); }
  COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
  COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  // Returns the font that was selected before, as a handle to put back.
  HFONT SelectObject(CFont* font);
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
  BOOL FillRect(const RECT* rect, HBRUSH brush) { return ::FillRect(m_hDC, rect, brush); }
};
