// The About box (dialog 100), reached through the system menu.
#pragma once

#include "framework/ui/CDialog.h"

class CHostAboutDlg : public CDialog {
 public:
  explicit CHostAboutDlg(CWnd* parent = nullptr);
  ~CHostAboutDlg() override = default;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

  DECLARE_MESSAGE_MAP()
};
