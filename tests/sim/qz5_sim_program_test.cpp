// SPDX-License-Identifier: GPL-3.0-or-later
// The qz5-sim program as a user runs it: path on stdout, log on stderr,
// stopped by a signal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "sim/tracker_bytes.h"
#include "support/seen_messages.h"

extern char** environ;

namespace qz5 {
namespace {

using testing::countingImage;

// qz5-sim running with its stdout and stderr on pipes.
class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> args) {
        args.insert(args.begin(), QZ5_SIM_PATH);
        std::array<int, 2> out{};
        std::array<int, 2> err{};
        if (pipe2(out.data(), O_CLOEXEC) != 0 || pipe2(err.data(), O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe2 failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        const int spawned =
            posix_spawn(&pid_, QZ5_SIM_PATH, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
        if (spawned != 0) {
            throw std::runtime_error("cannot start qz5-sim");
        }
    }
    ~SimProcess() {
        if (pid_ > 0) {
            stop(SIGKILL);
        }
        ::close(out_);
        ::close(err_);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The first line on stdout, waiting at most two seconds for it.
    std::string firstLine() {
        std::string line;
        char c = 0;
        pollfd waiting{out_, POLLIN, 0};
        while (poll(&waiting, 1, 2000) > 0 && ::read(out_, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return line;
    }

    // Sends the signal and returns the wait status.
    int stop(int signal) {
        kill(pid_, signal);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

    // Everything written on stderr; call after the process ended.
    std::string errors() {
        std::string text;
        std::array<char, 4096> buffer{};
        for (ssize_t n = 0; (n = ::read(err_, buffer.data(), buffer.size())) > 0;) {
            text.append(buffer.data(), static_cast<std::size_t>(n));
        }
        return text;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
};

// The host side: the real serial back end on the path the program printed.
struct Host {
    explicit Host(const std::string& path) : ports({{"COM5", path}}), link(api, ports) {
        link.setPortName("COM5");
    }

    testing::SeenMessages presenter;
    PosixSerialPortApi api;
    PortTable ports;
    SerialLink link;
    std::array<char, 30> reply{};
};

std::string imageFile() {
    const auto path = (std::filesystem::temp_directory_path() /
                       ("qz5-sim-test-" + std::to_string(getpid()) + ".zb3"))
                          .string();
    std::ofstream file(path, std::ios::binary);
    file.write("ZB3A\x80\0\0\0", 8);
    const auto image = countingImage(3);
    file.write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path;
}

TEST(Qz5SimProgram, ServesItsImageUntilTerminatedAndLogsEachExchange) {
    const auto path = imageFile();
    SimProcess sim({"--rate", "9600", "--image", path});
    const auto slave = sim.firstLine();
    std::filesystem::remove(path);
    ASSERT_EQ(slave.rfind("/dev/pts/", 0), 0u) << slave;
    {
        Host host(slave);
        EXPECT_TRUE(host.presenter(host.link.probeDevice(host.reply)));
        EXPECT_EQ(host.link.baudRate(), 9600);
        std::array<std::uint8_t, 200> buffer{};
        ASSERT_EQ(testing::countOf(host.presenter(host.link.readImageVerified(buffer))), 128);
        EXPECT_TRUE(std::ranges::equal(std::span(buffer).first(kImageSize), countingImage(3)));
        EXPECT_TRUE(host.presenter.shown.empty());
    }
    const int status = sim.stop(SIGTERM);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const auto log = sim.errors();
    for (const char* expected :
         {"s open\n", "s 4800 rx 1B 1B 56 (ignored)\n", "s close\n", "s 9600 rx 1B 1B 56\n",
          "s 9600 tx 4F 56 2D 51 5A 35 20 31 2E 34 0D 0A\n", "s 9600 rx 1B 55\n",
          "s 9600 tx 03 04 05 06"}) {
        EXPECT_NE(log.find(expected), std::string::npos) << expected << " in\n" << log;
    }
    EXPECT_EQ(log.find("(ignored)"), log.rfind("(ignored)"));  // only the 4800 request
}

TEST(Qz5SimProgram, AppliesFaultsAndStopsOnInterrupt) {
    SimProcess sim({"--silent"});
    {
        Host host(sim.firstLine());
        EXPECT_FALSE(host.presenter(host.link.probeDevice(host.reply)));
        EXPECT_EQ(host.presenter.texts(), std::vector<std::string>{"Zelbin3 Not Found"});
    }
    const int status = sim.stop(SIGINT);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Qz5SimProgram, RefusesBadOptionsWithAReason) {
    {
        SimProcess sim({"--rate", "1200"});
        EXPECT_EQ(sim.firstLine(), "");
        const int status = sim.stop(0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 0);
        EXPECT_NE(sim.errors().find("--rate"), std::string::npos);
    }
    {
        SimProcess sim({"--image", "/nonexistent/config.zb3"});
        EXPECT_EQ(sim.firstLine(), "");
        const int status = sim.stop(0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(sim.errors(), "qz5-sim: /nonexistent/config.zb3: No such file or directory\n");
    }
}

}  // namespace
}  // namespace qz5
