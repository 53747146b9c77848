// ubaspring: scores a UBA Spring Contest log from any logging program's ADIF export through the
// Stats plug-in itself, and writes the Cabrillo file to submit.
#include "host/command_line.h"
#include "host/commands.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace ubaspring;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "ubaspring: %s (see ubaspring --help)\n", parsed.error.c_str());
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        const bool overview = args.empty() || args[0] == "--help" || args[0] == "-h";
        std::fputs(usage(overview ? std::nullopt : std::optional(options.command)).data(), stdout);
        return 0;
    }
    try {
        switch (options.command) {
        case Command::Score:
            return runScore(options);
        case Command::Check:
            return runCheck(options);
        case Command::Setup:
            return runSetup(options);
        }
    } catch (const InputError& error) {
        std::fprintf(stderr, "ubaspring: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ubaspring: %s\n", error.what());
        return 1;
    }
    return 1;
}
