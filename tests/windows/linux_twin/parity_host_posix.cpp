// The contest script against the Linux build: loads Stats.so with dlopen and replays the script
// in the folder given, for comparison with what the Windows host wrote under Wine.
#include "tests/windows/contest_script.h"

#include <dlfcn.h>

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s Stats.so FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path library = std::filesystem::absolute(argv[1]);
        void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            std::fprintf(stderr, "dlopen: %s\n", dlerror());
            return 1;
        }
        const auto plugin = stats::wintest::resolvePluginExports(
            [handle](const char* name) { return dlsym(handle, name); });
        std::filesystem::create_directories(std::filesystem::path(argv[2]) / "Plugins");
        std::filesystem::current_path(argv[2]);
        stats::wintest::runContestScript(plugin);
        dlclose(handle);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
