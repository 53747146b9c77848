#include "tests/hardening/contest_in_child.h"

#include "tests/cabrillo/scripted_dialog.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace stats::test {
namespace {

constexpr char kEndOfCalls = '\x1e';
constexpr char kEndOfMessage = '\x1f';

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::string readAll(int fd) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string encode(const Transcript& transcript) {
    std::string bytes = transcript.calls + kEndOfCalls;
    for (const std::string& message : transcript.messages) {
        bytes += message + kEndOfMessage;
    }
    return bytes;
}

Transcript decode(const std::string& bytes) {
    Transcript transcript;
    const std::size_t end = bytes.find(kEndOfCalls);
    transcript.calls = bytes.substr(0, end);
    for (std::size_t start = end + 1; start < bytes.size();) {
        const std::size_t stop = bytes.find(kEndOfMessage, start);
        transcript.messages.push_back(bytes.substr(start, stop - start));
        start = stop + 1;
    }
    return transcript;
}

} // namespace

Transcript ContestInChild::playContest() {
    Transcript transcript;
    auto note = [&transcript](const std::string& call, int answer) {
        transcript.calls += call + " -> " + std::to_string(answer) + "\n";
    };
    MessageLog messages;
    messages.install(plugin());

    ScriptedDialog setup; // OK without typing: every value goes back as it was read
    setup.install(plugin());
    plugin().SetupSet0();

    note("reset", reset("DL", 0, "DL1ABC"));
    note("add", add({}));
    int done = 0;
    transcript.calls += result(&done);
    note("\nresult", done);

    // The contest whose error log and Cabrillo file stay on disk.
    ScriptedDialog header;
    header.typed = {{1007, "Test Operator"}, {1001, "first\r\nsecond"}};
    header.install(plugin());
    note("reset with Cabrillo", reset("DL", 1, "DL1ABC"));

    note("add", add({}));
    note("add dupe", add({}));
    note("add 40m", add({.band = "40m"}));
    note("add bad section", add({.call = "ON4BBB", .exchangeReceived = "001 XYZ"}));
    note("add 2m", add({.call = "ON4CCC",
                        .frequencyHz = 144'300'000,
                        .mode = "SSB",
                        .exchangeReceived = "5 BXE",
                        .band = "2m"}));
    note("check dupe", check({.call = "ON4AAA"}));
    note("check known section", check({.call = "ON4DDD", .exchange = "7 LGE"}));
    note("check new section", check({.call = "ON4DDD", .exchange = "7 ACC"}));
    note("check bands disagree", check({.secondBand = "2m"}));
    note("remove", remove({}));
    note("remove ssb", remove({.mode = "ssb"}));
    for (int request = 0; request < 2; ++request) {
        done = 0;
        transcript.calls += result(&done);
        note("\nresult with Cabrillo", done);
    }

    transcript.messages = messages.texts;
    return transcript;
}

Transcript ContestInChild::playInChild(const std::function<void()>& prepare) {
    int channel[2];
    if (::pipe(channel) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        prepare();
        const bool sent = writeAll(channel[1], encode(playContest()));
        ::_exit(sent ? 0 : 2);
    }
    ::close(channel[1]);
    const std::string bytes = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the contest did not end normally: status " << status;
        return {};
    }
    return decode(bytes);
}

Transcript ContestInChild::playHealthy(const std::string& settings) {
    std::filesystem::create_directories(healthyFolder() / "Plugins");
    writeBytes(healthyFolder() / "Plugins" / "UBA_Spring.ini", settings);
    return playInChild([this] { std::filesystem::current_path(healthyFolder()); });
}

} // namespace stats::test
