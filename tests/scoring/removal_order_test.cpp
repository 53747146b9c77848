// Removal on a long log with many repeats of the same QSOs, against a plain list of what the log
// must hold: the log's index must pick the same record as a search from the oldest one, keep the
// remaining records in log order, and keep the duplicate and call-check counts right.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

namespace stats::test {
namespace {

// What the log must hold: the QSOs in log order.
struct Kept {
    Qso qso;
    std::string key; // call, band and mode
};

class RemovalOrder : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        plugin().SetDialogHandler([](void*, StatsDialog*) { return 1; }, nullptr);
        plugin().SetMessageHandler([](void*, const char*, const char*) {}, nullptr);
        reset("DL", 1); // with Cabrillo output: its QSO lines show the log in order
    }

    std::uint32_t random(std::uint32_t bound) {
        state_ = state_ * 1664525U + 1013904223U;
        return (state_ >> 8) % bound;
    }

    // One of 12 calls x 2 bands x 2 modes: each key comes back about 25 times.
    Qso someQso() {
        Qso qso;
        qso.call = "ON4A" + std::string(1, static_cast<char>('A' + random(12)));
        qso.band = random(2) == 0 ? "80m" : "2m";
        qso.mode = random(2) == 0 ? "CW" : "SSB";
        return qso;
    }

    // The sent serials of the Cabrillo file's QSO lines, in file order.
    std::vector<std::string> cabrilloSerials() {
        int done = 0;
        result(&done);
        std::vector<std::string> serials;
        const std::string file = readBytes(folder() / "DL1ABC.cbr");
        for (std::size_t at = file.find("QSO:"); at != std::string::npos;
             at = file.find("QSO:", at + 1)) {
            const std::size_t start = file.find(" T", at) + 1;
            serials.push_back(file.substr(start, file.find(' ', start) - start));
        }
        return serials;
    }

  private:
    std::uint32_t state_ = 2016;
};

TEST_F(RemovalOrder, ManyRepeatsAddedAndRemovedInTurn) {
    std::vector<Kept> log;
    int dupeLines = 0;
    for (int step = 0; step < 1600; ++step) {
        Qso qso = someQso();
        const std::string key = qso.call + qso.band + qso.mode;
        const std::uint32_t choice = random(10);
        if (choice < 6 || log.empty()) {
            char serial[8];
            std::snprintf(serial, sizeof serial, "T%05d", step);
            qso.exchangeSent = serial;
            qso.time = COleDateTime{42442.0 + step / 1440.0, 0};
            for (const Kept& k : log) {
                dupeLines += k.key == key ? 1 : 0;
            }
            ASSERT_EQ(add(qso), 1);
            log.push_back({qso, key});
            continue;
        }
        // A deletion: of a logged QSO at its own time, or at a time no QSO has, or without a time;
        // the last two take the oldest record of the QSO.
        if (choice < 8) {
            const std::size_t victim = random(static_cast<std::uint32_t>(log.size()));
            qso = log[victim].qso;
            log.erase(log.begin() + static_cast<std::ptrdiff_t>(victim));
        } else {
            if (choice == 8) {
                qso.time = COleDateTime{1.0, 0};
            } else {
                qso.time = std::nullopt;
            }
            for (auto it = log.begin(); it != log.end(); ++it) {
                if (it->key == key) {
                    log.erase(it);
                    break;
                }
            }
        }
        ASSERT_EQ(remove(qso), 1);
    }

    // The first four calls leave the log altogether, each QSO deleted at its own time.
    for (std::size_t i = log.size(); i-- > 0;) {
        if (log[i].qso.call < "ON4AE") {
            ASSERT_EQ(remove(log[i].qso), 1);
            log.erase(log.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    std::vector<std::string> expected;
    std::set<std::string> keysOn80m;
    std::set<std::string> callsOn80m;
    for (const Kept& k : log) {
        expected.push_back(k.qso.exchangeSent);
        if (k.qso.band == "80m") {
            keysOn80m.insert(k.key);
            callsOn80m.insert(k.qso.call);
        }
    }
    EXPECT_EQ(cabrilloSerials(), expected);

    // The oldest remaining record of each QSO counts, and each one added later wrote one DUPE
    // line per earlier record of the same QSO still in the log.
    const int counted = static_cast<int>(keysOn80m.size());
    EXPECT_NE(result().find("80m\t " + std::to_string(counted) + "\t " +
                            std::to_string(3 * counted) + "\t    1\r\n"),
              std::string::npos);
    int lines = 0;
    const std::string errors = errorLog();
    for (std::size_t at = errors.find("DUPE"); at != std::string::npos;
         at = errors.find("DUPE", at + 1)) {
        ++lines;
    }
    EXPECT_EQ(lines, dupeLines);

    for (char letter = 'A'; letter < 'A' + 12; ++letter) {
        const std::string call = std::string("ON4A") + letter;
        Station station;
        station.call = call.c_str();
        EXPECT_EQ(check(station) == 0, callsOn80m.contains(call)) << call;
    }
}

} // namespace
} // namespace stats::test
