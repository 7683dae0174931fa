// SPDX-License-Identifier: GPL-3.0-or-later
// check, --set and write --dry-run as a club uses them: the built program
// against the simulated tracker.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "config/history.h"
#include "config/image_test_support.h"
#include "config/tracker_config.h"
#include "sim/pty_tracker.h"
#include "tool_process.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {
namespace {

using testing::imageOf;
class FleetCliTest : public ::testing::Test {
  protected:
    FleetCliTest() {
        // No country findings: the machine's prefix list does not decide a result.
        setenv("QZ5_PREFIX_LIST", folder.path("none").c_str(), 1);
        folder.write("empty.json", "{}");
        folder.write("slow.json", R"({"profiles":[{"transmitRate":70000}]})");
        EXPECT_EQ(
            testing::runTool({"build", folder.path("empty.json"), folder.path("club.zb3")}).status,
            0);
    }
    ~FleetCliTest() override { unsetenv("QZ5_PREFIX_LIST"); }

    // "PORT" and "DIR/" in the arguments stand for the tracker and the folder.
    testing::ToolRun run(std::vector<std::string> args) {
        for (std::string& arg : args) {
            if (arg.find("PORT") != std::string::npos) {
                arg.replace(arg.find("PORT"), 4, tracker.slavePath());
            } else if (arg.starts_with("DIR/")) {
                arg = folder.path(arg.substr(4));
            }
        }
        return testing::runTool(args);
    }

    PtyTracker tracker;
    testing::TempFolder folder;
};

TEST_F(FleetCliTest, CommandsGiveTheirStatusOutputAndLeaveTheTrackerAsTheySay) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;     // found in stdout
        std::string err;     // found in stderr
        bool sends = false;  // the tracker's memory changes
    };
    const std::string placeholder1 = "error  callsign-placeholder  profiles[1].callsign  ";
    const std::vector<Case> cases = {
        {{"check", "tracker:PORT"}, 1, "error  callsign-placeholder  profiles[0].callsign  ", ""},
        {{"check", "DIR/club.zb3", "--ignore", "callsign-placeholder"},
         0,
         "note  frequency-testing  profiles[1].frequencyMHz  ",
         ""},
        {{"check", "DIR/slow.json", "--json"}, 1, R"("rule": "value-kept-in-part")", ""},
        {{"check", "DIR/club.zb3", "--ignore", "no-such-rule"}, 2, "", "--ignore no-such-rule"},
        {{"check", "DIR/missing.zb3"}, 2, "", "Failed to open file"},
        {{"write", "--port", "PORT", "--dry-run", "DIR/club.zb3"}, 0, "", placeholder1},
        {{"write", "--port", "PORT", "--dry-run", "DIR/club.zb3", "--set",
          "profiles[0].callsign=K1ABC-7"},
         1,
         R"(profiles[0].callsign: "NOCALL" -> "K1ABC-7")",
         placeholder1},
        {{"write", "--port", "PORT", "--dry-run", "--no-backup", "DIR/club.zb3"},
         2,
         "",
         "--no-backup"},
        // A write says what it changed, as the dry run does.
        {{"write", "--port", "PORT", "DIR/club.zb3", "--set", "profiles[1].callsign=K1ABC-9"},
         0,
         "profiles[1].callsign: \"NOCALL\" -> \"K1ABC-9\"\n",
         "error  callsign-placeholder  profiles[0].callsign  ",
         true},
        // A preset goes first, so a --set after it has the last word.
        {{"write", "--port", "PORT", "DIR/club.zb3", "--preset", "2=BOAT", "--set",
          "profiles[1].sbFastRate=240"},
         0,
         "profiles[1].sbFastRate: 90 -> 240\n",
         "",
         true},
        {{"timing", "--preset", "1=car"}, 0, "at or above the high speed (70)", ""},
        {{"build", "DIR/empty.json", "DIR/unit.zb3", "--preset", "1=bus"},
         2,
         "",
         "--preset 1=bus: the presets are Walking, Cycling, Car, Truck, Boat, Aircraft"},

        {{"write", "--port", "PORT", "DIR/club.zb3", "--set", "profiles[0].transmitRate=fast"},
         2,
         "",
         "--set profiles[0].transmitRate: expected an integer"},
        {{"write", "--port", "PORT", "DIR/club.zb3", "--set", "profiles[0].slotDivides60=true"},
         2,
         "",
         "cannot be set"},
        {{"write", "--port", "PORT", "DIR/club.zb3", "--set", "profiles[2].callsign=K1ABC"},
         2,
         "",
         "unknown field"},
        {{"show", "DIR/club.zb3", "--set", "profiles[1].statusText=Club net=Sunday"},
         0,
         R"("statusText": "Club net=Sunday")",
         ""},
        // A text that reads as a number stays a text.
        {{"show", "DIR/club.zb3", "--set", "profiles[0].statusText=2026"},
         0,
         R"("statusText": "2026")",
         ""},
        // --strict: an error stops the write and the build; a note does not.
        {{"write", "--port", "PORT", "--strict", "DIR/club.zb3", "--set",
          "profiles[0].callsign=my-call", "--set", "profiles[1].callsign=K1ABC-9"},
         1,
         "",
         "callsign-altered  profiles[0].callsign  Enter the callsign as MY"},
        {{"write", "--port", "PORT", "--strict", "DIR/club.zb3", "--set",
          "profiles[0].callsign=K1ABC-7", "--set", "profiles[1].callsign=K1ABC-9"},
         0,
         "",
         "note  frequency-testing",
         true},
        {{"write", "--port", "PORT", "--strict", "--dry-run", "DIR/club.zb3"}, 2, "", "--strict"},
        {{"build", "--strict", "DIR/empty.json", "DIR/unit.zb3"}, 1, "", "nothing saved: --strict"},
        {{"build", "--strict", "DIR/empty.json", "DIR/unit.zb3", "--set", "calibration=Ä"},
         2,
         "",
         "calibration: expected an integer"},
        // show takes a JSON record, as a configuration file would hold it.
        {{"show", "DIR/slow.json"}, 0, R"("transmitRate": 4464)", ""},
        {{"show", "DIR/slow.json", "--set", "profiles[0].transmitRate=300"},
         0,
         R"("transmitRate": 300)",
         ""},
        {{"build", "DIR/empty.json", "DIR/unit.zb3", "--set", "calibration=Ä"},
         2,
         "",
         "calibration: expected an integer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        tracker.setMemory(imageOf(TrackerConfig()));
        const testing::ToolRun result = run(c.args);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_NE(result.out.find(c.out), std::string::npos) << result.out;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        EXPECT_EQ(tracker.memory() != imageOf(TrackerConfig()), c.sends);
    }
    EXPECT_FALSE(folder.exists("unit.zb3"));
}

TEST_F(FleetCliTest, ASetChangesItsFieldAndEveryOtherSettingDecodesUnchanged) {
    std::filesystem::remove_all(historyDir());
    ASSERT_EQ(run({"write", "--port", "PORT", "DIR/club.zb3", "--set",
                   "profiles[0].callsign=K1ABC-7", "--set", "profiles[0].transmitRate=300"})
                  .status,
              0);
    TrackerConfig expected;
    static_cast<void>(expected.decodeImage(imageOf(TrackerConfig())));
    expected.setCallsign("K1ABC-7");
    expected.transmitRate[0] = 300;
    TrackerConfig written;
    ASSERT_TRUE(written.decodeImage(tracker.memory()));
    EXPECT_EQ(configToJson(written), configToJson(expected));
    // The dry run before a write keeps its backup read like the write itself.
    ASSERT_EQ(run({"write", "--port", "PORT", "--dry-run", "DIR/club.zb3"}).status, 1);
    const auto kept = listHistory();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept.front().direction, "backup");
}

}  // namespace
}  // namespace qz5
