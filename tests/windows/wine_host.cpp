// The Windows test host: loads Stats.dll with LoadLibraryA, as the logging program does, and
// runs one of the checks on it (see host_modes.h), or the contest script of the parity test.
#include "tests/windows/contest_script.h"
#include "tests/windows/host_modes.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s exports Stats.dll LIST\n"
                 "       %s resources Stats.dll\n"
                 "       %s profile Stats.dll FOLDER\n"
                 "       %s script Stats.dll FOLDER\n"
                 "       %s operate Stats.dll FOLDER ACTION...\n",
                 program, program, program, program, program);
    return 2;
}

int runScript(HMODULE plugin) {
    try {
        stats::wintest::runContestScript(
            stats::wintest::resolvePluginExports([plugin](const char* name) {
                return reinterpret_cast<void*>(GetProcAddress(plugin, name));
            }));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// The plug-in writes into the current directory, which must hold the Plugins folder.
void enterFolder(const std::string& folder) {
    std::filesystem::create_directories(std::filesystem::path(folder) / "Plugins");
    std::filesystem::current_path(folder);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return usage(argv[0]);
    }
    const std::string mode = argv[1];
    const std::string library = std::filesystem::absolute(argv[2]).string();
    HMODULE plugin = LoadLibraryA(library.c_str());
    if (plugin == nullptr) {
        std::fprintf(stderr, "LoadLibraryA(%s) failed: %lu\n", library.c_str(), GetLastError());
        return 1;
    }
    int status = 2;
    if (mode == "exports" && argc == 4) {
        status = stats::wintest::checkExportPairs(plugin, argv[3]);
    } else if (mode == "resources" && argc == 3) {
        status = stats::wintest::checkDialogResources(plugin);
    } else if (mode == "profile" && argc == 4) {
        enterFolder(argv[3]);
        status = stats::wintest::checkProfileBackend();
    } else if (mode == "script" && argc == 4) {
        enterFolder(argv[3]);
        status = runScript(plugin);
    } else if (mode == "operate" && argc >= 5) {
        enterFolder(argv[3]);
        status =
            stats::wintest::operateDialogs(plugin, std::vector<std::string>(argv + 4, argv + argc));
    } else {
        usage(argv[0]);
    }
    FreeLibrary(plugin);
    return status;
}
