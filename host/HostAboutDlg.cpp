#include "host/HostAboutDlg.h"

#include "host/HostResource.h"

BEGIN_MESSAGE_MAP(CHostAboutDlg, CDialog)
END_MESSAGE_MAP()

CHostAboutDlg::CHostAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CHostAboutDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
}
