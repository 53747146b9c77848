// The dialogs as an operator on a terminal uses them: the plug-in runs in a child process under a
// pseudo-terminal with no host handler, the test types into the form and reads the screen.
#include "tests/setup/pty_session.h"
#include "tests/support/contest_fixture.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stats::test {
namespace {

struct Step {
    const char* prompt;
    const char* answer;
};

class TerminalFormTest : public ContestTest {
  protected:
    // Answers each prompt once it shows (a null answer only waits for the text); false at the
    // first that does not show.
    static bool follow(PtySession& session, std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            if (!session.waitFor(step.prompt)) {
                ADD_FAILURE() << "no prompt \"" << step.prompt << "\" on the screen:\n"
                              << session.screen();
                return false;
            }
            if (step.answer != nullptr) {
                session.enter(step.answer);
            }
        }
        return true;
    }

    static std::size_t widestLine(const std::string& screen) {
        std::size_t widest = 0;
        std::size_t columns = 0;
        for (char c : screen) {
            if (c == '\n' || c == '\r') {
                columns = 0;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                widest = std::max(widest, ++columns);
            }
        }
        return widest;
    }
};

TEST_F(TerminalFormTest, HeaderFormKeepsChangesAndConfirmsWithOk) {
    PtySession session([this] {
        reset("DL", 1, "DL1ABC");
        result();
        return 0;
    });
    ASSERT_TRUE(follow(session, {{"CONTEST [UBA-SPRING]: ", ""},
                                 {"CALLSIGN [DL1ABC]: ", "ON4XYZ/P"},
                                 {"CLAIMED []: ", ""},
                                 {"CATEGORY-OPERATOR [SINGLE-OP]: ", "2"},
                                 {"LOCATION [DX]: ", "40"},
                                 {"CATEGORY-BAND [80M]: ", "6M"},
                                 {"CATEGORY-MODE [SSB]: ", "CW"},
                                 {"CATEGORY-OVERLAY [NONE]: ", "1"},
                                 {"CATEGORY-POWER [HIGH]: ", "qrp"},
                                 {"NAME []: ", "Jan Peeters"},
                                 {"ADDRESS []: ", "Kerkstraat 1"},
                                 {"ADDRESS-CITY []: ", ""},
                                 {"ADDRESS-STATE-PROVINCE []: ", ""},
                                 {"ADDRESS-POSTALCODE []: ", ""},
                                 {"ADDRESS-COUNTRY []: ", ""},
                                 {"OPERATORS [DL1ABC]: ", "."},
                                 {"CLUB []: ", ""},
                                 {"SOAPBOX now: (empty)", "First line"},
                                 {"  > ", "Second line"},
                                 {"  > ", "."},
                                 {"E-MAIL []: ", ""},
                                 {"Enter = OK, c = CANCEL, 1-19 = change a field: ", "10"},
                                 {"NAME [Jan Peeters]: ", "Jan"},
                                 {"NAME                    Jan\r\n", ""}}));
    ASSERT_TRUE(session.waitFor("Output: File produced: DL1ABC.cbr")) << session.screen();
    EXPECT_EQ(session.exitCode(), 0);

    const std::string& screen = session.screen();
    // Sorted lists show alphabetically; fixed controls show their value and are never asked.
    EXPECT_NE(screen.find("    1 12-HOURS  2 24-HOURS  3 6-HOURS   4 ON3\r\n"), std::string::npos);
    EXPECT_NE(screen.find("    CATEGORY-ASSISTED       NON-ASSISTED  (fixed)\r\n"),
              std::string::npos);
    EXPECT_EQ(screen.find("CATEGORY-STATION ["), std::string::npos);
    EXPECT_LE(widestLine(screen), 80U) << screen;

    EXPECT_EQ(setting("Name"), "Jan");
    EXPECT_EQ(setting("Operators"), "");
    EXPECT_EQ(setting("Category"), "MULTI-ONE");
    EXPECT_EQ(setting("Category_Overlay"), "12-HOURS");
    EXPECT_EQ(setting("SoapBox"), "First line<CR><LF>Second line");
    const std::string file = readBytes(folder() / "DL1ABC.cbr");
    for (const char* line :
         {"\r\nCALLSIGN: ON4XYZ/P\r\n", "\r\nCATEGORY-OPERATOR: MULTI-ONE 6M qrp\r\n",
          "\r\nLOCATION: LGE\r\n", "\r\nADDRESS: Kerkstraat 1\r\n",
          "\r\nSOAPBOX: First line\r\nSOAPBOX: Second line\r\nEND-OF-LOG:"}) {
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;
    }
}

TEST_F(TerminalFormTest, SetupFormHidesTheCheckBoxAndStoresWhatWasTyped) {
    setSetting("Multiplier", "1");
    setSetting("Province", "ACC");
    setSetting("Mode", "SSB");
    PtySession session([this] {
        plugin().SetupSet0();
        return 0;
    });
    const char* closing = "Enter = \xD0\x9E\xD0\x9A, c = close without \xD0\x9E\xD0\x9A, 1-2 = "
                          "change a field: ";
    ASSERT_TRUE(follow(session, {{"Setup UBA Spring Contestt\r\n", nullptr},
                                 {"Input mode (CW or SSB) [SSB]: ", "CW"},
                                 {"Input your UBA section Only forBelgian station [ACC]: ", ""},
                                 {closing, "2"},
                                 {"Input your UBA section Only forBelgian station [ACC]: ", "lge"},
                                 {closing, "ok"}}));
    EXPECT_EQ(session.exitCode(), 0);
    EXPECT_EQ(session.screen().find("Multiplier"), std::string::npos);
    EXPECT_EQ(setting("Multiplier"), "1");
    EXPECT_EQ(setting("Province"), "lge");
    EXPECT_EQ(setting("Mode"), "CW");
}

TEST_F(TerminalFormTest, CancelEscapeAndEndOfInputCloseWithoutOk) {
    setSetting("Province", "ACC");
    const std::string before = settingsBytes();
    const struct {
        const char* name;
        const char* atFirstPrompt;
        const char* atTheEnd;
    } closings[] = {
        {"cancel", "CW", "c"}, {"escape", "\x1b", nullptr}, {"ctrl-d", nullptr, nullptr}};
    for (const auto& closing : closings) {
        SCOPED_TRACE(closing.name);
        PtySession session([this] {
            plugin().SetupSet0();
            return 0;
        });
        ASSERT_TRUE(session.waitFor("Input mode (CW or SSB) []: ")) << session.screen();
        if (closing.atFirstPrompt == nullptr) {
            session.type("\x04");
        } else {
            session.enter(closing.atFirstPrompt);
        }
        if (closing.atTheEnd != nullptr) {
            ASSERT_TRUE(follow(session, {{"[ACC]: ", ""}, {"change a field: ", closing.atTheEnd}}));
        }
        EXPECT_TRUE(session.waitFor("Closed without OK.")) << session.screen();
        EXPECT_EQ(session.exitCode(), 0);
        EXPECT_EQ(settingsBytes(), before);
    }
}

TEST_F(TerminalFormTest, WithoutTerminalDialogsCloseWithoutOkAndMessagesGoToStandardError) {
    int errors[2];
    ASSERT_EQ(pipe(errors), 0);
    const pid_t child = fork();
    if (child == 0) {
        setsid(); // no controlling terminal from here on
        dup2(errors[1], STDERR_FILENO);
        // A handler that is taken away again leaves the default in place.
        int calls = 0;
        plugin().SetDialogHandler(
            [](void* count, StatsDialog*) { return ++*static_cast<int*>(count), 1; }, &calls);
        plugin().SetDialogHandler(nullptr, &calls);
        plugin().SetMessageHandler([](void*, const char*, const char*) {}, nullptr);
        plugin().SetMessageHandler(nullptr, nullptr);
        reset("DL", 1, "DL1ABC");
        plugin().SetupSet0();
        result();
        _exit(calls);
    }
    close(errors[1]);
    std::string written;
    char buffer[256];
    for (ssize_t got; (got = read(errors[0], buffer, sizeof buffer)) > 0;) {
        written.append(buffer, static_cast<std::size_t>(got));
    }
    close(errors[0]);
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(written, "Output: File produced: DL1ABC.cbr\n");
    EXPECT_EQ(setting("Operators"), std::nullopt);
    EXPECT_EQ(setting("Multiplier"), std::nullopt);
}

} // namespace
} // namespace stats::test
