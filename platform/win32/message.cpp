// Messages on Windows: an information box owned by the calling thread's active window (the
// host's), waiting until the operator closes it.
#include "platform/dialog.h"

#include <windows.h>

#include <string>

namespace stats::platform {

void showMessage(std::string_view text, std::string_view caption) {
    const std::string textZ(text);
    const std::string captionZ(caption);
    MessageBoxA(GetActiveWindow(), textZ.c_str(), captionZ.c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace stats::platform
