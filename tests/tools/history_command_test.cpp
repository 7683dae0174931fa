// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/history_command.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "support/recording_presenter.h"
#include "tool_process.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {
namespace {

using testing::runTool;

// A history of three: two images as the program keeps them and one file of
// the right name that is no configuration file.
class HistoryCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(historyDir());
        std::filesystem::create_directories(historyDir());
        keep("000007_2026-12-07T101131.286Z_read_COM1_OV-QZ5-1.4.zb3", "K1ABC-7");
        keep("000009_2026-12-07T111131.286Z_backup_COM1_OV-QZ5-1.4.zb3", "K1ABC-9");
        std::ofstream(historyDir() / "000010_2026-12-07T121131.286Z_write_COM1_OV-QZ5-1.4.zb3")
            << "ZB3A";
    }
    void TearDown() override { std::filesystem::remove_all(historyDir()); }

    static void keep(const std::string& name, const char* callsign) {
        TrackerConfig config;
        config.setCallsign(callsign);
        ConfigImage image{};
        EXPECT_TRUE(config.encodeImage(image));
        const auto bytes = configFileContents(image);
        std::ofstream(historyDir() / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
};

TEST_F(HistoryCommand, JsonListsEachImageWithItsNumberAndCallsigns) {
    const auto run = runTool({"history", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json list = Json::parse(run.out);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]["sequence"], 10);
    EXPECT_TRUE(list[0]["callsigns"].is_null());
    EXPECT_EQ(list[0]["problem"], "Invalid File Format");
    EXPECT_EQ(
        list[1],
        Json::parse(
            R"({"sequence": 9, "time": "2026-12-07T11:11:31.286Z", "kind": "backup",
                  "port": "COM1", "version": "OV-QZ5-1.4", "callsigns": ["K1ABC-9", "NOCALL"],
                  "file": ")" +
            (historyDir() / "000009_2026-12-07T111131.286Z_backup_COM1_OV-QZ5-1.4.zb3").string() +
            R"("})"));
    EXPECT_EQ(list[2]["sequence"], 7);
}

TEST_F(HistoryCommand, ShowPrintsTheImageOfThatNumber) {
    // Two programs that stored at once before numbers were locked.
    const std::string pair[] = {"000005_2026-12-07T091131.286Z_read_COM2_v.zb3",
                                "000005_2026-12-07T091131.286Z_read_COM1_v.zb3"};
    for (const std::string& name : pair) {
        keep(name, "K1ABC-5");
    }
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string callsign;  // of the printed record; empty when none is printed
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"history", "show", "7"}, 0, "K1ABC-7", ""},
        {{"history", "show", "000009"}, 0, "K1ABC-9", ""},
        {{"history", "show", "8"}, 1, "", "no image numbered 8"},
        {{"history", "show", "5"},
         2,
         "",
         "qz5cfg: history show: more than one image is numbered 5: " +
             (historyDir() / pair[0]).string() + " and " + (historyDir() / pair[1]).string() +
             "; show the one meant by its file\n"},
        {{"history", "show", "10"}, 1, "", "Invalid File Format"},
        {{"history", "show", "seven"}, 2, "", "not \"seven\""},
        {{"history", "show", "-9"}, 2, "", "-9"},
        {{"history", "show", "0x9"}, 2, "", "not \"0x9\""},
        {{"history", "show"}, 2, "", "N"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto run = runTool(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.callsign.empty()) {
            EXPECT_EQ(run.out, "");
        } else {
            EXPECT_EQ(Json::parse(run.out)["profiles"][0]["callsign"], c.callsign);
        }
    }
}

TEST_F(HistoryCommand, AnUnreadableFolderIsAFailureNotAnEmptyHistory) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any folder; the unprivileged run checks this";
    }
    std::filesystem::permissions(historyDir(), std::filesystem::perms::owner_write);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"history"}, {"history", "--json"}}) {
        const auto run = runTool(args);
        EXPECT_EQ(run.status, 1) << args.back();
        EXPECT_NE(run.err.find("cannot read the history"), std::string::npos) << run.err;
    }
    std::filesystem::permissions(historyDir(), std::filesystem::perms::owner_all);
    std::filesystem::remove_all(historyDir());
    EXPECT_EQ(runTool({"history"}).status, 0) << "no history yet is no failure";
}

TEST(HistoryListing, ShowsOddNamesEscaped) {
    std::filesystem::remove_all(historyDir());
    std::filesystem::create_directories(historyDir());
    const std::string name = "000001_2026-01-01T000000.000Z_read_COM1_\x1b[31m\xff.zb3";
    std::ofstream(historyDir() / name) << "kept";
    std::ostringstream out;
    EXPECT_EQ(runHistory(out), ExitStatus::Ok);
    EXPECT_EQ(out.str(), "2026-01-01 00:00:00.000  read  COM1  \\x1b[31m\\xff  " +
                             (historyDir() / "000001_2026-01-01T000000.000Z_read_COM1_").string() +
                             "\\x1b[31m\\xff.zb3\n");
    std::filesystem::remove_all(historyDir());
}

}  // namespace
}  // namespace qz5
