#include "host/commands.h"

#include "platform/text.h"

#include "host/adif_reader.h"
#include "host/contest_replay.h"
#include "host/country_file.h"
#include "host/file_bytes.h"
#include "host/progress_bar.h"
#include "host/qso_fields.h"
#include "host/stats_plugin.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace ubaspring {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";

void say(const std::string& text) {
    std::fprintf(stderr, "ubaspring: %s\n", text.c_str());
}

fs::path pluginPath(const Options& options) {
    if (options.pluginPath) {
        return fs::absolute(*options.pluginPath);
    }
    std::error_code failed;
    const fs::path program = fs::read_symlink("/proc/self/exe", failed);
    return (failed ? fs::current_path() : program.parent_path()) / "Stats.so";
}

// The plug-in writes err.txt, the Cabrillo file and Plugins/UBA_Spring.ini into the current
// directory and never creates Plugins/ itself.
void enterContestFolder(const std::string& dir) {
    std::error_code failed;
    if (!fs::is_directory(dir) && fs::create_directories(dir, failed)) {
        say("created the folder " + dir);
    }
    fs::current_path(dir, failed);
    if (failed) {
        throw std::runtime_error("cannot change into " + dir + ": " + failed.message());
    }
    if (!fs::is_directory("Plugins")) {
        fs::create_directory("Plugins", failed);
        if (failed) {
            throw std::runtime_error("cannot create " + dir + "/Plugins: " + failed.message());
        }
        say("created " + (fs::path(dir) / "Plugins").string() + " for the plug-in's settings");
    }
}

class PrefixSource {
  public:
    explicit PrefixSource(const Options& options) {
        const std::string path = options.countryFilePath.value_or(kDefaultCountryFile);
        FileBytes text = readFileBytes(path);
        if (!text.bytes) {
            if (options.countryFilePath) {
                throw InputError("cannot read the country file " + path + ": " + text.error);
            }
            say("no country file at " + path + " (" + text.error +
                "); prefixes are guessed from the calls, ON..OT as ON");
            return;
        }
        file_ = CountryFile::parse(*text.bytes);
        if (file_->entityCount() == 0) {
            throw InputError(path + " is not a country file (no entities found)");
        }
    }

    std::string operator()(std::string_view call) const {
        if (file_) {
            if (std::optional<std::string> prefix = file_->prefixOf(call)) {
                return *prefix;
            }
        }
        return guessPrefix(call);
    }

  private:
    std::optional<CountryFile> file_;
};

std::size_t lineOf(const std::string& bytes, std::size_t offset) {
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(offset, bytes.size()));
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), end, '\n'));
}

struct LoadedLog {
    std::vector<QsoFields> qsos;
    std::string ownCall;
    std::string ownPrefix;
};

struct AdifFile {
    std::string bytes;
    AdifLog adif;
};

// Reads the whole log before anything is written, so bad input leaves no trace.
AdifFile readLog(const Options& options) {
    FileBytes file = readFileBytes(options.logPath);
    if (!file.bytes) {
        throw InputError("cannot read " + options.logPath + ": " + file.error);
    }
    if (file.bytes->empty()) {
        throw InputError(options.logPath + " is empty");
    }
    AdifFile log{std::move(*file.bytes), {}};
    log.adif = parseAdif(log.bytes);
    if (log.adif.records.empty()) {
        throw InputError(options.logPath + " is not an ADIF log (no QSO records found)");
    }
    return log;
}

std::string ownCallOf(const Options& options, const AdifRecord& first) {
    if (options.ownCall && !options.ownCall->empty()) {
        return *options.ownCall;
    }
    for (const char* name : {"STATION_CALLSIGN", "OPERATOR"}) {
        if (const std::optional<std::string_view> call = first.find(name); call && !call->empty()) {
            return std::string(*call);
        }
    }
    throw InputError(options.logPath +
                     " names no own callsign (STATION_CALLSIGN or OPERATOR); give --call");
}

LoadedLog mapLog(const Options& options, const AdifFile& file, const PrefixSource& prefixOf) {
    LoadedLog log;
    log.ownCall = ownCallOf(options, file.adif.records.front());
    log.ownPrefix = options.ownPrefix ? *options.ownPrefix : prefixOf(log.ownCall);

    const auto where = [&](std::size_t offset) {
        return options.logPath + ":" + std::to_string(lineOf(file.bytes, offset)) + ": ";
    };
    for (const AdifProblem& problem : file.adif.problems) {
        say(where(problem.offset) + problem.message);
    }
    log.qsos.reserve(file.adif.records.size());
    const PrefixLookup lookup = [&prefixOf](std::string_view call) { return prefixOf(call); };
    for (const AdifRecord& record : file.adif.records) {
        log.qsos.push_back(qsoFromRecord(record, log.ownCall, lookup));
        for (const std::string& problem : log.qsos.back().problems) {
            say(where(record.offset) + problem);
        }
    }
    return log;
}

void printMessage(void*, const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "",
                 text != nullptr ? text : "");
}

int confirmAsShown(void*, StatsDialog*) {
    return 1;
}

ReplayCounts replay(StatsPlugin& plugin, bool cabrillo, const LoadedLog& log) {
    ProgressBar bar(stderr, log.qsos.size(),
                    log.qsos.size() > kProgressBarThreshold && ::isatty(STDERR_FILENO) != 0);
    return replayContest(plugin, cabrillo, log.ownCall, log.ownPrefix, log.qsos,
                         [&bar](std::size_t done) { bar.update(done); });
}

void reportCounts(const LoadedLog& log, const ReplayCounts& counts) {
    say(std::to_string(counts.stored + counts.rejected) + " QSOs read, " +
        std::to_string(counts.stored) + " stored, " + std::to_string(counts.rejected) +
        " rejected (own call " + log.ownCall + ", prefix " + log.ownPrefix + ")");
}

// The findings of this run: every line of err.txt after the heading the reset wrote.
void reportErrorLog() {
    const FileBytes errors = readFileBytes("err.txt");
    if (!errors.bytes) {
        say("err.txt could not be read back: " + errors.error);
        return;
    }
    std::vector<std::string_view> lines;
    std::string_view rest = *errors.bytes;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    const std::size_t findings = lines.empty() ? 0 : lines.size() - 1;
    say("err.txt: " + std::to_string(findings) + (findings == 1 ? " finding" : " findings"));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::fprintf(stderr, "  %.*s\n", static_cast<int>(lines[i].size()), lines[i].data());
    }
}

// The log's QSOs, read and mapped; the file's bytes are let go before the contest starts.
LoadedLog loadLog(const Options& options, const PrefixSource& prefixOf) {
    const AdifFile file = readLog(options);
    return mapLog(options, file, prefixOf);
}

// The Cabrillo header's mode category and reports follow the mode the plug-in remembers from the
// last QSO it stored. Handing it the log's QSOs from the end until it stores one leaves the very
// mode a whole replay would leave; the contest proper then starts afresh.
void rememberModeOfLog(StatsPlugin& plugin, const LoadedLog& log) {
    startContest(plugin, false, log.ownCall, log.ownPrefix);
    for (auto qso = log.qsos.rbegin(); qso != log.qsos.rend(); ++qso) {
        if (addQso(plugin, *qso) != 0) {
            break;
        }
    }
}

} // namespace

int runScore(const Options& options) {
    const PrefixSource prefixOf(options);
    LoadedLog log = loadLog(options, prefixOf);
    StatsPlugin plugin(pluginPath(options));
    enterContestFolder(options.dir);

    plugin.SetMessageHandler(printMessage, nullptr);
    if (options.yes) {
        plugin.SetDialogHandler(confirmAsShown, nullptr);
    }
    if (options.cabrillo) {
        rememberModeOfLog(plugin, log);
    }
    const ReplayCounts counts = replay(plugin, options.cabrillo, log);
    // The plug-in holds its own copies now; the Cabrillo output needs the memory more.
    std::vector<QsoFields>().swap(log.qsos);
    int cabrilloDone = 0;
    const std::string result = plugin.GetResult0(&cabrilloDone);
    std::fwrite(result.data(), 1, result.size(), stdout);
    std::fflush(stdout);
    if (::isatty(STDOUT_FILENO) != 0) {
        // The result ends without a line break; on a terminal the report starts on a line of
        // its own, while the result itself stays exactly as the plug-in returned it.
        std::fputc('\n', stderr);
    }

    reportCounts(log, counts);
    reportErrorLog();
    return 0;
}

int runCheck(const Options& options) {
    const PrefixSource prefixOf(options);
    const LoadedLog log = loadLog(options, prefixOf);
    const std::string prefix = options.checkPrefix.value_or(prefixOf(options.checkCall));
    const std::string band = stats::text::lowerCase(options.band);
    StatsPlugin plugin(pluginPath(options));
    enterContestFolder(options.dir);

    const ReplayCounts counts = replay(plugin, false, log);
    reportCounts(log, counts);
    const int answer = checkCall(plugin, options.checkCall, band, options.exchange, prefix);
    std::printf("%s on %s (prefix %s): %.*s (%d)\n", options.checkCall.c_str(), band.c_str(),
                prefix.c_str(), static_cast<int>(checkAnswerText(answer).size()),
                checkAnswerText(answer).data(), answer);
    return 0;
}

int runSetup(const Options& options) {
    StatsPlugin plugin(pluginPath(options));
    enterContestFolder(options.dir);
    plugin.SetupSet0();
    return 0;
}

} // namespace ubaspring
