#include "framework/ui/CDialog.h"

#include "framework/ui/AfxCallGuarded.h"
#include "framework/ui/CDataExchange.h"
#include "framework/ui/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : templateName(MAKEINTRESOURCEA(templateId)), parentWindow(parent) {}

CDialog::CDialog(const char* name, CWnd* parent) : parentWindow(parent), templateNameText(name) {
  templateName = templateNameText;
}

HINSTANCE CDialog::TemplateModule() const {
  return templateModule ? templateModule : AfxGetResourceHandle();
}

HWND CDialog::OwnerWindow() const {
  HWND owner = parentWindow ? parentWindow->m_hWnd : nullptr;
  CWinApp* app = AfxGetApp();
  if (!owner && app && app->m_pMainWnd && app->m_pMainWnd != this) owner = app->m_pMainWnd->m_hWnd;
  // A modal dialog disables its owner: that must be the top-level window.
  return CWnd::TopLevelOf(owner);
}

INT_PTR CDialog::DoModal() {
  return ::DialogBoxParamA(TemplateModule(), templateName, OwnerWindow(), &CDialog::AfxDlgProc, (LPARAM)this);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  return Create(MAKEINTRESOURCEA(templateId), parent);
}

BOOL CDialog::Create(const char* name, CWnd* parent) {
  if (IS_INTRESOURCE(name)) {
    templateName = name;
  } else {
    templateNameText = name;
    templateName = templateNameText;
  }
  parentWindow = parent;
  HWND hWnd = ::CreateDialogParamA(TemplateModule(), templateName, parent ? parent->m_hWnd : nullptr,
                                   &CDialog::AfxDlgProc, (LPARAM)this);
  return hWnd != nullptr;
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  return HandleInitDialog(reinterpret_cast<CDialog*>(lParam), hWnd);
}

INT_PTR CDialog::HandleInitDialog(CDialog* dialog, HWND hWnd) {
  if (!dialog || !dialog->SubclassWindow(hWnd)) return TRUE;
  BOOL result = TRUE;
  AfxCallGuarded([&] { result = dialog->OnInitDialog(); });
  return result;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return !exchange.Failed();
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCmdMsg(id, code, wParam, lParam)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code, wParam, lParam);
}
