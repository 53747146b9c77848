#include "tests/windows/host_modes.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace stats::wintest {

int checkExportPairs(HMODULE plugin, const std::string& listFile) {
    std::ifstream list(listFile);
    if (!list) {
        std::fprintf(stderr, "cannot read %s\n", listFile.c_str());
        return 1;
    }
    int failures = 0;
    int functions = 0;
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream words(line);
        std::string plain;
        std::string decorated;
        if (!(words >> plain)) {
            continue;
        }
        ++functions;
        const FARPROC byPlain = GetProcAddress(plugin, plain.c_str());
        if (byPlain == nullptr) {
            std::fprintf(stderr, "no export %s\n", plain.c_str());
            ++failures;
        }
        if (words >> decorated) {
            const FARPROC byDecorated = GetProcAddress(plugin, decorated.c_str());
            if (byDecorated == nullptr || byDecorated != byPlain) {
                std::fprintf(stderr, "%s does not lead to %s\n", decorated.c_str(), plain.c_str());
                ++failures;
            }
        }
    }
    std::printf("%d functions checked by name, %d failures\n", functions, failures);
    return failures == 0 && functions > 0 ? 0 : 1;
}

} // namespace stats::wintest
