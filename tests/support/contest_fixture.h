#pragma once

// A contest driven through the plug-in's exports, in a folder of its own that is the current
// directory while the test runs (the plug-in writes err.txt, the settings file and the Cabrillo
// file there).

#include "tests/support/plugin_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace stats::test {

// One QSO as a host passes it; every field has a sensible default.
struct Qso {
    std::string ownCall = "DL1ABC";
    std::string call = "ON4AAA";
    std::optional<COleDateTime> time = COleDateTime{42442.295138888889, 0}; // 2016-03-13 07:05
    unsigned frequencyHz = 3'550'000;
    std::string mode = "CW";
    std::string rstSent = "599";
    std::string rstReceived = "599";
    std::string exchangeSent = "001";
    std::string exchangeReceived = "001 LGE";
    std::string prefix = "ON";
    std::string band = "80m";
};

// The station asked about in a call check.
struct Station {
    const char* call = "ON4BBB";
    const char* band = "80m";
    const char* secondBand = "80m";
    const char* prefix = "ON";
    const char* exchange = "";
    char* buffer = nullptr;
};

// Reads a whole file as bytes; empty when it is missing.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// A golden file of tests/golden/.
std::string golden(const std::string& name);

class ContestTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // ResetStats0 with the own callsign, the Cabrillo flag and the own prefix.
    int reset(const char* ownPrefix = "DL", int cabrillo = 0, const char* ownCall = "DL1ABC");
    int add(const Qso& qso);
    int remove(const Qso& qso);
    int check(const Station& station);
    std::string result(int* cabrilloDone = nullptr);

    std::string errorLog() const { return readBytes(folder_ / "err.txt"); }
    std::string settingsBytes() const { return readBytes(settingsPath()); }
    std::filesystem::path settingsPath() const { return folder_ / "Plugins" / "UBA_Spring.ini"; }
    // A key of the settings file, or nothing when it is missing.
    std::optional<std::string> setting(const std::string& key) const;
    void setSetting(const std::string& key, const std::string& value);

    const std::filesystem::path& folder() const { return folder_; }
    PluginLibrary& plugin() { return *plugin_; }

  private:
    std::filesystem::path folder_;
    std::filesystem::path previousFolder_;
    std::unique_ptr<PluginLibrary> plugin_;
};

} // namespace stats::test
