#include "platform/profile.h"
#include "tests/windows/host_modes.h"

#include <cstdio>
#include <filesystem>

namespace stats::wintest {

int checkProfileBackend() {
    using platform::readProfileString;
    using platform::writeProfileString;
    int failures = 0;
    auto expect = [&failures](bool condition, const char* what) {
        if (!condition) {
            std::fprintf(stderr, "profile: %s\n", what);
            ++failures;
        }
    };
    std::filesystem::create_directories("Plugins");
    const char* path = "Plugins\\backend.ini";
    std::filesystem::remove("Plugins/backend.ini");

    expect(readProfileString("Settings", "Name", "none", path) == "none",
           "a missing file does not give the fallback");
    expect(writeProfileString("Settings", "Name", "Jan", path), "a write was refused");
    expect(readProfileString("Settings", "Name", "none", path) == "Jan",
           "a value written is not read back");
    expect(readProfileString("Settings", "Other", "none", path) == "none",
           "a missing key does not give the fallback");
    // Lengths around the buffer sizes the backend grows through, and well past them.
    for (std::size_t length : {254u, 255u, 256u, 511u, 512u, 3000u}) {
        const std::string value(length, 'x');
        writeProfileString("Settings", "Long", value, path);
        expect(readProfileString("Settings", "Long", "", path) == value,
               "a long value is not read whole");
    }
    expect(!writeProfileString("Settings", "Name", "Jan", "Missing\\backend.ini"),
           "a write into a missing folder claims success");
    std::printf("profile backend checked, %d failures\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace stats::wintest
