#include "scoring/contest_log.h"

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
    std::string k = key(a, b);
    k.push_back('\0');
    k.append(c);
    return k;
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
    index(record, +1);
    records_.push_back(std::move(record));
}

void ContestLog::removeAt(std::size_t index) {
    this->index(records_[index], -1);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

void ContestLog::empty() {
    std::vector<CInfo>().swap(records_);
    sameQso_.clear();
    callOnBand_.clear();
    prefixOnBand_.clear();
    sectionOnBand_.clear();
    onBand_.clear();
}

void ContestLog::index(const CInfo& record, int delta) {
    adjust(sameQso_, key(record.call, record.band, record.mode), delta);
    adjust(callOnBand_, key(record.call, record.band), delta);
    adjust(prefixOnBand_, key(record.dxccPrefix, record.band), delta);
    adjust(sectionOnBand_, key(record.section, record.band), delta);
    adjust(onBand_, record.band, delta);
}

int ContestLog::lookUp(const Counts& counts, const std::string& k) {
    const auto it = counts.find(k);
    return it == counts.end() ? 0 : it->second;
}

int ContestLog::countSameQso(std::string_view call, std::string_view band,
                             std::string_view mode) const {
    return lookUp(sameQso_, key(call, band, mode));
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
    for (CInfo& record : records_) {
        if (record.call == call && record.band == band && record.mode == mode) {
            record.isDupe = first ? 0 : 1;
            first = false;
        }
    }
}

} // namespace stats
