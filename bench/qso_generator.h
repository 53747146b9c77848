#pragma once

// A deterministic contest log for the benchmarks: what a busy Belgian station logs over a long
// weekend, scaled to any size. The same seed gives the same QSOs on every machine, so that
// figures taken on different days measure the same work.

#include "platform/date_time.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace stats::bench {

// The station that logs it.
inline constexpr const char* kOwnCall = "ON4UBA";
inline constexpr const char* kOwnPrefix = "ON";

// One QSO as a host passes it to AddData0 and RemoveData0.
struct BenchQso {
    std::string call;
    std::string prefix;
    std::string band;
    std::string mode;
    std::string rstSent;
    std::string rstReceived;
    std::string exchangeSent;
    std::string exchangeReceived;
    unsigned frequencyHz = 0;
    COleDateTime time{};
};

// The mix: about 60 % Belgian stations (serial and UBA section, 1 % of them with a section that
// is not acceptable), the rest from 30 European prefixes; 80m busiest, then 2m, then 6m; the mode
// changes in stretches of a few hundred QSOs, as operators do; about 3 % of the QSOs repeat an
// earlier one (a duplicate). Every QSO has its own time, later than the one before.
class QsoGenerator {
  public:
    // stations: how many different callsigns the log draws from.
    QsoGenerator(std::uint64_t seed, std::size_t stations);

    BenchQso next();

    // A callsign of the kind the log holds that the generator never hands out.
    std::string unusedCall();

  private:
    std::uint64_t random();
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(random() % bound); }
    std::string callOf(std::size_t station) const;
    std::string prefixOf(std::size_t station) const;

    std::uint64_t state_;
    std::size_t stations_;
    std::size_t serial_ = 0;
    std::size_t unused_ = 0;
    std::string mode_ = "CW";
    std::size_t stretchLeft_ = 0;
    double day_;
    std::vector<BenchQso> recent_; // the pool that duplicates are taken from
};

// The first count QSOs of the standard benchmark log.
std::vector<BenchQso> benchLog(std::size_t count);

// The standard log's generator, for QSOs that continue it.
QsoGenerator benchGenerator(std::size_t count);

} // namespace stats::bench
