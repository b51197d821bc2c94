#include "framework/ui/CWinApp.h"
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "framework/ui/AfxCallGuarded.h"
#include "framework/ui/CWnd.h"

// The linker's symbol at the start of the module's own image: its handle,
// in a program and in a library alike, with no call that Windows 95 lacks.
extern "C" IMAGE_DOS_HEADER __ImageBase;

static CWinApp* theApplication = nullptr;

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* name) : appName(name) {
  theApplication = this;
  m_hInstance = AfxGetResourceHandle();
}

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

CWinApp* AfxGetApp() {
  return theApplication;
}

HINSTANCE AfxGetResourceHandle() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CString AfxLoadString(UINT id) {
  char buffer[1024];
  int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
  return CString(buffer, length > 0 ? length : 0);
}

static CString ModuleTitle() {
  CString title = AfxLoadString(AFX_IDS_APP_TITLE);
  if (!title.IsEmpty()) return title;
  char path[MAX_PATH + 1] = "";
  ::GetModuleFileNameA(AfxGetResourceHandle(), path, MAX_PATH);
  title = path;
  title = title.Mid(title.ReverseFind('\\') + 1);
  int dot = title.ReverseFind('.');
  return dot > 0 ? title.Left(dot) : title;
}

const char* CWinApp::GetAppName() {
  if (appName.IsEmpty()) appName = ModuleTitle();
  return appName;
}

CString AfxGetAppName() {
  CWinApp* app = AfxGetApp();
  return app ? CString(app->GetAppName()) : ModuleTitle();
}

int CWinApp::DoMessageBox(const char* text, UINT type) {
  // The box belongs to the window the user works in, so that it is modal to it.
  HWND owner = CWnd::TopLevelOf(::GetActiveWindow());
  return ::MessageBoxA(owner, text, GetAppName(), type);
}

int AfxMessageBox(const char* text, UINT type) {
  CWinApp* app = AfxGetApp();
  if (app) return app->DoMessageBox(text, type);
  return ::MessageBoxA(::GetActiveWindow(), text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT stringId, UINT type) {
  return AfxMessageBox(AfxLoadString(stringId), type);
}

void CWinApp::OnHelp() {
  char path[MAX_PATH + 1] = "";
  ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
  CString helpFile = path;
  int dot = helpFile.ReverseFind('.');
  if (dot > helpFile.ReverseFind('\\')) helpFile = helpFile.Left(dot);
  helpFile += ".HLP";
  ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, helpFile, HELP_FINDER, 0);
}

int CWinApp::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return ExitInstance();
}

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_hInstance = instance;
  // Dialog templates may hold the common controls (progress bars and the
  // like): their window classes must be registered first.
  ::InitCommonControls();
  int result = -1;
  AfxCallGuarded([&] { result = app->InitInstance() ? app->Run() : app->ExitInstance(); });
  return result;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return AfxWinMain(instance);
}
