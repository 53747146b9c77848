#pragma once

#include "scoring/qso_record.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace stats {

// The contest log: records in logging order, index 0 the oldest. Beside the records it keeps
// counts of the keys that intake and the call check look for, so that those questions cost the
// same on a log of any size.
class ContestLog {
public:
    std::size_t count() const { return records_.size(); }
    const CInfo& at(std::size_t index) const { return records_[index]; }
    const std::vector<CInfo>& records() const { return records_; }

    void append(CInfo record);
    void removeAt(std::size_t index);
    void empty();

    // Records with this call, band and mode (intake's duplicate key).
    int countSameQso(std::string_view call, std::string_view band, std::string_view mode) const;
    // Records with this call on this band, in any mode (the call check's duplicate key).
    int countCallOnBand(std::string_view call, std::string_view band) const;
    int countPrefixOnBand(std::string_view prefix, std::string_view band) const;
    int countSectionOnBand(std::string_view section, std::string_view band) const;
    int countOnBand(std::string_view band) const;

    // Marks the oldest record of this call, band and mode as counted and every later one as a
    // duplicate.
    void markDuplicates(std::string_view call, std::string_view band, std::string_view mode);

private:
    using Counts = std::unordered_map<std::string, int>;
    void index(const CInfo& record, int delta);
    static int lookUp(const Counts& counts, const std::string& key);

    std::vector<CInfo> records_;
    Counts sameQso_;
    Counts callOnBand_;
    Counts prefixOnBand_;
    Counts sectionOnBand_;
    Counts onBand_;
};

// The bands worked since the last reset, each once, in the order they first appeared.
using BandListType = std::vector<std::string>;

} // namespace stats
