// The host's handle on one plug-in library: loads it, drives its entry
// through init, create and release, and unloads it. Shows nothing; every
// failure is a result.
#pragma once

#include "framework/core/CObject.h"
#include "plugin/protocol/PlugInProtocol.h"

class CWnd;

class CPlugInHost : public CObject {
 public:
  explicit CPlugInHost(int plugInNumber);
  // Releases and unloads the library when Unload has not.
  ~CPlugInHost() override;

  // Loads the library, binds "OmbrelPlugIn" and sends PIM_INIT. On any
  // failure nothing stays loaded and the result is FALSE.
  BOOL Load(const char* fileName);
  // Sends PIM_CREATE with the dialog's window. FALSE for a null dialog or
  // when the plug-in refuses; the library stays loaded either way.
  BOOL CreateUI(CWnd* hostDialog);
  // Sends PIM_RELEASE and frees the library; nothing when none is loaded.
  void Unload();

 private:
  HINSTANCE libraryHandle = nullptr;
  PlugInInfo info = {};
  OmbrelPlugInProc entryPoint = nullptr;
  CWnd* hostDialog = nullptr;
  int plugInNumber;
};
