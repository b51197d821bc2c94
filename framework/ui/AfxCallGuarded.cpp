#include "framework/ui/AfxCallGuarded.h"

#include <exception>
#include <new>

#include "framework/core/CFileException.h"
#include "framework/ui/CWinApp.h"

BOOL AfxCallGuarded(const std::function<void()>& body) {
  CString text;
  try {
    body();
    return TRUE;
  } catch (const CFileException& e) {
    text = e.GetErrorMessage();
  } catch (const std::bad_alloc&) {
    text = "There is not enough memory to complete the operation.";
  } catch (const std::exception& e) {
    text.Format("An unexpected error occurred: %s", e.what());
  } catch (...) {
    text = "An unexpected error occurred.";
  }
  try {
    AfxMessageBox(text, MB_OK | MB_ICONERROR);
  } catch (...) {
    // Out of memory even for the box: carrying on is all that is left.
  }
  return FALSE;
}
