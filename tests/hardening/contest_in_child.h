#pragma once

// A whole contest played through the exports in a child process, so that a test can give the
// plug-in a damaged folder or a full disk and compare what the host saw with a healthy run. A
// crash of the plug-in fails the test instead of ending the test program.

#include "tests/support/contest_fixture.h"

#include <functional>
#include <string>
#include <vector>

namespace stats::test {

// What the host saw: every export's answer and result text, and the messages shown.
struct Transcript {
    std::string calls;
    std::vector<std::string> messages;
};

class ContestInChild : public ContestTest {
  protected:
    // Forks; the child runs prepare (in the current folder), plays the contest and reports.
    // The transcript is empty and the test has failed when the child did not end normally.
    Transcript playInChild(const std::function<void()>& prepare);

    // The same contest in a healthy folder of its own below this test's folder; the settings
    // file starts with settings.
    Transcript playHealthy(const std::string& settings);

    // The folder of the healthy run.
    std::filesystem::path healthyFolder() const { return folder() / "healthy"; }

  private:
    Transcript playContest();
};

} // namespace stats::test
