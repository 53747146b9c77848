#include "scoring/contest_log.h"

#include <algorithm>

namespace stats {
namespace {

// Host texts never hold a zero byte, so it separates the parts of a key unambiguously.
std::string key(std::string_view a, std::string_view b) {
    std::string k;
    k.reserve(a.size() + b.size() + 1);
    k.append(a).push_back('\0');
    k.append(b);
    return k;
}

std::string key(std::string_view a, std::string_view b, std::string_view c) {
    std::string k;
    k.reserve(a.size() + b.size() + c.size() + 2);
    k.append(a).push_back('\0');
    k.append(b).push_back('\0');
    k.append(c);
    return k;
}

std::string sameQsoKey(const CInfo& record) {
    return key(record.call, record.band, record.mode);
}

void adjust(std::unordered_map<std::string, int>& counts, std::string k, int delta) {
    auto [it, inserted] = counts.try_emplace(std::move(k), 0);
    it->second += delta;
    if (it->second == 0) {
        counts.erase(it);
    }
}

} // namespace

void ContestLog::append(CInfo record) {
    tally(record, +1);
    std::string k = sameQsoKey(record);
    records_.push_back(std::move(record));
    sameQso_[std::move(k)].push_back(std::prev(records_.end()));
}

void ContestLog::remove(Position record) {
    tally(*record, -1);
    const auto entry = sameQso_.find(sameQsoKey(*record));
    std::vector<Position>& positions = entry->second;
    positions.erase(std::find(positions.begin(), positions.end(), record));
    if (positions.empty()) {
        sameQso_.erase(entry);
    }
    records_.erase(record);
}

void ContestLog::empty() {
    records_.clear();
    sameQso_.clear();
    callOnBand_.clear();
    prefixOnBand_.clear();
    sectionOnBand_.clear();
    onBand_.clear();
}

void ContestLog::tally(const CInfo& record, int delta) {
    adjust(callOnBand_, key(record.call, record.band), delta);
    adjust(prefixOnBand_, key(record.dxccPrefix, record.band), delta);
    adjust(sectionOnBand_, key(record.section, record.band), delta);
    adjust(onBand_, record.band, delta);
}

int ContestLog::lookUp(const Counts& counts, const std::string& k) {
    const auto it = counts.find(k);
    return it == counts.end() ? 0 : it->second;
}

std::span<const ContestLog::Position>
ContestLog::sameQso(std::string_view call, std::string_view band, std::string_view mode) const {
    const auto it = sameQso_.find(key(call, band, mode));
    if (it == sameQso_.end()) {
        return {};
    }
    return it->second;
}

int ContestLog::countSameQso(std::string_view call, std::string_view band,
                             std::string_view mode) const {
    return static_cast<int>(sameQso(call, band, mode).size());
}

int ContestLog::countCallOnBand(std::string_view call, std::string_view band) const {
    return lookUp(callOnBand_, key(call, band));
}

int ContestLog::countPrefixOnBand(std::string_view prefix, std::string_view band) const {
    return lookUp(prefixOnBand_, key(prefix, band));
}

int ContestLog::countSectionOnBand(std::string_view section, std::string_view band) const {
    return lookUp(sectionOnBand_, key(section, band));
}

int ContestLog::countOnBand(std::string_view band) const {
    return lookUp(onBand_, std::string(band));
}

void ContestLog::markDuplicates(std::string_view call, std::string_view band,
                                std::string_view mode) {
    bool first = true;
    for (const Position position : sameQso(call, band, mode)) {
        // An empty erase turns the index's read-only position into a writable one, in O(1).
        records_.erase(position, position)->isDupe = first ? 0 : 1;
        first = false;
    }
}

} // namespace stats
