// What reaches the user or the next program: honest exit statuses when the
// output cannot be written, and text that is valid UTF-8 whatever was typed.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/CsvWriter.h"
#include "base/Utf8.h"
#include "cli/CliTestSupport.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressLine.h"

extern char** environ;

namespace {

enum class Stdout { DevFull, Closed, BrokenPipe, BrokenPipeSignalIgnored };

struct Finished {
    int status = -1;  // the exit status, or -1 when a signal ended the process
    int signal = 0;
    std::string err;
};

// Runs the real quorvale-cli with its standard output set up as `how`.
Finished runBinary(const std::vector<std::string>& args, Stdout how) {
    char errPath[] = "/tmp/quorvale-cli-test-XXXXXX";
    const int errFd = mkstemp(errPath);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, errFd, STDERR_FILENO);
    int pipeFds[2] = {-1, -1};
    if (how == Stdout::DevFull) {
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
    } else if (how == Stdout::Closed) {
        posix_spawn_file_actions_addclose(&files, STDOUT_FILENO);
    } else {
        // The reading end is closed before the tool writes a byte.
        EXPECT_EQ(pipe(pipeFds), 0);
        close(pipeFds[0]);
        posix_spawn_file_actions_adddup2(&files, pipeFds[1], STDOUT_FILENO);
    }
    // The child inherits an ignored SIGPIPE, as from a shell or a service
    // manager that ignores it; otherwise it gets the default.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    if (how == Stdout::BrokenPipeSignalIgnored) {
        sigaction(SIGPIPE, &ignore, &previous);
    } else {
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    }
    std::vector<char*> argv{const_cast<char*>(QUORVALE_CLI_PATH)};
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, QUORVALE_CLI_PATH, &files, &attributes, argv.data(), environ);
    if (how == Stdout::BrokenPipeSignalIgnored) {
        sigaction(SIGPIPE, &previous, nullptr);
    }
    if (pipeFds[1] >= 0) {
        close(pipeFds[1]);
    }
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    Finished f;
    EXPECT_EQ(spawned, 0) << QUORVALE_CLI_PATH;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid) {
        if (WIFEXITED(status)) {
            f.status = WEXITSTATUS(status);
        } else if (WIFSIGNALED(status)) {
            f.signal = WTERMSIG(status);
        }
    }
    close(errFd);
    std::ifstream in(errPath);
    f.err.assign(std::istreambuf_iterator<char>(in), {});
    unlink(errPath);
    return f;
}

// A stream whose every write fails, like a file on a full disk.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST(CliOutput, FailedWritesExitWithOneAndSayWhy) {
    const std::vector<std::string> sweep{"sweep", "--format", "json"};
    struct Case {
        Stdout how;
        int error;
    };
    for (const Case& c :
         {Case{Stdout::DevFull, ENOSPC}, Case{Stdout::Closed, EBADF}, Case{Stdout::BrokenPipeSignalIgnored, EPIPE}}) {
        const Finished f = runBinary(sweep, c.how);
        EXPECT_EQ(f.status, 1) << std::strerror(c.error) << " signal " << f.signal;
        EXPECT_EQ(f.err, std::string("quorvale-cli: write error: ") + std::strerror(c.error) + "\n");
    }
    // SIGPIPE keeps its default: a reader that went away ends the tool.
    EXPECT_EQ(runBinary(sweep, Stdout::BrokenPipe).signal, SIGPIPE);
    // Nothing to write is no write error, even with stdout closed.
    EXPECT_EQ(runBinary({"sweep", "--bogus"}, Stdout::Closed).status, 2);

    // In-process, the same for a stream that fails.
    FailingBuffer buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    EXPECT_EQ(quorvale::cli::runCli({"simulate", "--eyd", "2", "--seed", "1", "--format", "csv"}, out, err), 1);
    EXPECT_EQ(err.str(), "quorvale-cli: write error: the output stream failed\n");
}

TEST(CliOutput, InvalidUtf8InEntriesIsReplacedInJsonAndCsv) {
    // A lone continuation byte, a truncated sequence, an overlong '/', a
    // surrogate; valid text ("é") is kept.
    const std::string typed = "3\x80x\xE2\x82 \xC0\xAF\xED\xA0\x80\xC3\xA9";
    const quorvale::testing::CliRun r =
        quorvale::testing::runTool({"sweep", "--eyd", "5:" + typed, "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\x80'), std::string::npos);
    EXPECT_EQ(quorvale::validUtf8(r.out), r.out);
    EXPECT_TRUE(nlohmann::json::accept(r.out));  // the parser refuses invalid UTF-8
    EXPECT_EQ(quorvale::validUtf8(typed), "3\uFFFDx\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\u00E9");

    std::ostringstream csv;
    quorvale::CsvWriter(csv).text(typed).text("a,\"b\"").number(1.5).number(0.0 / 0.0);
    EXPECT_EQ(csv.str(), "3\uFFFDx\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\u00E9,\"a,\"\"b\"\"\",1.5,");
}

TEST(CliOutput, JsonNumbersReadBackAsTheSameDouble) {
    for (double x : {0.1, 1.0 / 3, 5.28, 1e6, 1e-7, 5e-324, 1.7976931348623157e308, 123456789.123}) {
        std::ostringstream out;
        quorvale::cli::writeJson(out, quorvale::cli::Json{{"x", x}});
        const double back = nlohmann::json::parse(out.str())["x"].get<double>();
        EXPECT_EQ(std::memcmp(&back, &x, sizeof x), 0) << out.str();
    }
}

TEST(CliOutput, EveryHelpAndTheManualPageListEachExitStatusWithItsCauses) {
    std::ifstream page(QUORVALE_CLI_MANUAL_PAGE);
    std::stringstream manual;
    manual << page.rdbuf();
    std::vector<std::string> texts{manual.str(), quorvale::testing::runTool({"--help"}).out};
    for (const char* command : {"sweep", "simulate", "decide", "unit", "batch"}) {
        texts.push_back(quorvale::testing::runTool({command, "--help"}).out);
    }
    for (const std::string& text : texts) {
        // The statuses end the help; in the manual page nothing after them
        // names a cause.
        const size_t at = std::min(text.find("\nExit status:\n"), text.find(".SH EXIT STATUS"));
        ASSERT_NE(at, std::string::npos) << text;
        const std::string block = text.substr(at);
        for (const char* said : {" 0", "uccess", " 1", "overflow", "finite", "unit file", "cannot be written", " 2",
                                 "sage", " 130", "Ctrl+C", " 143", "SIGTERM"}) {
            EXPECT_NE(block.find(said), std::string::npos) << said << " in\n" << block;
        }
    }
}

// The one progress line of the long commands is drawn in place and erased
// once at the end, so the table that follows starts on a clean line; a line
// erased is drawn again at once when a run goes on.
TEST(CliOutput, TheProgressLineIsDrawnInPlaceAndErasedOnce) {
    std::ostringstream err;
    quorvale::cli::ProgressLine line(err);
    line.clear();
    EXPECT_EQ(err.str(), "");
    line.redraw([] { return std::string("12 % 300 scenarios"); });
    line.clear();
    line.clear();
    // Step 6 of 12 sampling: five of twelve finished fill ten of the 24 places.
    const quorvale::cli::RunProgress run{6, 12, 2500, 0.5};
    line.update(run);
    EXPECT_EQ(err.str(), "\r\033[K12 % 300 scenarios\r\033[K\r\033[K" + quorvale::cli::ProgressLine::text(run));
    EXPECT_EQ(quorvale::cli::ProgressLine::text(run),
              "step 6/12 [##########..............] 2500 samples, 0.01 M samples/s");
}
