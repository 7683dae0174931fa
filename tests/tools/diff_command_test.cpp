// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/diff_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "config/config_file.h"
#include "config/image_test_support.h"
#include "config/symbols/system_symbol_list.h"
#include "config/tracker_config.h"
#include "support/recording_presenter.h"
#include "tool_process.h"

namespace qz5 {
namespace {

using testing::imageOf;
std::string fileOf(const ConfigImage& image) {
    const auto bytes = configFileContents(image);
    return {bytes.begin(), bytes.end()};
}

TEST(Diff, NamesEveryDifferingFieldAndFollowsDiffsExitStatus) {
    testing::TempFolder folder;
    testing::RecordingPresenter presenter;
    const ConfigImage defaults = imageOf(TrackerConfig());
    folder.write("defaults.zb3", fileOf(defaults));
    folder.write("edited.json",
                 R"({"calibration":130,"profiles":[{"callsign":"K1ABC-7"},{"statusText":"hi"}]})");
    folder.write("bad.zb3", "ZB3A");
    const ConfigImage trackerImage = imageOf([] {
        TrackerConfig config;
        config.smartBeaconing[1] = true;
        return config;
    }());
    const auto readTracker = [&](const std::string& port, ConfigImage& image) {
        EXPECT_EQ(port, "/dev/ttyUSB0");
        image = trackerImage;
        return ExitStatus::Ok;
    };

    struct Case {
        std::string left;
        std::string right;
        DiffStatus status;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"defaults.zb3", "defaults.zb3", DiffStatus::Same, ""},
        {"defaults.zb3", "edited.json", DiffStatus::Different,
         "calibration: 128 -> 130\n"
         "profiles[0].callsign: \"NOCALL\" -> \"K1ABC-7\"\n"
         "profiles[1].statusText: \"OV QZ5\" -> \"hi\"\n"},
        {"defaults.zb3", "tracker:/dev/ttyUSB0", DiffStatus::Different,
         "profiles[1].smartBeaconing: false -> true\n"},
        {"defaults.zb3", "missing.zb3", DiffStatus::Trouble, ""},
        {"bad.zb3", "defaults.zb3", DiffStatus::Trouble, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left + " " + c.right);
        const auto side = [&](const std::string& name) {
            return name.starts_with("tracker:") ? name : folder.path(name);
        };
        std::ostringstream out;
        EXPECT_EQ(runDiff(side(c.left), side(c.right), readTracker, out), c.status);
        EXPECT_EQ(out.str(), c.out);
    }
}

TEST(Diff, EqualSettingsInDifferentBytesSayOneLine) {
    // "nocall" decodes as NOCALL, but its address block is not shared.
    testing::TempFolder folder;
    folder.write("a.zb3", fileOf(imageOf(TrackerConfig())));
    folder.write("b.json", R"({"profiles":[{},{"callsign":"nocall"}]})");
    const auto run = testing::runTool({"diff", folder.path("a.zb3"), folder.path("b.json")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("same settings; the images differ in ")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_EQ(testing::runTool({"diff", folder.path("a.zb3"), folder.path("none.zb3")}).status, 2);
}

TEST(Diff, NamesBothSidesSymbolsOnTheirLines) {
    // The list the tests pin; the names are the list's own.
    const SymbolList* list = systemSymbols().get();
    ASSERT_NE(list, nullptr) << systemSymbols().notice;
    TrackerConfig edited;
    edited.symbolCode[0] = '>';
    edited.symbolTable[1] = '~';
    std::ostringstream out;
    EXPECT_EQ(compareImages(imageOf(TrackerConfig()), imageOf(edited), out), DiffStatus::Different);
    const std::string jogger = list->find('/', '[')->name;
    EXPECT_EQ(out.str(), "profiles[0].symbolCode: \"[\" -> \">\" (" + jogger + " -> " +
                             list->find('/', '>')->name +
                             ")\n"
                             "profiles[1].symbolTable: \"/\" -> \"~\" (" +
                             jogger + " -> no picture)\n");
}

}  // namespace
}  // namespace qz5
