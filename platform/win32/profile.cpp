// Private-profile files on Windows: the system's own functions. The path goes to them as it is;
// "Plugins\UBA_Spring.ini" names a folder, so Windows resolves it against the current directory.
#include "platform/profile.h"
#include "platform/text.h"

#include <windows.h>

#include <string>

namespace stats::platform {

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, std::string_view path) {
    const std::string sectionZ(section);
    const std::string keyZ(key);
    const std::string fallbackZ(fallback);
    const std::string pathZ(path);
    // The function cuts a value that does not fit and then returns size - 1 (size - 2 when the
    // cut falls inside a double-byte character): grow until the whole value fits.
    std::string buffer(256, '\0');
    for (;;) {
        const DWORD copied = GetPrivateProfileStringA(
            sectionZ.c_str(), keyZ.c_str(), fallbackZ.c_str(), buffer.data(),
            static_cast<DWORD>(buffer.size()), pathZ.c_str());
        if (copied + 2 < buffer.size()) {
            buffer.resize(copied);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path) {
    const std::string sectionZ(section);
    const std::string keyZ(key);
    // A line break in the value would start another key or section of the file.
    const std::string valueZ = text::withoutLineBreaks(value);
    const std::string pathZ(path);
    return WritePrivateProfileStringA(sectionZ.c_str(), keyZ.c_str(), valueZ.c_str(),
                                      pathZ.c_str()) != FALSE;
}

} // namespace stats::platform
