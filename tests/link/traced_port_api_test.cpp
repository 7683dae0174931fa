// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/traced_port_api.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <utility>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/stable_port_name.h"
#include "support/fake_serial_port_api.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;

// The lines of a trace without their times, which must each be there.
std::vector<std::string> untimed(const std::string& trace) {
    std::vector<std::string> lines;
    std::istringstream in(trace);
    const std::regex stamp(R"(^\+\d+\.\d{3}s (.*)$)");
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        EXPECT_TRUE(std::regex_match(line, match, stamp)) << line;
        lines.push_back(match[1]);
    }
    return lines;
}

TEST(TracedPortApi, LogsOpensRatesBytesAndClosesOfAnExchange) {
    testing::FakeSerialPortApi fake;
    fake.devices = {"/dev/fake"};
    fake.replies = {{}, {'O', 'V', '-', 'Q', 'Z', '5'}};
    std::ostringstream out;
    ExchangeLog log(out);
    TracedPortApi traced(fake, log);
    const PortTable ports({{"COM1", "/dev/fake"}, {"COM2", "/dev/none"}});
    SerialLink link(traced, ports);
    testing::SeenMessages presenter;
    std::array<char, 30> reply{};

    link.setPortName("COM1");
    link.setBaudRate(9600);
    EXPECT_TRUE(presenter(link.queryVersion(reply)));
    link.setPortName("COM2");
    EXPECT_FALSE(presenter(link.openPort()));

    EXPECT_EQ(untimed(out.str()),
              (std::vector<std::string>{"open /dev/fake", "rate 9600", "9600 tx 1B", "9600 tx 1B",
                                        "9600 tx 56", "9600 rx 4F 56 2D 51 5A 35", "close",
                                        "open /dev/none failed"}));
}

TEST(ExchangeLogFile, AFileThatCannotBeCreatedIsAnError) {
    Text error;
    EXPECT_EQ(ExchangeLog::toFile("/nonexistent-folder/trace.txt", error), nullptr);
    EXPECT_EQ(error,
              "cannot write the trace file /nonexistent-folder/trace.txt: No such file or "
              "directory");
}

// The window checks its trace file at start-up, long before it talks: the
// last run's trace stays until then.
TEST(ExchangeLogFile, IsEmptiedAtOpenOrAtTheFirstEvent) {
    using Emptying = PrivateOutputFile::Emptying;
    const fs::path file = fs::temp_directory_path() / "qz5-trace-emptying-test.txt";
    const auto contents = [&file] {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const auto& [emptying, untouched] :
         {std::pair{Emptying::AtOpen, ""},
          std::pair{Emptying::AtFirstWrite, "an older trace, longer than a line\n"}}) {
        std::ofstream(file) << "an older trace, longer than a line\n";
        Text error;
        const auto log = ExchangeLog::toFile(file.string(), error, emptying);
        ASSERT_NE(log, nullptr) << error;
        EXPECT_EQ(contents(), untouched);
        log->record(WireEvent::Kind::Closed, 0);
        log->record(WireEvent::Kind::Closed, 0);
        EXPECT_EQ(untimed(contents()), (std::vector<std::string>{"close", "close"}));
    }
    fs::remove(file);
}

TEST(StablePortName, PrefersTheByIdLinkToTheDevice) {
    const fs::path root = fs::temp_directory_path() / "qz5-by-id-test";
    fs::remove_all(root);
    fs::create_directories(root / "by-id");
    std::ofstream(root / "ttyUSB0").put('x');
    std::ofstream(root / "ttyUSB1").put('x');
    fs::create_symlink(root / "ttyUSB0", root / "by-id" / "usb-Acme_Cable_42-if00-port0");
    EXPECT_EQ(stablePortName((root / "ttyUSB0").string(), root / "by-id"),
              (root / "by-id" / "usb-Acme_Cable_42-if00-port0").string());
    EXPECT_EQ(stablePortName((root / "ttyUSB1").string(), root / "by-id"),
              (root / "ttyUSB1").string());
    EXPECT_EQ(stablePortName("/dev/pts/9", root / "missing"), "/dev/pts/9");
    fs::remove_all(root);
}

}  // namespace
}  // namespace qz5
