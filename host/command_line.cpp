#include "host/command_line.h"

namespace ubaspring {
namespace {

constexpr std::string_view kOverview =
    "usage: ubaspring score LOG.adi [options]   score a log and print the result\n"
    "       ubaspring check CALL --band BAND LOG.adi [options]\n"
    "                                          ask whether CALL is a dupe or a new multiplier\n"
    "       ubaspring setup [--dir DIR]        the plug-in's setup form (mode, own section)\n"
    "Run 'ubaspring COMMAND --help' for the options of a command.\n";

constexpr std::string_view kScoreUsage =
    "usage: ubaspring score LOG.adi [options]\n"
    "Replays an ADIF log through the Stats plug-in and prints its result text.\n"
    "  --call CALL      own callsign (default: STATION_CALLSIGN or OPERATOR of the log)\n"
    "  --prefix PFX     own DXCC prefix (default: from the country file; ON = Belgian)\n"
    "  --cabrillo       also write the Cabrillo file CALL.cbr (asks for its header)\n"
    "  --yes            confirm the Cabrillo header as shown, without asking\n"
    "  --dir DIR        folder for err.txt, the Cabrillo file and Plugins/ (default: .)\n"
    "  --plugin PATH    the plug-in library (default: Stats.so beside ubaspring)\n"
    "  --cty FILE       country file (default: /usr/share/hamradio-files/cty.dat)\n";

constexpr std::string_view kCheckUsage =
    "usage: ubaspring check CALL --band BAND LOG.adi [options]\n"
    "Replays the log, then asks the plug-in about CALL on BAND: duplicate (0),\n"
    "no new multiplier (1), new multiplier (2) or not valid here (4).\n"
    "  --band BAND        band of the QSO to come, such as 80m (required)\n"
    "  --exchange TEXT    exchange received from CALL (default: empty)\n"
    "  --prefix PFX       DXCC prefix of CALL (default: from the country file)\n"
    "  --own-prefix PFX   own DXCC prefix (default: from the country file)\n"
    "  --call CALL        own callsign (default: STATION_CALLSIGN or OPERATOR of the log)\n"
    "  --dir DIR, --plugin PATH, --cty FILE   as for score\n";

constexpr std::string_view kSetupUsage =
    "usage: ubaspring setup [--dir DIR] [--plugin PATH]\n"
    "Shows the plug-in's setup form; its settings go to DIR/Plugins/UBA_Spring.ini.\n";

class Reader {
  public:
    explicit Reader(const std::vector<std::string_view>& args) : args_(args) {}

    ParsedCommandLine run() {
        if (args_.empty()) {
            return fail("no command given (score, check or setup)");
        }
        const std::string_view command = args_[0];
        if (command == "--help" || command == "-h") {
            parsed_.options.help = true;
            return parsed_;
        }
        if (command == "score") {
            parsed_.options.command = Command::Score;
        } else if (command == "check") {
            parsed_.options.command = Command::Check;
        } else if (command == "setup") {
            parsed_.options.command = Command::Setup;
        } else {
            return fail("unknown command '" + std::string(command) + "'");
        }
        for (next_ = 1; next_ < args_.size() && parsed_.error.empty(); ++next_) {
            readArgument(args_[next_]);
        }
        if (parsed_.error.empty() && !parsed_.options.help) {
            checkComplete();
        }
        return parsed_;
    }

  private:
    ParsedCommandLine fail(std::string message) {
        parsed_.error = std::move(message);
        return parsed_;
    }

    std::optional<std::string> value(std::string_view option) {
        if (next_ + 1 >= args_.size()) {
            parsed_.error = "option " + std::string(option) + " needs a value";
            return std::nullopt;
        }
        return std::string(args_[++next_]);
    }

    void readArgument(std::string_view argument) {
        Options& options = parsed_.options;
        const Command command = options.command;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--dir") {
            if (auto dir = value(argument)) {
                options.dir = *dir;
            }
        } else if (argument == "--plugin") {
            options.pluginPath = value(argument);
        } else if (command == Command::Setup) {
            unknown(argument);
        } else if (argument == "--call") {
            options.ownCall = value(argument);
        } else if (argument == "--cty") {
            options.countryFilePath = value(argument);
        } else if (argument == "--prefix") {
            (command == Command::Score ? options.ownPrefix : options.checkPrefix) = value(argument);
        } else if (command == Command::Score && argument == "--cabrillo") {
            options.cabrillo = true;
        } else if (command == Command::Score && argument == "--yes") {
            options.yes = true;
        } else if (command == Command::Check && argument == "--own-prefix") {
            options.ownPrefix = value(argument);
        } else if (command == Command::Check && argument == "--band") {
            if (auto band = value(argument)) {
                options.band = *band;
            }
        } else if (command == Command::Check && argument == "--exchange") {
            if (auto exchange = value(argument)) {
                options.exchange = *exchange;
            }
        } else if (argument.size() > 1 && argument.front() == '-') {
            unknown(argument);
        } else {
            positional(argument);
        }
    }

    void unknown(std::string_view argument) {
        parsed_.error = "unknown option '" + std::string(argument) + "'";
    }

    void positional(std::string_view argument) {
        Options& options = parsed_.options;
        if (options.command == Command::Check && options.checkCall.empty()) {
            options.checkCall = argument;
        } else if (options.logPath.empty()) {
            options.logPath = argument;
        } else {
            parsed_.error = "unexpected argument '" + std::string(argument) + "'";
        }
    }

    void checkComplete() {
        const Options& options = parsed_.options;
        if (options.command == Command::Check && options.checkCall.empty()) {
            parsed_.error = "no callsign to check";
        } else if (options.command == Command::Check && options.band.empty()) {
            parsed_.error = "no band given (--band BAND)";
        } else if (options.command != Command::Setup && options.logPath.empty()) {
            parsed_.error = "no log file given";
        } else if (options.yes && !options.cabrillo) {
            parsed_.error = "--yes only goes with --cabrillo";
        }
    }

    const std::vector<std::string_view>& args_;
    ParsedCommandLine parsed_;
    std::size_t next_ = 0;
};

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args) {
    return Reader(args).run();
}

std::string_view usage(std::optional<Command> command) {
    if (!command) {
        return kOverview;
    }
    switch (*command) {
    case Command::Score:
        return kScoreUsage;
    case Command::Check:
        return kCheckUsage;
    case Command::Setup:
        return kSetupUsage;
    }
    return kOverview;
}

} // namespace ubaspring
