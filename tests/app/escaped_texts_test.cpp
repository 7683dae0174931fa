// SPDX-License-Identifier: GPL-3.0-or-later
// Under the pseudo-language (QZ5_TEST_LANGUAGE=pseudo) every text of the
// program's own carries its marks: a text the window shows without them
// escaped the catalogues.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <set>
#include <string>

#include "app/kept/compare_dialog.h"
#include "app/view_switcher.h"
#include "language/shown_text.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "when_shown.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

const QString kMark = QStringLiteral("\u27e6");

// Words of the program's own: field contents, list items (ports, symbols,
// frequencies), the window's values and the web address are data and stay as
// they are.
bool hasWords(const QString& text) {
    return !text.startsWith(QLatin1String("http")) &&
           std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

void collect(const QWidget& top, std::set<std::string>& escaped) {
    const auto check = [&escaped](const QWidget& widget, const QString& text) {
        if (hasWords(text) && !text.contains(kMark)) {
            escaped.insert(std::string(widget.metaObject()->className()) + ": " +
                           text.toStdString());
        }
    };
    check(top, top.windowTitle());
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&top)) {
            continue;
        }
        check(*widget, widget->toolTip());
        check(*widget, widget->accessibleName());
        check(*widget, widget->accessibleDescription());
        // Qt's standard buttons speak Qt's own catalogues.
        if (const auto* box = qobject_cast<const QDialogButtonBox*>(widget->parentWidget());
            box != nullptr && box->standardButton(qobject_cast<QAbstractButton*>(widget)) !=
                                  QDialogButtonBox::NoButton) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            check(*widget, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            check(*widget, button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            check(*widget, group->title());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                check(*widget, tabs->tabText(i));
            }
        }
    }
}

bool underPseudoLanguage() {
    return qgetenv("QZ5_TEST_LANGUAGE") == "pseudo";
}

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
