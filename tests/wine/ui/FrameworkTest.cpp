// The window framework on the real window manager: message maps and their
// order, reflection to controls, the exception boundary, data exchange,
// modal ends and the handle map.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/core/CFileException.h"
#include "framework/ui/CDataExchange.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/CStatic.h"
#include "framework/ui/CWinApp.h"
#include "tests/wine/ui/FrameworkTestResource.h"

namespace {

std::string calls;  // what the handlers saw, in order

// Message boxes are recorded rather than shown.
class CTestApp : public CWinApp {
 public:
  int DoMessageBox(const char* text, UINT type) override {
    boxes += std::string(text) + (type & MB_ICONERROR ? " [error]" : "") + "\n";
    return IDOK;
  }
  void OnAppCommand() { calls += "app;"; }
  std::string boxes;
  DECLARE_MESSAGE_MAP()
};

const UINT ID_APP_COMMAND = 40001, ID_SHARED = 40002, ID_BASE_ONLY = 40003;
const UINT WM_THROW = WM_APP + 1, WM_THROW_FILE = WM_APP + 2;
const UINT NM_TEST = 0U - 3000U;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_APP_COMMAND, &CTestApp::OnAppCommand)
END_MESSAGE_MAP()

CTestApp theApp;

// A label that answers its own notifications and colours.
class CAnsweringLabel : public CStatic {
 public:
  void OnTest(NMHDR*, LRESULT* result) {
    calls += "label notify;";
    *result = 7;
  }
  HBRUSH CtlColor(CDC*, UINT type) {
    calls += type == CTLCOLOR_STATIC ? "label colour;" : "wrong colour;";
    return (HBRUSH)::GetStockObject(WHITE_BRUSH);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAnsweringLabel, CStatic)
ON_NOTIFY_REFLECT(NM_TEST, &CAnsweringLabel::OnTest)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CBaseTestDlg : public CDialog {
 public:
  CBaseTestDlg() : CDialog(IDD_FRAMEWORK_TEST) {}
  void OnShared() { calls += "base shared;"; }
  void OnBaseOnly() { calls += "base only;"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestDlg, CDialog)
ON_COMMAND(ID_SHARED, &CBaseTestDlg::OnShared)
ON_COMMAND(ID_BASE_ONLY, &CBaseTestDlg::OnBaseOnly)
END_MESSAGE_MAP()

class CTestDlg : public CBaseTestDlg {
 public:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, IDC_LABEL, label);
    DDX_Text(dx, IDC_NAME, name);
    DDX_Check(dx, IDC_ENABLED, enabled);
    if (withMissingControl) DDX_Text(dx, IDC_MISSING, name);
  }
  BOOL OnInitDialog() override {
    CBaseTestDlg::OnInitDialog();
    calls += "init;";
    if (endAtInit) EndDialog(endAtInit);
    if (postAtInit) PostMessage(WM_COMMAND, postAtInit);
    return TRUE;
  }
  void PostNcDestroy() override { calls += "post nc destroy;"; }

  void OnShared() { calls += "derived shared;"; }
  void OnButton() { calls += "button;"; }
  void OnTestNotify(NMHDR* header, LRESULT* result) {
    calls += "dialog notify " + std::to_string(header->idFrom) + ";";
    *result = 5;
  }
  LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("out of order"); }
  LRESULT OnThrowFile(WPARAM, LPARAM) {
    CFileException e(CFileException::diskFull, 112, "C:\\ombdiag.log");
    e.m_operation = "write";
    throw e;
  }
  void OnTimer(UINT_PTR id) {
    calls += "timer " + std::to_string(id) + ";";
    KillTimer(id);
  }

  CAnsweringLabel label;
  CString name = "first";
  int enabled = BST_CHECKED;
  bool withMissingControl = false;
  int endAtInit = 0;
  WPARAM postAtInit = 0;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CBaseTestDlg)
ON_COMMAND(ID_SHARED, &CTestDlg::OnShared)
ON_BN_CLICKED(IDC_BUTTON, &CTestDlg::OnButton)
ON_NOTIFY(NM_TEST, IDC_NAME, &CTestDlg::OnTestNotify)
ON_MESSAGE(WM_THROW, &CTestDlg::OnThrow)
ON_MESSAGE(WM_THROW_FILE, &CTestDlg::OnThrowFile)
ON_WM_TIMER()
END_MESSAGE_MAP()

LRESULT Notify(CWnd& dialog, int id, UINT code) {
  NMHDR header = {::GetDlgItem(dialog, id), (UINT_PTR)id, code};
  return dialog.SendMessage(WM_NOTIFY, id, (LPARAM)&header);
}

class Framework : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    theApp.boxes.clear();
  }
};

TEST_F(Framework, MessageMapsAnswerMostDerivedFirstThenBasesThenTheApplication) {
  CTestDlg dialog;
  ASSERT_TRUE(dialog.Create(IDD_FRAMEWORK_TEST));
  calls.clear();
  dialog.SendMessage(WM_COMMAND, ID_SHARED);
  dialog.SendMessage(WM_COMMAND, ID_BASE_ONLY);
  dialog.SendMessage(WM_COMMAND, ID_APP_COMMAND);
  dialog.SendMessage(WM_COMMAND, 40099);  // nobody's
  ::SendMessageA(::GetDlgItem(dialog, IDC_BUTTON), BM_CLICK, 0, 0);
  EXPECT_EQ(calls, "derived shared;base only;app;button;");

  // A notification goes to the dialog's map, or back to a control that
  // answers it itself; the handler's result is the message's.
  calls.clear();
  EXPECT_EQ(Notify(dialog, IDC_NAME, NM_TEST), 5);
  EXPECT_EQ(Notify(dialog, IDC_LABEL, NM_TEST), 7);
  EXPECT_EQ(calls, "dialog notify 1001;label notify;");

  calls.clear();
  HDC dc = ::GetDC(dialog);
  EXPECT_EQ(dialog.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)dialog.label.m_hWnd),
            (LRESULT)::GetStockObject(WHITE_BRUSH));
  ::ReleaseDC(dialog, dc);
  EXPECT_EQ(calls, "label colour;");

  calls.clear();
  dialog.SetTimer(3, 1);
  MSG message;
  for (int i = 0; i < 200 && calls.empty(); ++i) {
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    ::Sleep(5);
  }
  EXPECT_EQ(calls, "timer 3;");
  dialog.DestroyWindow();
}

TEST_F(Framework, ExceptionsStopAtTheWindowProcedureWithAnErrorBox) {
  CTestDlg dialog;
  ASSERT_TRUE(dialog.Create(IDD_FRAMEWORK_TEST));
  EXPECT_EQ(dialog.SendMessage(WM_THROW_FILE), 0);
  EXPECT_EQ(dialog.SendMessage(WM_THROW), 0);
  EXPECT_EQ(theApp.boxes,
            "Failed to write the file \"C:\\ombdiag.log\". The disk is full. [error]\n"
            "An unexpected error occurred: out of order [error]\n");
  // The window carries on.
  calls.clear();
  dialog.SendMessage(WM_COMMAND, ID_SHARED);
  EXPECT_EQ(calls, "derived shared;");
  dialog.DestroyWindow();
}

TEST_F(Framework, DataExchangeMovesValuesBothWaysAndBindsControls) {
  CTestDlg dialog;
  ASSERT_TRUE(dialog.Create(IDD_FRAMEWORK_TEST));
  // OnInitDialog put the members into the controls and bound the label.
  CString text;
  dialog.GetDlgItemText(IDC_NAME, text);
  EXPECT_EQ(text, "first");
  EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, IDC_ENABLED), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDC_LABEL)), &dialog.label);

  dialog.SetDlgItemText(IDC_NAME, "second");
  ::SendMessageA(::GetDlgItem(dialog, IDC_ENABLED), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.name, "second");
  EXPECT_EQ(dialog.enabled, BST_UNCHECKED);

  dialog.withMissingControl = true;
  EXPECT_FALSE(dialog.UpdateData(TRUE));

  // Destroying the dialog unbinds the objects from their windows.
  dialog.DestroyWindow();
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.label.m_hWnd, nullptr);
}

TEST_F(Framework, ModalDialogsEndThroughEndDialogOkCancelAndClose) {
  struct Ending {
    const char* name;
    int endAtInit;
    WPARAM postAtInit;
    UINT message;
    INT_PTR result;
  };
  const Ending endings[] = {
      {"EndDialog in OnInitDialog", 42, 0, 0, 42},
      {"OK", 0, IDOK, 0, IDOK},
      {"Cancel", 0, IDCANCEL, 0, IDCANCEL},
  };
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.name);
    calls.clear();
    CTestDlg dialog;
    dialog.endAtInit = ending.endAtInit;
    dialog.postAtInit = ending.postAtInit;
    EXPECT_EQ(dialog.DoModal(), ending.result);
    EXPECT_EQ(calls, "init;post nc destroy;");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
  }
  // OK reads the controls back before the dialog ends.
  CTestDlg dialog;
  dialog.postAtInit = IDOK;
  dialog.name = "kept";
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.name, "kept");
}

TEST_F(Framework, HandleMapGivesOneObjectPerWindow) {
  HWND window = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  CWnd* temporary = CWnd::FromHandle(window);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->m_hWnd, window);
  EXPECT_EQ(CWnd::FromHandle(window), temporary);
  EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);

  CWnd attached;
  ASSERT_TRUE(attached.Attach(window));
  EXPECT_EQ(CWnd::FromHandle(window), &attached);
  CWnd second;
  EXPECT_FALSE(second.Attach(window));
  EXPECT_EQ(attached.Detach(), window);
  EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
  EXPECT_TRUE(::IsWindow(window));  // detached: the window outlives the object

  {
    CWnd owner;
    ASSERT_TRUE(owner.SubclassWindow(window));
    CString text;
    owner.GetWindowText(text);
    EXPECT_EQ(text, "plain");
  }
  EXPECT_FALSE(::IsWindow(window));  // an object destroys the window it still holds
}

TEST_F(Framework, ApplicationNameComesFromTheTitleString) {
  EXPECT_EQ(AfxGetAppName(), "Framework Test");
  EXPECT_STREQ(theApp.GetAppName(), "Framework Test");
}

}  // namespace
