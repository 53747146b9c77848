// Messages on POSIX systems: the text goes to the controlling terminal, or to standard error
// when the process has none.
#include "platform/dialog.h"

#include <cstdio>

namespace stats::platform {

void showMessage(std::string_view text, std::string_view caption) {
    std::FILE* terminal = std::fopen("/dev/tty", "w");
    std::FILE* out = terminal != nullptr ? terminal : stderr;
    std::fprintf(out, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    std::fflush(out);
    if (terminal != nullptr) {
        std::fclose(terminal);
    }
}

} // namespace stats::platform
