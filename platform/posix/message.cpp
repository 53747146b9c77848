// Messages on POSIX systems: the text goes to the controlling terminal, or to standard error
// when the process has none.
#include "platform/dialog.h"
#include "platform/posix/terminal.h"

#include <cstdio>
#include <string>

namespace stats::platform {

void showMessage(std::string_view text, std::string_view caption) {
    const std::string line = std::string(caption) + ": " + std::string(text) + "\n";
    Terminal terminal;
    if (terminal.isOpen()) {
        terminal.write(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace stats::platform
