#include "host/HostApp.h"

#include "host/HostDlg.h"

BEGIN_MESSAGE_MAP(CHostApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CHostApp theApp;

BOOL CHostApp::InitInstance() {
  Enable3dControlsStatic();
  CHostDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;  // the dialog object ends here
  return FALSE;
}
