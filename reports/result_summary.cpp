// The result table and the scoring rules: 3 points per counted QSO, multipliers counted per band
// (UBA sections for a foreign station, DXCC prefixes for a Belgian one), score = points x
// multipliers.
#include "reports/result_summary.h"

#include "cabrillo/cabrillo_output.h"
#include "scoring/contest_rules.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace stats {
namespace {

struct Variant {
    const char* header;
    const char* bandRow;
    const char* totalRow;
};

constexpr Variant kForeignStation{"\t    UBA Spring Contest \r\n\tQSOs\tPoints\tUBA Section\r\n",
                                  "%s\t %i\t %i\t    %i\r\n", "Total\t %i\t %i\t    %i\r\n"};
constexpr Variant kBelgianStation{"\t    UBA Contest Contest \r\n\tQSOs\tPoints\tDXCC\r\n",
                                  "%s\t %i\t %i\t %i\r\n", "Total\t %i\t %i\t %i\r\n"};

constexpr const char* kScoreLine = "\r\nScore: %i*%i = %i\r\n\r\n";
constexpr const char* kCredit = "UBA Spring Contest scoring plug-in, version " STATS_VERSION;

struct BandTally {
    int qsos = 0;
    std::unordered_set<std::string_view> multipliers;
};

// Bands sort by their text padded with leading "0" to 20 characters, descending: "80m", "6m", "2m".
std::string sortKey(const std::string& band) {
    return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

template <typename... Values>
void appendFormatted(std::string& text, const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0) {
        return;
    }
    const std::size_t start = text.size();
    text.resize(start + static_cast<std::size_t>(length) + 1);
    std::snprintf(text.data() + start, static_cast<std::size_t>(length) + 1, format, values...);
    text.resize(start + static_cast<std::size_t>(length));
}

} // namespace

const char* buildResult(Module& m, int* cabrilloDone) {
    const bool belgian = m.BelgianStation != 0;
    const Variant& variant = belgian ? kBelgianStation : kForeignStation;
    m.ResultText.clear();
    m.ResultText += variant.header;

    std::sort(m.BandList.begin(), m.BandList.end(), [](const std::string& a, const std::string& b) {
        return sortKey(a) > sortKey(b); // unsigned byte order, as std::string compares
    });

    // One pass over the log tallies every band at once.
    std::unordered_map<std::string_view, BandTally> tallies;
    for (const CInfo& record : m.QsoLog.records()) {
        if (record.call.empty() || record.isDupe != 0) {
            continue;
        }
        BandTally& tally = tallies[record.band];
        ++tally.qsos;
        const std::string& multiplier = belgian ? record.dxccPrefix : record.section;
        if (belgian || !multiplier.empty()) {
            tally.multipliers.insert(multiplier);
        }
    }

    std::int32_t totalQsos = 0;
    std::int32_t totalPoints = 0;
    std::int32_t totalMultipliers = 0;
    for (const std::string& band : m.BandList) {
        const auto it = tallies.find(band);
        const int qsos = it == tallies.end() ? 0 : it->second.qsos;
        const int multipliers =
            it == tallies.end() ? 0 : static_cast<int>(it->second.multipliers.size());
        const int points = rules::kPointsPerQso * qsos;
        appendFormatted(m.ResultText, variant.bandRow, band.c_str(), qsos, points, multipliers);
        totalQsos += qsos;
        totalPoints += points;
        totalMultipliers += multipliers;
    }
    appendFormatted(m.ResultText, variant.totalRow, totalQsos, totalPoints, totalMultipliers);

    // A 32-bit product, wrapping as the host's integer would rather than overflowing.
    const auto score = static_cast<std::int32_t>(static_cast<std::int64_t>(totalPoints) *
                                                 static_cast<std::int64_t>(totalMultipliers));
    m.ClaimedScore = score;
    m.Settings.writeInt("Claimed", score);
    appendFormatted(m.ResultText, kScoreLine, totalPoints, totalMultipliers, score);
    m.ResultText += kCredit;

    if (m.CabrilloOutput != 0) {
        writeCabrilloOutput(m, cabrilloDone);
    }
    return m.ResultText.c_str();
}

} // namespace stats
