// A window object: the C++ side of one window handle. Permanent objects are
// the ones the program made or attached; FromHandle gives a temporary object
// for any other window. A window subclassed here (SubclassWindow, dialogs,
// controls bound by DDX_Control) sends its messages through the object's
// message map; what the map does not answer goes to the window's own
// procedure.
#pragma once

#include "framework/core/CString.h"
#include "framework/ui/CCmdTarget.h"

class CDC;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  // A window this object still holds is destroyed with it, as the platform's
  // framework does; detach a window that must outlive its object.
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }  // NOLINT: implicit as in the framework
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The permanent object of a window, or a temporary one kept until the
  // window is gone; null only for a null handle.
  static CWnd* FromHandle(HWND hWnd);
  // The permanent object of a window, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The top-level window that holds a window (itself when it is one).
  static HWND TopLevelOf(HWND hWnd);

  // Binds a window to this object without taking over its messages. FALSE for
  // a null handle or when either side is already bound.
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  // Binds a window and routes its messages through this object.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  BOOL DestroyWindow();

  // Child controls.
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
  int GetDlgItemText(int id, CString& text) const;

  // Text, state, placement.
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void ScreenToClient(RECT* rect) const;
  void ClientToScreen(RECT* rect) const;
  // Centres a popup over its owner, or on the work area when it has none (or
  // the owner is hidden or minimised); a child in its parent's client area.
  void CenterWindow(CWnd* alternateOwner = nullptr);
  BOOL RedrawWindow(const RECT* update = nullptr, HRGN region = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, update, region, flags);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  void SetFocus() { ::SetFocus(m_hWnd); }

  // Styles. A non-zero flags argument also calls SetWindowPos with them (and
  // SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE), which a frame
  // change needs to show.
  DWORD GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
  DWORD GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

  // Relatives, menus, icons, fonts.
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
  HICON SetIcon(HICON icon, BOOL bigIcon) {
    return (HICON)SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, (LPARAM)icon);
  }
  void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, (WPARAM)font, redraw); }
  HFONT GetFont() const { return (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0); }

  // Messages and timers.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr) { return ::SetTimer(m_hWnd, id, elapse, proc); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

  // The procedure of every window subclassed here.
  static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Every message of a subclassed window: the map first, then DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Looks the message up; TRUE with *result when something answered it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // WM_COMMAND: the control's own reflected handler first, then the map.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: the sending control's reflected handler first, then the map.
  // A property page receives its sheet's notifications here.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A notification the parent hands back to this control; TRUE when answered.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The window's own procedure (the one replaced by subclassing), else the
  // system's default.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default handling of the message being answered now.
  LRESULT Default();
  // After the last message of the window; the object is unbound by then.
  virtual void PostNcDestroy() {}

  // Default handlers: each passes the message on to Default().
  void OnPaint() { Default(); }
  void OnClose() { Default(); }
  void OnDestroy() { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  HCURSOR OnQueryDragIcon() { return (HCURSOR)Default(); }
  void OnTimer(UINT_PTR) { Default(); }
  BOOL OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
  void OnLButtonDown(UINT, POINT) { Default(); }

  static const AFX_MSGMAP* GetThisMessageMap();
  const AFX_MSGMAP* GetMessageMap() const override;

  WNDPROC m_pfnSuper = nullptr;  // the procedure subclassing replaced

 private:
  BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void Unbind();

  MSG currentMessage = {};
};
