// The boundary where C++ exceptions stop: every window procedure, dialog
// procedure and other callback the system calls runs its body through here,
// since an exception must never unwind through the system's own frames.
#pragma once

#include <functional>

#include "framework/core/Win32Types.h"

// Runs body. An exception it throws is shown to the user in an error box
// (for a file error: the file's name and what failed) and swallowed; the
// result is then FALSE.
BOOL AfxCallGuarded(const std::function<void()>& body);
