// What a report run shows its user: a progress bar of a few steps, two info
// lines (a status and a detail under it), and the one failure message. The
// Collect page implements it with its controls (messages sent, not posted,
// since the run holds the GUI thread; the failure as a message box captioned
// "Ombrel Diagnostics"), the console tool on the console, tests by recording
// the calls.
#pragma once

#include "framework/core/CString.h"

class CReportProgress {
 public:
  virtual ~CReportProgress() = default;

  // A new bar of stepCount steps of 1 each, standing at 0.
  virtual void BeginProgress(int stepCount) = 0;
  virtual void StepProgress() = 0;
  virtual void ShowStatus(const CString& text) = 0;
  virtual void ShowDetail(const CString& text) = 0;
  // The report could not be written at all; shown to the user and answered.
  virtual void ShowFailure(const CString& message) = 0;
};
