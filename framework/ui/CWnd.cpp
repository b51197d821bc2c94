#include "framework/ui/CWnd.h"

#include <map>
#include <memory>

#include "framework/ui/AfxCallGuarded.h"
#include "framework/ui/CDC.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

// One GUI thread: plain maps, no locks. Each module that links the framework
// (the program, a plug-in library) has maps of its own.
std::map<HWND, CWnd*>& PermanentMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
  static std::map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

}  // namespace

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, entries};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
  return GetThisMessageMap();
}

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    DestroyWindow();
    if (m_hWnd) Unbind();  // a window of another thread or process survives
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto found = PermanentMap().find(hWnd);
  return found == PermanentMap().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  auto& temporaries = TemporaryMap();
  auto found = temporaries.find(hWnd);
  if (found != temporaries.end()) return found->second.get();
  // Windows come and go without telling us: drop the objects of those gone.
  for (auto it = temporaries.begin(); it != temporaries.end();) {
    it = ::IsWindow(it->first) ? std::next(it) : temporaries.erase(it);
  }
  auto temporary = std::make_unique<CWnd>();
  temporary->m_hWnd = hWnd;
  return temporaries.emplace(hWnd, std::move(temporary)).first->second.get();
}

HWND CWnd::TopLevelOf(HWND hWnd) {
  while (hWnd && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
  return hWnd;
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew)) return FALSE;
  auto temporary = TemporaryMap().find(hWndNew);
  if (temporary != TemporaryMap().end()) {
    // The temporary object stays valid for whoever holds it, but is no
    // longer the window's object.
    temporary->second->m_hWnd = nullptr;
    TemporaryMap().erase(temporary);
  }
  PermanentMap()[hWndNew] = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd) PermanentMap().erase(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::AfxWndProc);
  if (!m_pfnSuper) {
    Detach();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  HWND control = parent ? ::GetDlgItem(parent->m_hWnd, (int)id) : nullptr;
  return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::Unbind() {
  if (m_pfnSuper) {
    UnsubclassWindow();
  } else {
    Detach();
  }
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  HWND hWnd = m_hWnd;
  BOOL destroyed = ::DestroyWindow(hWnd);
  // A window bound without subclassing never tells us it is gone.
  if (destroyed && m_hWnd == hWnd) Detach();
  return destroyed;
}

CWnd* CWnd::GetDlgItem(int id) const {
  return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  HWND control = ::GetDlgItem(m_hWnd, id);
  text.Empty();
  if (!control) return 0;
  FromHandle(control)->GetWindowText(text);
  return text.GetLength();
}

void CWnd::GetWindowText(CString& text) const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = text.GetBuffer(length + 1);
  int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
  text.ReleaseBuffer(copied);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::ScreenToClient(RECT* rect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::ClientToScreen(RECT* rect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  RECT window, area;
  GetWindowRect(&window);
  int width = window.right - window.left, height = window.bottom - window.top;
  HWND parent = ::GetParent(m_hWnd);
  if (GetStyle() & WS_CHILD) {
    ::GetClientRect(parent, &area);
    ::SetWindowPos(m_hWnd, nullptr, (area.right - width) / 2, (area.bottom - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  RECT workArea;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  HWND reference = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  if (reference && ::IsWindowVisible(reference) && !::IsIconic(reference)) {
    ::GetWindowRect(reference, &area);
  } else {
    area = workArea;
  }
  int x = (area.left + area.right - width) / 2, y = (area.top + area.bottom - height) / 2;
  // Over an owner near the screen's edge: keep the whole window on the screen.
  if (x + width > workArea.right) x = workArea.right - width;
  if (y + height > workArea.bottom) y = workArea.bottom - height;
  if (x < workArea.left) x = workArea.left;
  if (y < workArea.top) y = workArea.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static BOOL ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags) {
  DWORD style = (DWORD)::GetWindowLongA(hWnd, index);
  DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  ::SetWindowLongA(hWnd, index, (LONG)changed);
  if (flags) ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = FromHandlePermanent(hWnd);
  if (!wnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  MSG outer = wnd->currentMessage;
  wnd->currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = 0;
  AfxCallGuarded([&] { result = wnd->WindowProc(message, wParam, lParam); });
  wnd->currentMessage = outer;
  if (message == WM_NCDESTROY && wnd->m_hWnd == hWnd) {
    wnd->Unbind();
    wnd->PostNcDestroy();  // may delete the object
  }
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND: *result = 0; return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(wParam, lParam, result);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (ReflectToChild((HWND)lParam, message, wParam, lParam, result) && *result) return TRUE;
      break;
    case WM_DRAWITEM:
      if (ReflectToChild(((DRAWITEMSTRUCT*)lParam)->hwndItem, message, wParam, lParam, result)) return TRUE;
      break;
    default: break;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
  if (!entry) return FALSE;
  *result = entry->handler(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = (HWND)lParam;
  LRESULT ignored;
  if (control && ReflectToChild(control, WM_COMMAND, wParam, lParam, &ignored)) return TRUE;
  // Menus give code 0 and accelerators 1: both are plain commands.
  UINT code = control ? HIWORD(wParam) : 0;
  return OnCmdMsg(LOWORD(wParam), code, wParam, lParam);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header) return FALSE;
  if (ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, result)) return TRUE;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_NOTIFY, header->code, (UINT)header->idFrom);
  if (!entry) return FALSE;
  *result = entry->handler(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // Only to this window's own children: a property sheet's notifications
  // to its pages come from the parent and stay with the page.
  CWnd* control = child && ::GetParent(child) == m_hWnd ? FromHandlePermanent(child) : nullptr;
  return control && control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  UINT code = 0;
  if (message == WM_COMMAND) code = HIWORD(wParam);
  if (message == WM_NOTIFY) code = reinterpret_cast<const NMHDR*>(lParam)->code;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_REFLECT_BASE + message, code, 0);
  if (!entry) return FALSE;
  *result = entry->handler(this, wParam, lParam);
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(currentMessage.message, currentMessage.wParam, currentMessage.lParam);
}
