#pragma once

#include "scoring/qso_record.h"

#include <cstddef>
#include <list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace stats {

// The contest log: records in logging order, the oldest first. Beside the records it keeps an
// index of the keys that intake, removal and the call check look for, so that each of those
// questions costs the same on a log of any size. The records live in a list, so that removing
// one neither moves the others nor invalidates the index's positions.
class ContestLog {
  public:
    using Records = std::list<CInfo>;
    // A stored record; valid until that record is removed or the log is emptied.
    using Position = Records::const_iterator;

    std::size_t count() const { return records_.size(); }
    // Every record, oldest first.
    const Records& records() const { return records_; }

    void append(CInfo record);
    // Destroys that record; the others keep their order.
    void remove(Position record);
    void empty();

    // The records with this call, band and mode (intake's duplicate key), oldest first. Valid
    // until the log next changes.
    std::span<const Position> sameQso(std::string_view call, std::string_view band,
                                      std::string_view mode) const;
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
    void tally(const CInfo& record, int delta);
    static int lookUp(const Counts& counts, const std::string& key);

    Records records_;
    // Per call, band and mode, the positions of its records in log order.
    std::unordered_map<std::string, std::vector<Position>> sameQso_;
    Counts callOnBand_;
    Counts prefixOnBand_;
    Counts sectionOnBand_;
    Counts onBand_;
};

// The bands worked since the last reset, each once, in the order they first appeared.
using BandListType = std::vector<std::string>;

} // namespace stats
