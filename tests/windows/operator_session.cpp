#include "tests/windows/host_modes.h"
#include "tests/windows/plugin_exports.h"

#include <cstdio>
#include <exception>
#include <fstream>

namespace stats::wintest {

int operateDialogs(HMODULE plugin, const std::vector<std::string>& actions) {
    try {
        const PluginExports p = resolvePluginExports([plugin](const char* name) {
            return reinterpret_cast<void*>(GetProcAddress(plugin, name));
        });
        std::ofstream out("operate.txt", std::ios::binary | std::ios::trunc);
        for (const std::string& action : actions) {
            if (action == "header") {
                out << "ResetStats0 -> "
                    << p.ResetStats0("", 1, "ON4XYZ", nullptr, nullptr, "", "", "", "", "", "", "",
                                     "", "", "ON", 0, 0, 0, 0.0, 0.0, "", "", "")
                    << "\n";
            } else if (action == "qso") {
                COleDateTime time{45361.25, 0};
                out << "AddData0 -> "
                    << p.AddData0("ON4XYZ", "ON4AAA", &time, nullptr, nullptr, nullptr, 0,
                                  3'550'000, "CW", "599", "599", "001 ACC", "001 LGE", "", "", "",
                                  "", "", "", "", "", "", "ON", 0, 0, 0, 0.0, 0.0, "", "", "",
                                  "80m", "")
                    << "\n";
            } else if (action == "setup") {
                p.SetupSet0();
                out << "SetupSet0\n";
            } else if (action == "result") {
                int cabrilloDone = 0;
                const std::string text = p.GetResult0(&cabrilloDone);
                out << "GetResult0 -> " << cabrilloDone << "\n" << text << "\n";
            } else {
                std::fprintf(stderr, "unknown action %s\n", action.c_str());
                return 2;
            }
            out.flush();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace stats::wintest
