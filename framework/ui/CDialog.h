// A dialog from a template: modal (DoModal) or modeless (Create). The
// template is looked up by id in the module given (by default the module
// this code is linked into). The dialog's window is subclassed at
// WM_INITDIALOG, so its messages go through the message map; the dialog
// manager's own procedure does the rest (keyboard navigation, default
// buttons, WM_CLOSE turned into IDCANCEL).
#pragma once

#include "framework/ui/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  // Without a template: for binding a window made elsewhere (Attach).
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  CDialog(const char* templateName, CWnd* parent = nullptr);

  // Runs the dialog modally; its owner is the parent given, else the
  // application's main window. The result of EndDialog, or -1 when the
  // dialog could not be created.
  virtual INT_PTR DoModal();
  // Creates the dialog modeless (a child when the template says WS_CHILD).
  // FALSE when the window could not be created.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL Create(const char* templateName, CWnd* parent = nullptr);
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // The module that holds the template.
  void SetTemplateModule(HINSTANCE module) { templateModule = module; }

  // Moves data between the controls and the members (FALSE: to the
  // controls). FALSE when DoDataExchange reported a failure.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  virtual BOOL OnInitDialog();

  // The dialog procedure of every dialog: binds the object at WM_INITDIALOG
  // and runs OnInitDialog; everything else comes through AfxWndProc. A
  // property page's procedure calls HandleInitDialog the same way.
  static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR HandleInitDialog(CDialog* dialog, HWND hWnd);

 protected:
  virtual void DoDataExchange(CDataExchange*) {}
  // IDOK: UpdateData, then EndDialog(IDOK). IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnOK();
  virtual void OnCancel();
  // Commands the dialog does not answer go on to the application.
  BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;

  const char* templateName = nullptr;  // a MAKEINTRESOURCE id or a name
  CWnd* parentWindow = nullptr;
  HINSTANCE templateModule = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  HWND OwnerWindow() const;
  HINSTANCE TemplateModule() const;
  CString templateNameText;  // keeps a named template's text alive
};
