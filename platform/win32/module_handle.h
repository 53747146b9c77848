#pragma once

#include <windows.h>

namespace stats::platform::win32 {

// The plug-in DLL's own module handle, which holds the dialog templates (not the host's .exe).
HINSTANCE pluginModule();

} // namespace stats::platform::win32
