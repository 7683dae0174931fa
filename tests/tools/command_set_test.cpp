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
    // A command that talks to a tracker and cannot open its trace stops with
    // the status its scripts expect; the others never open the trace (0).
    int traceStatus;
};

// Every sub-command, registered by its own file: its help ends with the one
// pointer to the tool's help, and a trace that cannot be written stops only
// the commands that talk to a tracker, before they touch anything.
TEST(CommandSet, EachCommandHasTheFooterOnceAndItsTraceStatus) {
    TempFolder folder;
    const std::vector<CommandCase> cases = {
        {{"show", "a.zb3"}, 0},
        {{"build", "a.json", "b.zb3"}, 0},
        {{"timing", "a.zb3"}, 0},
        {{"version", "--port", "/dev/null"}, 1},
        {{"read", "--port", "/dev/null", "--json"}, 1},
        {{"write", "--port", "/dev/null", "a.zb3"}, 1},
        {{"write", "--port", "/dev/null", "--dry-run", "a.zb3"}, 2},
        {{"diff", "a.zb3", "b.zb3"}, 0},
        {{"check", "a.zb3"}, 0},
        {{"history"}, 0},
        {{"history", "show", "1"}, 0},
        {{"ports"}, 0},
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
        const bool mentionsTrace =
            refused.err.find("cannot write the trace file") != std::string::npos;
        EXPECT_EQ(mentionsTrace, command.traceStatus != 0) << refused.err;
        if (command.traceStatus != 0) {
            EXPECT_EQ(refused.status, command.traceStatus);
            EXPECT_EQ(refused.out, "");
        }
    }
}

}  // namespace
}  // namespace qz5
