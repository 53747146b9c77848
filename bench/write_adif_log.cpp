// Writes the benchmark log as an ADIF file, for timing the command-line host on a log of any
// size: stats_bench_adif COUNT FILE.
#include "bench/qso_generator.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The calendar date and time of a day count (days since 1899-12-30), to the second.
struct Moment {
    int year, month, day, hour, minute, second;
};

Moment momentOf(double dayCount) {
    const long long seconds = std::llround(dayCount * 86400.0);
    long long days = seconds / 86400 - 25569 + 719468; // days since 0000-03-01
    const long long era = days / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    const long long inDay = seconds % 86400;
    return {year,
            month,
            day,
            static_cast<int>(inDay / 3600),
            static_cast<int>(inDay / 60 % 60),
            static_cast<int>(inDay % 60)};
}

void field(std::FILE* out, const char* name, const std::string& value) {
    std::fprintf(out, "<%s:%zu>%s ", name, value.size(), value.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: stats_bench_adif COUNT FILE\n");
        return 2;
    }
    const std::size_t count = std::strtoul(argv[1], nullptr, 10);
    std::FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    std::fprintf(out, "Benchmark log of %zu QSOs\n<ADIF_VER:5>3.1.4 <EOH>\n", count);
    char text[32];
    for (const stats::bench::BenchQso& qso : stats::bench::benchLog(count)) {
        const Moment m = momentOf(qso.time.m_dt);
        field(out, "CALL", qso.call);
        std::snprintf(text, sizeof text, "%04d%02d%02d", m.year, m.month, m.day);
        field(out, "QSO_DATE", text);
        std::snprintf(text, sizeof text, "%02d%02d%02d", m.hour, m.minute, m.second);
        field(out, "TIME_ON", text);
        field(out, "BAND", qso.band);
        std::snprintf(text, sizeof text, "%.6f", qso.frequencyHz / 1e6);
        field(out, "FREQ", text);
        field(out, "MODE", qso.mode);
        field(out, "RST_SENT", qso.rstSent);
        field(out, "RST_RCVD", qso.rstReceived);
        field(out, "STX_STRING", qso.exchangeSent);
        field(out, "SRX_STRING", qso.exchangeReceived);
        field(out, "STATION_CALLSIGN", stats::bench::kOwnCall);
        std::fprintf(out, "<EOR>\n");
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
