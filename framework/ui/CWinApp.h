// The application object: one per module (the program, or a plug-in
// library). In a program the framework's WinMain runs InitInstance, then the
// message loop when it returned TRUE, then ExitInstance. In a library,
// InitInstance runs when the library is loaded into a process (FALSE makes
// the load fail) and ExitInstance when it is unloaded.
#pragma once

#include "framework/core/CString.h"
#include "framework/ui/CCmdTarget.h"

class CWnd;

// The application-title string; when a module has none, the application's
// name is its file name without the extension.
const UINT AFX_IDS_APP_TITLE = 57344;
const UINT ID_HELP = 57670;

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }
  // The message loop of a program whose InitInstance returned TRUE; ends
  // with WM_QUIT and gives ExitInstance's result.
  virtual int Run();
  // Shows a message box captioned with the application's name, owned by the
  // active window of this thread. Tests replace it to see what was shown.
  virtual int DoMessageBox(const char* text, UINT type);

  // Opens the application's help file (the module's path with ".HLP").
  void OnHelp();

  // Kept for the classic start-up sequence: controls have drawn in 3D by
  // themselves since Windows 95, so there is nothing left to switch on.
  BOOL Enable3dControlsStatic() { return TRUE; }

  const char* GetAppName();

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  CString appName;
};

CWinApp* AfxGetApp();
// This module's handle, whose resources the framework loads by default.
HINSTANCE AfxGetResourceHandle();
// The application's name: the application object's, or without one the
// module's title string or file name.
CString AfxGetAppName();
int AfxMessageBox(const char* text, UINT type = MB_OK);
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
// A string resource of this module; empty when there is none.
CString AfxLoadString(UINT id);

// The framework's program entry, called by WinMain.
int AfxWinMain(HINSTANCE instance);
