// The host's main window (dialog 102): an empty frame that unpacks the
// plug-in library from the program's own file, loads it and lets it build
// its user interface inside. However the dialog ends, the plug-in is
// released, the library unloaded and the unpacked file deleted.
#pragma once

#include "framework/core/CString.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/CStatic.h"

class CPlugInHost;

class CHostDlg : public CDialog {
 public:
  explicit CHostDlg(CWnd* parent = nullptr);
  ~CHostDlg() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  // Unpacks, loads and creates the plug-in; FALSE when the dialog was ended.
  BOOL OnInitDialog() override;
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnClose();
  void OnDestroy();

  // Writes the plug-in image carried by the program into a new file whose
  // absolute path goes into tempPackagePath. TRUE when the file holds it.
  BOOL ExtractPlugIn();

  DECLARE_MESSAGE_MAP()

 private:
  // Releases and unloads the plug-in, then deletes the unpacked file.
  void ReleasePlugIn();

  CStatic plugInFrame;
  HICON hostIcon;
  CString exePath;
  CString tempPackagePath;
  CPlugInHost* plugInHost = nullptr;
};
