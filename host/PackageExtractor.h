// Unpacks the plug-in library carried inside the program's own file:
//   host image | "OBPSTART" | plug-in image
// The plug-in image is everything behind the first marker.
#pragma once

#include "framework/core/CFile.h"
#include "framework/core/CString.h"

// What extraction needs from the system and the user interface; the host
// connects it to the real calls, tests to a fixture.
class IExtractionEnvironment {
 public:
  virtual ~IExtractionEnvironment() = default;
  virtual DWORD GetTickCount() = 0;
  // The full path of the running program; empty when it cannot be had whole.
  virtual CString GetModuleFileName() = 0;
  // The absolute form of a name relative to the current directory.
  virtual CString GetFullPathName(const char* name) = 0;
  // A plain box with a single OK button and no icon.
  virtual void ShowMessage(const char* text) = 0;
};

class CPackageExtractor {
 public:
  explicit CPackageExtractor(IExtractionEnvironment& environment) : environment(environment) {}

  // Copies the plug-in image into a new file "%08lX.OBP" (the tick count) in
  // the current directory. tempPackagePath receives that file's absolute path
  // before anything is opened, so that loading and deleting later find this
  // very file whatever the current directory has become; exePath receives the
  // program's path. TRUE when the file holds the image. Shows "Failed to open
  // exe" or "Failed to create temp obp storage" itself; a missing marker or a
  // failed copy is silent (the caller reports the failure).
  BOOL ExtractPlugIn(CString& exePath, CString& tempPackagePath);

  // Offset of the first byte behind the first occurrence of the marker at or
  // after startOffset, or -1 when the file ends first. Leaves the file
  // position undefined.
  static LONGLONG FindMarker(CFile& file, const char* marker, int markerLength, int startOffset);

  static const UINT copyChunkSize = 400096;

 private:
  IExtractionEnvironment& environment;
};
