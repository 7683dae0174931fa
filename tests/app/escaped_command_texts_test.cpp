// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept/compare_dialog.h"
#include "escaped_texts.h"
#include "language/shown_text.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "when_shown.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

// The boxes and dialogs of the commands that talk to a tracker.
class EscapedTextsOfTrackerCommandsTest : public WindowDriver {
  protected:
    EscapedTextsOfTrackerCommandsTest() {
        ports = PortTable({{"COM1", tracker.slavePath()}});
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
    }
    ~EscapedTextsOfTrackerCommandsTest() override { window.reset(); }
    void SetUp() override {
        if (!underPseudoLanguage()) {
            GTEST_SKIP() << "runs under the pseudo-language";
        }
    }

    PtyTracker tracker{TrackerModel()};
    PortTable ports;
};

TEST_F(EscapedTextsOfTrackerCommandsTest, NoBoxOrDialogOfACommandEscapesTranslation) {
    std::set<std::string> escaped;
    click(ids::kReadConfiguration);
    type(ids::kCallsign, "K1XYZ");
    bool compared = false;
    whenFirstShown<CompareDialog>([&](CompareDialog& compare) {
        collect(compare, escaped);
        compared = true;
    });
    window->runCommand(ids::kCompareWithTracker);
    EXPECT_TRUE(compared);
    window->runCommand(ids::kFindTracker);
    config().micEStatus[1] = 7;  // the hidden profile: the Emergency question
    presenter.answers = {MessageAnswer::Cancel};
    click(ids::kWriteConfiguration);

    ASSERT_GE(presenter.messages.size(), 3u);
    for (const Message& message : presenter.messages) {
        for (const Text* part : {&message.text, &message.caption, &message.detail, &message.hint}) {
            if (!part->empty() && !shownText(*part).contains(kMark)) {
                escaped.insert("box: " + part->english());
            }
        }
    }
    EXPECT_TRUE(escaped.empty()) << ::testing::PrintToString(escaped);
}

}  // namespace
}  // namespace qz5::testing
