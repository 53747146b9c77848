#pragma once

// A contest driven through the plug-in's exports, as a host drives it: a fresh copy of Stats.so
// loaded from a temporary folder that holds a Plugins/ folder and is the current directory while
// the contest is worked. The own station is Belgian, so the multipliers are DXCC prefixes.

#include "bench/qso_generator.h"
#include "tests/support/plugin_library.h"

#include <filesystem>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace stats::bench {

class BenchContest {
  public:
    // With cabrillo, ResetStats0 asks for the Cabrillo output; its dialog is confirmed and its
    // message swallowed by handlers installed here.
    explicit BenchContest(bool cabrillo);
    ~BenchContest();
    BenchContest(const BenchContest&) = delete;
    BenchContest& operator=(const BenchContest&) = delete;

    // Makes the contest's folder the current directory, where the plug-in writes its files.
    void enter() const;

    int reset();
    int add(const BenchQso& qso);
    int remove(const BenchQso& qso);
    // Both band arguments name the same band; the exchange typed so far is empty.
    int check(const char* call, const char* band, const char* prefix);
    const char* result(int* cabrilloDone);

    const std::filesystem::path& folder() const { return folder_; }

  private:
    bool cabrillo_;
    std::filesystem::path folder_;
    std::unique_ptr<test::PluginLibrary> plugin_;
};

// A contest that already holds the first size QSOs of the standard log, with the log itself and
// QSOs that would continue it.
struct FilledContest {
    FilledContest(std::size_t size, bool cabrillo);

    BenchContest contest;
    std::vector<BenchQso> log;
    std::vector<BenchQso> more;
};

// Filled contests, each made once when a benchmark first asks for it: filling 100,000 QSOs takes
// seconds, and the benchmark library calls a benchmark several times to choose its iterations.
class ContestShelf {
  public:
    FilledContest& filled(std::size_t size, bool cabrillo);

  private:
    std::map<std::pair<std::size_t, bool>, std::unique_ptr<FilledContest>> contests_;
};

} // namespace stats::bench
