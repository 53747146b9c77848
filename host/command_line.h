#pragma once

// The command line of ubaspring, read into one value without touching any file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ubaspring {

enum class Command { Score, Check, Setup };

struct Options {
    Command command = Command::Score;
    bool help = false;
    std::string logPath;
    std::optional<std::string> ownCall;   // --call
    std::optional<std::string> ownPrefix; // score: --prefix; check: --own-prefix
    bool cabrillo = false;
    bool yes = false;
    std::string dir = ".";
    std::optional<std::string> pluginPath;
    std::optional<std::string> countryFilePath;
    // check only
    std::string checkCall;
    std::string band;
    std::string exchange;
    std::optional<std::string> checkPrefix; // --prefix of the station asked about
};

struct ParsedCommandLine {
    Options options;
    std::string error; // empty when the command line is usable
};

// args excludes the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args);

// The --help text of a command, or the overview for none.
std::string_view usage(std::optional<Command> command);

} // namespace ubaspring
