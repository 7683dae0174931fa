// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/terminal_progress.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/recording_presenter.h"

namespace qz5 {
namespace {

// Everything that shares the terminal must find the progress line wiped: a
// message, the command's own output, and the end of the command.
TEST(TerminalProgressTest, OneLineRewrittenInPlaceAndWipedBeforeAnythingElse) {
    std::ostringstream terminal;
    std::ostringstream output;
    terminal.tie(&output);  // as stderr is tied to stdout
    testing::RecordingPresenter messages;
    {
        TerminalProgress progress(terminal, output, messages);
        const ScopedMessagePresenter installed(progress);
        progress.show({.step = LinkProgress::Step::Probing, .baudRate = 4800});
        progress.show({.step = LinkProgress::Step::Writing, .done = 64, .total = 132});
        EXPECT_EQ(terminal.str(),
                  "\rLooking for the tracker at 4800 bit/s\x1b[K"
                  "\rWriting the configuration: 64 of 132 bytes\x1b[K");

        terminal.str("");
        progress.present("Write Failed", "", MessageButtons::Ok);
        EXPECT_EQ(terminal.str(), "\r\x1b[K");
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Write Failed"});

        terminal.str("");
        progress.show({.step = LinkProgress::Step::Probing, .baudRate = 9600});
        terminal.str("");
        showMessage(Message{"Could not aquire Com Port", {}, "In use by term (pid 42)."});
        EXPECT_EQ(terminal.str(), "\r\x1b[K");
        EXPECT_EQ(messages.details.back(), "In use by term (pid 42).");

        terminal.str("");
        output << "text for stdout";  // nothing shown: nothing to wipe
        progress.show({.step = LinkProgress::Step::ReadingBack});
        output << "OV-QZ5 1.4\n";
        EXPECT_EQ(terminal.str(), "\rReading it back\x1b[K\r\x1b[K");

        terminal.str("");
        progress.show({.step = LinkProgress::Step::Reading});
    }
    EXPECT_EQ(terminal.str(), "\rReading the configuration\x1b[K\r\x1b[K");
    EXPECT_EQ(output.tie(), nullptr);
}

}  // namespace
}  // namespace qz5
