// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/program_info.h"

namespace qz5 {
namespace {

struct OptionCase {
    std::vector<std::string> arguments;
    bool demo = false;
    bool quitAfterStart = false;
    std::optional<int> exitStatus;
    std::string outputStart;  // what the printed text begins with
    std::string traceFile{};
    std::string file{};
};

TEST(AppOptions, CommandLinesGiveOptionsOrAnAnswer) {
    const std::string version = std::string("qz5-config ") + kProgramVersion + "\n";
    const std::vector<OptionCase> cases = {
        {{}, false, false, std::nullopt, ""},
        {{"--demo"}, true, false, std::nullopt, ""},
        {{"--quit-after-start", "--demo"}, true, true, std::nullopt, ""},
        {{"--demo", "--demo"}, true, false, std::nullopt, ""},
        {{"--all-settings"}, false, false, std::nullopt, ""},
        // Help and version answer even beside arguments that are errors or Qt's.
        {{"--bogus", "-h"}, false, false, 0, "Usage: qz5-config"},
        {{"-platform", "offscreen", "--help"}, false, false, 0, "Usage: qz5-config"},
        {{"--demo", "--version"}, false, false, 0, version},
        {{"--help", "--version"}, false, false, 0, "Usage: qz5-config"},
        {{"--bogus"}, false, false, 2, "qz5-config: unknown option '--bogus'\n"},
        // One file to load, wherever it stands; "--" lets its name begin with "-".
        {{"file.zb3", "--demo"}, true, false, std::nullopt, "", "", "file.zb3"},
        {{"--", "-a.zb3"}, false, false, std::nullopt, "", "", "-a.zb3"},
        {{"a.zb3", "b.zb3"}, false, false, 2, "qz5-config: unexpected argument 'b.zb3'\n"},
        // Options are whole words: no prefixes, no glued values.
        {{"--dem"}, false, false, 2, "qz5-config: unknown option '--dem'\n"},
        {{"--demo=1"}, false, false, 2, "qz5-config: unknown option '--demo=1'\n"},
        // The trace takes the next word, or its value after "=".
        {{"--trace", "--demo"}, false, false, std::nullopt, "", "--demo"},
        {{"--trace=t.log", "--demo"}, true, false, std::nullopt, "", "t.log"},
        {{"--trace"}, false, false, 2, "qz5-config: option '--trace' needs a file name\n"},
    };
    for (const OptionCase& c : cases) {
        std::string typed;
        for (const std::string& argument : c.arguments) {
            typed += argument + " ";
        }
        SCOPED_TRACE(typed);
        const AppCommandLine line = parseAppCommandLine(c.arguments);
        EXPECT_EQ(line.exitStatus, c.exitStatus);
        EXPECT_TRUE(line.output.starts_with(c.outputStart)) << line.output;
        if (!c.exitStatus) {
            EXPECT_EQ(line.options.demo, c.demo);
            EXPECT_EQ(line.options.quitAfterStart, c.quitAfterStart);
            EXPECT_EQ(line.options.traceFile, c.traceFile);
            EXPECT_EQ(line.options.file, c.file);
        }
    }
}

}  // namespace
}  // namespace qz5
