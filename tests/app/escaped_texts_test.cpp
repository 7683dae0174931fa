// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "escaped_texts.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

class EscapedTextsTest : public WindowTest {
  protected:
    void SetUp() override {
        if (!underPseudoLanguage()) {
            GTEST_SKIP() << "runs under the pseudo-language";
        }
        window->show();
    }

    // What the dialog that `open` shows lets escape.
    std::set<std::string> escapedFromDialog(int buttonId) {
        std::set<std::string> escaped;
        QTimer::singleShot(0, [&escaped] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                collect(*dialog, escaped);
                dialog->close();
            } else {
                escaped.insert("no dialog opened");
            }
        });
        button(buttonId)->click();
        return escaped;
    }
};

TEST_F(EscapedTextsTest, NoTextOfTheWindowOrItsDialogsEscapesTranslation) {
    for (const WindowView view : {WindowView::Basic, WindowView::AllSettings}) {
        window->setView(view);
        std::set<std::string> escaped;
        collect(*window, escaped);
        EXPECT_TRUE(escaped.empty()) << ::testing::PrintToString(escaped);
    }
    for (const int dialog : {ids::kAbout, ids::kBeaconTiming, ids::kChooseSymbol, ids::kHistory}) {
        const std::set<std::string> escaped = escapedFromDialog(dialog);
        EXPECT_TRUE(escaped.empty()) << dialog << ": " << ::testing::PrintToString(escaped);
    }
}

}  // namespace
}  // namespace qz5::testing
