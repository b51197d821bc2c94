#include "host/HostDlg.h"

#include "framework/ui/CDataExchange.h"
#include "framework/ui/CPaintDC.h"
#include "framework/ui/CWinApp.h"
#include "host/HostAboutDlg.h"
#include "host/HostResource.h"
#include "host/PlugInHost.h"
#include "host/Win32ExtractionEnvironment.h"

namespace {
// Extraction's messages are the application's message boxes.
class HostExtractionEnvironment : public CWin32ExtractionEnvironment {
 public:
  void ShowMessage(const char* text) override { AfxMessageBox(text, MB_OK); }
};
}  // namespace

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CHostDlg::CHostDlg(CWnd* parent) : CDialog(IDD_OMBUTIL_DIALOG, parent) {
  hostIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CHostDlg::~CHostDlg() = default;

void CHostDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_PLUGIN_FRAME, plugInFrame);
}

BOOL CHostDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();

  if (HMENU systemMenu = GetSystemMenu(FALSE)) {
    CString about = AfxLoadString(IDS_ABOUTBOX);
    if (!about.IsEmpty()) {
      ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
  }
  SetIcon(hostIcon, TRUE);
  SetIcon(hostIcon, FALSE);

  if (!ExtractPlugIn()) {
    AfxMessageBox("Failed to unpack plugin. Contact your vendor,", MB_OK | MB_ICONERROR);
    EndDialog(0);
    return FALSE;
  }
  plugInHost = new CPlugInHost(1);
  // A library that cannot be loaded leaves the dialog open and empty.
  if (plugInHost->Load(tempPackagePath) && !plugInHost->CreateUI(this)) EndDialog(0);
  return TRUE;
}

BOOL CHostDlg::ExtractPlugIn() {
  HostExtractionEnvironment environment;
  return CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath);
}

void CHostDlg::OnSysCommand(UINT id, LPARAM lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CHostAboutDlg about;
    about.DoModal();
  } else {
    CDialog::OnSysCommand(id, lParam);
  }
}

void CHostDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
  RECT client;
  GetClientRect(&client);
  int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, hostIcon);
}

HCURSOR CHostDlg::OnQueryDragIcon() {
  return (HCURSOR)hostIcon;
}

void CHostDlg::OnClose() {
  ReleasePlugIn();
  CDialog::OnClose();
}

// The dialog also ends through EndDialog (a plug-in that cannot create its
// window, a failed unpack) and through OK or Cancel (Enter, Escape), none of
// which pass WM_CLOSE: the window's destruction is the one thing all share.
void CHostDlg::OnDestroy() {
  ReleasePlugIn();
  CDialog::OnDestroy();
}

void CHostDlg::ReleasePlugIn() {
  if (plugInHost) {
    plugInHost->Unload();
    delete plugInHost;
    plugInHost = nullptr;
  }
  if (!tempPackagePath.IsEmpty()) {
    ::DeleteFileA(tempPackagePath);
    tempPackagePath.Empty();
  }
}
