// One export at a time on a log of a given size. The calls that change the log undo their
// change in batches, with the timer paused, so that the log keeps its size while it is measured.
#include "bench/registry.h"

#include <benchmark/benchmark.h>

#include <set>
#include <string>
#include <utility>

namespace stats::bench {
namespace {

constexpr std::size_t kBatch = 64;
constexpr std::size_t kQueries = 1024; // cycled, so that no single entry stays in the cache

struct Query {
    std::string call;
    std::string band;
    std::string prefix;
};

std::string sizeName(const char* name, std::size_t size) {
    return std::string(name) + "/" + std::to_string(size);
}

// A spread of log positions from the oldest record to the newest, the same on every run.
std::vector<std::size_t> positions(std::size_t size) {
    std::vector<std::size_t> picked;
    std::uint64_t x = 12345;
    for (std::size_t i = 0; i < kQueries; ++i) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        picked.push_back(static_cast<std::size_t>((x >> 33) % size));
    }
    return picked;
}

void addData(benchmark::State& state, ContestShelf& shelf, std::size_t size) {
    FilledContest& f = shelf.filled(size, false);
    std::size_t next = 0;
    std::size_t pending = 0;
    auto undo = [&] {
        for (std::size_t i = next - pending; i < next; ++i) {
            f.contest.remove(f.more[i % f.more.size()]); // its own time: exactly this record
        }
        pending = 0;
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.contest.add(f.more[next % f.more.size()]));
        ++next;
        if (++pending == kBatch) {
            state.PauseTiming();
            undo();
            state.ResumeTiming();
        }
    }
    undo();
}

void removeData(benchmark::State& state, ContestShelf& shelf, std::size_t size) {
    FilledContest& f = shelf.filled(size, false);
    // Distinct records, so that no batch removes the same one twice, all of one mode: putting
    // them back then rewrites the settings key "Mode" once, not on every add.
    std::vector<std::size_t> targets;
    std::set<std::size_t> seen;
    for (std::size_t position : positions(size)) {
        if (f.log[position].mode == "CW" && seen.insert(position).second) {
            targets.push_back(position);
        }
    }
    targets.resize(targets.size() / kBatch * kBatch);
    std::vector<std::size_t> removed;
    auto undo = [&] {
        for (std::size_t position : removed) {
            f.contest.add(f.log[position]); // back at the end of the log
        }
        removed.clear();
    };
    std::size_t next = 0;
    for (auto _ : state) {
        const std::size_t position = targets[next++ % targets.size()];
        benchmark::DoNotOptimize(f.contest.remove(f.log[position]));
        removed.push_back(position);
        if (removed.size() == kBatch) {
            state.PauseTiming();
            undo();
            state.ResumeTiming();
        }
    }
    undo();
}

enum class CheckKind { Duplicate, NewMultiplier, OtherBand };

std::vector<Query> queries(const FilledContest& f, CheckKind kind) {
    std::set<std::pair<std::string, std::string>> worked;
    for (const BenchQso& qso : f.log) {
        worked.emplace(qso.call, qso.band);
    }
    QsoGenerator strangers(7, 1);
    const char* const farPrefixes[] = {"VK", "ZL", "JA", "W", "VE", "PY", "ZS", "LU"};
    const char* const bands[] = {"80m", "2m", "6m"};
    std::vector<Query> list;
    std::size_t i = 0;
    for (std::size_t position : positions(f.log.size())) {
        const BenchQso& qso = f.log[position];
        switch (kind) {
        case CheckKind::Duplicate:
            list.push_back({qso.call, qso.band, qso.prefix});
            break;
        case CheckKind::NewMultiplier:
            list.push_back({strangers.unusedCall(), bands[i % 3], farPrefixes[i % 8]});
            break;
        case CheckKind::OtherBand:
            for (const char* band : bands) {
                if (!worked.contains({qso.call, band})) {
                    list.push_back({qso.call, band, qso.prefix});
                    break;
                }
            }
            break;
        }
        ++i;
    }
    return list;
}

bool expected(CheckKind kind, int answer) {
    switch (kind) {
    case CheckKind::Duplicate:
        return answer == 0;
    case CheckKind::NewMultiplier:
        return answer == 2;
    case CheckKind::OtherBand:
        return answer == 1 || answer == 2;
    }
    return false;
}

void checkCall(benchmark::State& state, ContestShelf& shelf, std::size_t size, CheckKind kind) {
    FilledContest& f = shelf.filled(size, false);
    const std::vector<Query> list = queries(f, kind);
    for (const Query& q : list) {
        if (!expected(kind, f.contest.check(q.call.c_str(), q.band.c_str(), q.prefix.c_str()))) {
            state.SkipWithError("a call check did not give the answer this benchmark is about");
            return;
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const Query& q = list[next++ % list.size()];
        benchmark::DoNotOptimize(f.contest.check(q.call.c_str(), q.band.c_str(), q.prefix.c_str()));
    }
}

void getResult(benchmark::State& state, ContestShelf& shelf, std::size_t size, bool cabrillo) {
    FilledContest& f = shelf.filled(size, cabrillo);
    int done = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.contest.result(&done));
    }
    if (cabrillo && done != -1) {
        state.SkipWithError("no Cabrillo output was written");
    }
}

} // namespace

void registerCallBenchmarks(ContestShelf& shelf) {
    ContestShelf* s = &shelf;
    for (const std::size_t size : kLogSizes) {
        benchmark::RegisterBenchmark(sizeName("AddData0", size).c_str(),
                                     [s, size](benchmark::State& st) { addData(st, *s, size); })
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
        const std::pair<const char*, CheckKind> kinds[] = {
            {"CheckCall0_Duplicate", CheckKind::Duplicate},
            {"CheckCall0_NewMultiplier", CheckKind::NewMultiplier},
            {"CheckCall0_OtherBand", CheckKind::OtherBand}};
        for (const auto& [name, kind] : kinds) {
            benchmark::RegisterBenchmark(
                sizeName(name, size).c_str(),
                [s, size, kind = kind](benchmark::State& st) { checkCall(st, *s, size, kind); })
                ->Unit(benchmark::kNanosecond)
                ->UseRealTime();
        }
        // A fixed count: putting the records back costs ten times the removal, so a run timed
        // by the library's minimum time would take minutes.
        benchmark::RegisterBenchmark(sizeName("RemoveData0", size).c_str(),
                                     [s, size](benchmark::State& st) { removeData(st, *s, size); })
            ->Iterations(16'384)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(
            sizeName("GetResult0", size).c_str(),
            [s, size](benchmark::State& st) { getResult(st, *s, size, false); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(
            sizeName("GetResult0_Cabrillo", size).c_str(),
            [s, size](benchmark::State& st) { getResult(st, *s, size, true); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

} // namespace stats::bench
