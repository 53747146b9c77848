// Writes the resource script of the plug-in's dialogs (templates 101 and 104) to the file named
// on the command line.
#include "resources/rc_generator/rc_script.h"

#include <cstdio>
#include <exception>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.rc\n", argv[0]);
        return 2;
    }
    try {
        std::string script = "// Generated from the dialog descriptions in resources/.\n"
                             "#include <windows.h>\n\n";
        script += stats::resources::rcDialogStatement(stats::resources::cabrilloHeaderDialog());
        script += "\n";
        script += stats::resources::rcDialogStatement(stats::resources::setupDialog());
        std::ofstream out(argv[1], std::ios::binary);
        out << script;
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
