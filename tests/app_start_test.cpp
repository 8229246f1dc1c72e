// Starts the real program on a virtual X display of its own and looks at
// its window from outside, as a window manager would see it.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

bool OnPath(const char* program) {
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}

long Field(const std::string& text, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(label + ":\\s*(-?[0-9]+)"))) return -99999;
    return std::stol(match[1]);
}

// A child process that is ended (if still running) when the test ends.
struct Child {
    pid_t pid = -1;
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }
    void stop() {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    // Exit status once the process has ended within `limit`, else -1000.
    int waitExit(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -2000;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1000;
    }
};

// Xvfb on a display number it picks itself and tells through a pipe.
std::string StartXvfb(Child& server) {
    int fds[2];
    if (pipe(fds) != 0) return "";
    server.pid = fork();
    if (server.pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    return number.empty() ? "" : ":" + number;
}

void StartProgram(Child& program, const std::string& display) {
    program.pid = fork();
    if (program.pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(KESTRIX_PROGRAM, KESTRIX_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
}

std::string FindWindow(const std::string& display) {
    for (int i = 0; i < 150; ++i) {
        const std::string id = Output("DISPLAY=" + display + " xdotool search --onlyvisible --name '^Kestrix$'");
        if (!id.empty()) return id.substr(0, id.find('\n'));
        std::this_thread::sleep_for(100ms);
    }
    return "";
}

TEST(ProgramStart, ShowsOneCentredFramelessWindowAndEscEndsTheProcess) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
    ASSERT_TRUE(OnPath("xdotool") && OnPath("xwininfo") && OnPath("xprop")) << "needs xdotool and x11-utils";

    Child server;
    const std::string display = StartXvfb(server);
    ASSERT_FALSE(display.empty()) << "Xvfb did not start";
    Child program;
    StartProgram(program, display);
    const std::string id = FindWindow(display);
    ASSERT_FALSE(id.empty()) << "no window named Kestrix appeared";

    const std::string info = Output("DISPLAY=" + display + " xwininfo -id " + id);
    EXPECT_EQ(Field(info, "Width"), 851) << info;
    EXPECT_EQ(Field(info, "Height"), 608);
    EXPECT_EQ(Field(info, "Absolute upper-left X"), (1280 - 851) / 2);
    EXPECT_EQ(Field(info, "Absolute upper-left Y"), (1024 - 608) / 2);

    // Motif hints: flags, functions, decorations... The decorations flag
    // (bit 1) is set and no decoration is asked for: no title bar or border.
    const std::string hints = Output("DISPLAY=" + display + " xprop -id " + id + " _MOTIF_WM_HINTS");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(hints, match, std::regex("=\\s*(0x[0-9a-f]+),\\s*(0x[0-9a-f]+),\\s*(0x[0-9a-f]+)")))
        << hints;
    EXPECT_TRUE(std::stoul(match[1], nullptr, 16) & 0x2) << hints;
    EXPECT_EQ(std::stoul(match[3], nullptr, 16), 0u) << hints;

    // Esc in the window ends the program at once, with exit code 0.
    Output("DISPLAY=" + display + " xdotool windowfocus --sync " + id + " key Escape");
    EXPECT_EQ(program.waitExit(5s), 0);
}

}  // namespace
