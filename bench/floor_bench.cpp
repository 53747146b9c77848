// The file work that one AddData0 cannot avoid, done by a plain loop of the platform calls: one
// append of an error-log line (open, write, close, as intake opens the log once per call) and one
// write of the settings key "Mode". AddData0's figures are read as a ratio to these.
#include "bench/registry.h"
#include "platform/profile.h"
#include "reports/error_log.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace stats::bench {
namespace {

constexpr const char* kSettingsPath = "Plugins\\UBA_Spring.ini";

// A finding line of a QSO of the standard log, as intake writes it.
std::string findingLine() {
    const BenchQso qso = benchLog(1).front();
    const FindingFields fields{qso.frequencyHz, qso.mode,        "2016-03-13 0705",
                               kOwnCall,        qso.rstSent,     qso.exchangeSent,
                               qso.call,        qso.rstReceived, qso.exchangeReceived};
    return ErrorLog::fixedPart(fields) + "   DUPE !!!\r\n";
}

void appendLine(const std::string& line) {
    std::FILE* file = std::fopen(ErrorLog::kFileName, "ab");
    if (file != nullptr) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fclose(file);
    }
}

void writeMode() {
    platform::writeProfileString("Settings", "Mode", "CW", kSettingsPath);
}

void floor(benchmark::State& state, bool append, bool write) {
    BenchContest contest(false);
    contest.add(benchLog(1).front());
    int ignored = 0;
    contest.result(&ignored); // the settings file holds what a contest leaves in it
    const std::string line = findingLine();
    for (auto _ : state) {
        if (append) {
            appendLine(line);
        }
        if (write) {
            writeMode();
        }
    }
}

} // namespace

void registerFloorBenchmarks() {
    benchmark::RegisterBenchmark("Floor_ErrorLogAppend",
                                 [](benchmark::State& st) { floor(st, true, false); })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Floor_ModeWrite",
                                 [](benchmark::State& st) { floor(st, false, true); })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Floor_AppendAndModeWrite",
                                 [](benchmark::State& st) { floor(st, true, true); })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

} // namespace stats::bench
