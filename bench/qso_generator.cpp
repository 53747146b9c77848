#include "bench/qso_generator.h"

#include "scoring/section_table.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace stats::bench {
namespace {

constexpr std::array<std::string_view, 30> kForeignPrefixes = {
    "DL", "PA", "F",  "G",  "OE", "HB", "OK", "OM", "SP", "I",  "EA", "CT", "LX", "OZ", "SM",
    "LA", "OH", "YO", "LZ", "S5", "9A", "HA", "UR", "LY", "YL", "ES", "EI", "GM", "GW", "IT9"};

// Mixes a station number into well-spread bits, so that its country and section do not follow
// its number.
std::uint64_t scramble(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::string letters(std::size_t value, int count) {
    std::string text(static_cast<std::size_t>(count), 'A');
    for (int i = count - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('A' + value % 26);
        value /= 26;
    }
    return text;
}

// 2016-03-13 07:00 UTC, the morning of a contest day.
constexpr double kStartDay = 42442.291666666667;

} // namespace

QsoGenerator::QsoGenerator(std::uint64_t seed, std::size_t stations)
    : state_(seed), stations_(stations), day_(kStartDay) {}

std::uint64_t QsoGenerator::random() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return scramble(state_);
}

std::string QsoGenerator::prefixOf(std::size_t station) const {
    const std::uint64_t bits = scramble(station);
    return bits % 100 < 60 ? "ON" : std::string(kForeignPrefixes[(bits >> 8) % 30]);
}

// A digit and three letters tell the stations apart; beyond 175,760 stations, four letters.
std::string QsoGenerator::callOf(std::size_t station) const {
    const std::size_t rest = station / 10;
    return prefixOf(station) + static_cast<char>('0' + station % 10) +
           letters(rest, rest < 26 * 26 * 26 ? 3 : 4);
}

std::string QsoGenerator::unusedCall() {
    return "ON0" + letters(unused_++, 5);
}

BenchQso QsoGenerator::next() {
    if (stretchLeft_ == 0) {
        const std::size_t pick = below(100);
        mode_ = pick < 45 ? "CW" : pick < 90 ? "SSB" : "FM";
        stretchLeft_ = 200 + below(200);
        recent_.clear();
    }
    --stretchLeft_;
    ++serial_;
    day_ += static_cast<double>(20 + below(70)) / 86400.0;

    BenchQso qso;
    if (!recent_.empty() && below(100) < 3) {
        qso = recent_[below(recent_.size())]; // worked again on the same band and mode
    } else {
        const std::size_t station = below(stations_);
        qso.call = callOf(station);
        qso.prefix = prefixOf(station);
        const std::size_t band = below(100);
        qso.band = band < 60 ? "80m" : band < 85 ? "2m" : "6m";
        qso.mode = mode_;
        qso.rstSent = qso.rstReceived = mode_ == "CW" ? "599" : "59";
        qso.exchangeReceived = std::to_string(1 + below(999));
        if (qso.prefix == "ON") {
            const std::string_view section =
                below(100) == 0 ? "XYZ" : SectionTable[(scramble(station) >> 16) % 92];
            qso.exchangeReceived += below(5) == 0 ? "" : " ";
            qso.exchangeReceived += section;
        }
        const unsigned base = qso.band == "80m"  ? 3'510'000U
                              : qso.band == "2m" ? 144'050'000U
                                                 : 50'080'000U;
        qso.frequencyHz = base + static_cast<unsigned>(below(250'000));
        if (recent_.size() < 4096) {
            recent_.push_back(qso);
        }
    }
    char sent[24];
    std::snprintf(sent, sizeof sent, "%03zu", serial_);
    qso.exchangeSent = sent;
    qso.time = COleDateTime{day_, kDateTimeValid};
    return qso;
}

QsoGenerator benchGenerator(std::size_t count) {
    // Four times as many stations as QSOs: most calls are worked once, as in the logs a checker
    // replays, so the engine's indexes hold as many keys as the log has QSOs.
    return QsoGenerator(0x5EED'0F'0BA5'2016ULL, 4 * count + 100);
}

std::vector<BenchQso> benchLog(std::size_t count) {
    QsoGenerator generator = benchGenerator(count);
    std::vector<BenchQso> log;
    log.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        log.push_back(generator.next());
    }
    return log;
}

} // namespace stats::bench
