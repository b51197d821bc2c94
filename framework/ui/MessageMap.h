// Message maps: a table of entries beside each class, walked from the most
// derived class to its bases. Each entry's handler is a small function that
// unpacks the message and calls the member it names, so a table reads like
// the list of messages the class answers:
//
//   BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
//     ON_WM_PAINT()
//     ON_COMMAND(IDOK, &CHostDlg::OnOK)
//   END_MESSAGE_MAP()
//
// Adding a message means adding one macro below with the unpacking it needs.
#pragma once

#include "framework/core/Win32Types.h"
#include "framework/ui/CDC.h"

class CCmdTarget;
class CWnd;

// Unpacks wParam and lParam, calls the member and gives the message's result.
typedef LRESULT (*AFX_PMSG)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT message;  // the window message; WM_COMMAND and WM_NOTIFY also match code and id
  UINT code;     // notification code of WM_COMMAND / WM_NOTIFY, else 0
  UINT id;       // first control or command id
  UINT lastId;   // last id of the range
  AFX_PMSG handler;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*getBaseMap)();  // null for the root
  const AFX_MSGMAP_ENTRY* entries;    // ends with an entry whose handler is null
};

// Messages a parent hands back to the child control that caused them, so a
// control class can answer its own notifications (a link label its colours, a
// page its sheet's notifications).
const UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { \
    return GetThisMessageMap();                       \
  }                                                   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
    using ThisClass [[maybe_unused]] = theClass;      \
    using TheBaseClass = baseClass;                   \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, 0, nullptr }                                                    \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

// One entry whose handler runs `body` with `self` (the object), wParam and lParam.
#define OMB_MSG_ENTRY(message, code, id, lastId, body)                                                 \
  {message, (UINT)(code), (UINT)(id), (UINT)(lastId),                                                  \
   [](CCmdTarget* target, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam) -> LRESULT { \
     [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(target);                               \
     body                                                                                              \
   }},

// Commands and control notifications: void member().
#define ON_COMMAND(id, memberFxn) OMB_MSG_ENTRY(WM_COMMAND, 0, id, id, (self->*(memberFxn))(); return 0;)
#define ON_COMMAND_RANGE(id, lastId, memberFxn) \
  OMB_MSG_ENTRY(WM_COMMAND, 0, id, lastId, (self->*(memberFxn))(LOWORD(wParam)); return 0;)
#define ON_CONTROL(code, id, memberFxn) OMB_MSG_ENTRY(WM_COMMAND, code, id, id, (self->*(memberFxn))(); return 0;)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// Notifications: void member(NMHDR* header, LRESULT* result).
#define ON_NOTIFY(code, id, memberFxn)                                                                      \
  OMB_MSG_ENTRY(WM_NOTIFY, code, id, id, LRESULT result = 0; (self->*(memberFxn))((NMHDR*)lParam, &result); \
                return result;)

// Reflected back to the control that sent them.
#define ON_CONTROL_REFLECT(code, memberFxn) \
  OMB_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, (self->*(memberFxn))(); return 0;)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                   \
  OMB_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, LRESULT result = 0; \
                (self->*(memberFxn))((NMHDR*)lParam, &result); return result;)
// HBRUSH CtlColor(CDC* dc, UINT ctlColor): the brush for the control's
// background, or null to let the parent decide.
#define OMB_CTLCOLOR_REFLECT(message, type) \
  OMB_MSG_ENTRY(WM_REFLECT_BASE + message, 0, 0, 0, CDC dc((HDC)wParam); return (LRESULT)self->CtlColor(&dc, type);)
#define ON_WM_CTLCOLOR_REFLECT()                           \
  OMB_CTLCOLOR_REFLECT(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC) \
  OMB_CTLCOLOR_REFLECT(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)     \
  OMB_CTLCOLOR_REFLECT(WM_CTLCOLORBTN, CTLCOLOR_BTN)       \
  OMB_CTLCOLOR_REFLECT(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)

// Any message: LRESULT member(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) OMB_MSG_ENTRY(message, 0, 0, 0, return (self->*(memberFxn))(wParam, lParam);)

// Window messages with their usual unpacking.
#define ON_WM_PAINT() OMB_MSG_ENTRY(WM_PAINT, 0, 0, 0, self->OnPaint(); return 0;)
#define ON_WM_CLOSE() OMB_MSG_ENTRY(WM_CLOSE, 0, 0, 0, self->OnClose(); return 0;)
#define ON_WM_DESTROY() OMB_MSG_ENTRY(WM_DESTROY, 0, 0, 0, self->OnDestroy(); return 0;)
#define ON_WM_SYSCOMMAND() OMB_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, 0, self->OnSysCommand((UINT)wParam, lParam); return 0;)
#define ON_WM_QUERYDRAGICON() OMB_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, return (LRESULT)self->OnQueryDragIcon();)
#define ON_WM_TIMER() OMB_MSG_ENTRY(WM_TIMER, 0, 0, 0, self->OnTimer((UINT_PTR)wParam); return 0;)
#define ON_WM_SETCURSOR()              \
  OMB_MSG_ENTRY(WM_SETCURSOR, 0, 0, 0, \
                return self->OnSetCursor(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));)
#define ON_WM_LBUTTONDOWN()                                                                            \
  OMB_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, POINT point = {(short)LOWORD(lParam), (short)HIWORD(lParam)}; \
                self->OnLButtonDown((UINT)wParam, point); return 0;)
