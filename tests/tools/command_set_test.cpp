// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool_process.h"

namespace qz5 {
namespace {

using testing::runTool;
using testing::TempFolder;

struct CommandCase {
    std::vector<std::string> line;  // a valid line for the command
    int troubleStatus;              // when it cannot start: its own "trouble"
};

// Every sub-command, registered by its own file: its help ends with the one
// pointer to the tool's help, and a trace that cannot be written stops it
// before it touches anything, with the status its scripts expect.
TEST(CommandSet, EachCommandHasTheFooterOnceAndItsTroubleStatus) {
    TempFolder folder;
    const std::vector<CommandCase> cases = {
        {{"show", "a.zb3"}, 1},
        {{"build", "a.json", "b.zb3"}, 1},
        {{"version", "--port", "/dev/null"}, 1},
        {{"read", "--port", "/dev/null", "--json"}, 1},
        {{"write", "--port", "/dev/null", "a.zb3"}, 1},
        {{"write", "--port", "/dev/null", "--dry-run", "a.zb3"}, 2},
        {{"diff", "a.zb3", "b.zb3"}, 2},
        {{"check", "a.zb3"}, 2},
        {{"history"}, 1},
        {{"history", "show", "1"}, 1},
        {{"ports"}, 1},
    };
    const std::string footer =
        "Run 'qz5cfg --help' for ports, messages, exit statuses and the JSON form.\n";
    for (const CommandCase& command : cases) {
        SCOPED_TRACE(::testing::PrintToString(command.line));
        const auto help = runTool({command.line[0], "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.ends_with(footer)) << help.out;
        EXPECT_EQ(help.out.find(footer), help.out.size() - footer.size());

        std::vector<std::string> traced = {"--trace", folder.path("missing/t")};
        traced.insert(traced.end(), command.line.begin(), command.line.end());
        const auto refused = runTool(traced);
        EXPECT_EQ(refused.status, command.troubleStatus);
        EXPECT_NE(refused.err.find("cannot write the trace file"), std::string::npos);
        EXPECT_EQ(refused.out, "");
    }
}

}  // namespace
}  // namespace qz5
