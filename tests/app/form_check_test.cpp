// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <functional>
#include <optional>

#include "config/config_file.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

class FormCheckTest : public WindowTest {
  public:
    const FindingsStrip& strip() { return WindowInspector::findings(*window); }

    bool raised(Rule rule) {
        const auto& found = WindowInspector::findingList(*window);
        return std::any_of(found.begin(), found.end(),
                           [rule](const Finding& finding) { return finding.rule == rule; });
    }

    // Until the check after the typing pause has run.
    bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

    void loadDefaults() {
        TrackerConfig defaults;
        const std::string path = dir.filePath("defaults.zb3").toStdString();
        ASSERT_FALSE(writeConfigFile(path, defaults));
        window->loadConfigFile(path);
    }

    QTemporaryDir dir;
};

// What a tool tip shows, without its markup.
QString plainText(const QString& toolTip) {
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

struct Case {
    const char* name;
    std::function<void(FormCheckTest&)> act;
    std::optional<Rule> raised;  // none: the strip never appears
    std::optional<Rule> gone;    // raised on the way, then fixed
    int marked;                  // the control All settings marks
};

TEST_F(FormCheckTest, TheStripAndTheMarksFollowTheForm) {
    const std::vector<Case> cases = {
        {"start-up", [](FormCheckTest&) {}, std::nullopt, std::nullopt, kNoControlId},
        {"a rate under a minute", [](FormCheckTest& t) { t.type(ids::kTransmitRate, "30"); },
         Rule::RateTooFast, std::nullopt, ids::kTransmitRate},
        {"the rate put right",
         [](FormCheckTest& t) {
             t.type(ids::kTransmitRate, "30");
             ASSERT_TRUE(t.waitFor([&] { return t.raised(Rule::RateTooFast); }));
             t.type(ids::kTransmitRate, "120");
             ASSERT_TRUE(t.waitFor([&] { return !t.raised(Rule::RateTooFast); }));
         },
         Rule::CallsignPlaceholder, Rule::RateTooFast, ids::kCallsign},
        {"a placeholder with an SSID the tracker cannot keep",
         [](FormCheckTest& t) { t.type(ids::kCallsign, "NOCALL-99"); }, Rule::CallsignAltered,
         std::nullopt, ids::kCallsign},
        {"a placeholder loaded", [](FormCheckTest& t) { t.loadDefaults(); },
         Rule::CallsignPlaceholder, std::nullopt, ids::kCallsign},
        {"Emergency! chosen for Mic-E, which is on",
         [](FormCheckTest& t) {
             t.window->setView(WindowView::AllSettings);
             QWidget* message = t.controls().control(ids::kMicEStatus);
             message->setFocus();
             QTest::keyClick(message, Qt::Key_End);  // the list's last item
         },
         Rule::MicEEmergency, std::nullopt, ids::kMicEStatus},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openWindow({{"COM1", "/dev/fake1"}});
        window->show();
        const TrackerConfig record = config();
        const int startHeight = window->height();
        c.act(*this);
        if (!c.raised) {
            QTest::qWait(600);
            EXPECT_TRUE(strip().isHidden());
            continue;
        }
        ASSERT_TRUE(waitFor([&] { return raised(*c.raised); }));
        EXPECT_FALSE(c.gone && raised(*c.gone));
        EXPECT_TRUE(strip().isVisible());
        EXPECT_GT(window->height(), startHeight);
        EXPECT_EQ(strip().accessibleName(), strip().sentence());
        EXPECT_EQ(strip().accessibleDescription().count(QLatin1Char('\n')) + 1,
                  static_cast<qsizetype>(WindowInspector::findingList(*window).size()));
        EXPECT_FALSE(strip().hasFocus());
        // Checking reads the form into a copy: the record is as it was.
        EXPECT_EQ(config().transmitRate[0], record.transmitRate[0]);
        EXPECT_FALSE(config().calibrationChanged);

        QWidget* marked = controls().control(c.marked);
        window->setView(WindowView::Basic);
        const QString described = marked->accessibleDescription();
        const auto icons = window->findChildren<QAction*>().size();
        window->setView(WindowView::AllSettings);
        EXPECT_NE(marked->accessibleDescription(), described);
        EXPECT_TRUE(plainText(marked->toolTip()).contains(marked->accessibleDescription()));
        window->setView(WindowView::Basic);
        EXPECT_EQ(marked->accessibleDescription(), described);
        EXPECT_EQ(window->findChildren<QAction*>().size(), icons) << "an icon left in a field";
    }
}

TEST_F(FormCheckTest, ActivatingTheStripListsEveryFindingWithoutABox) {
    window->show();
    loadDefaults();
    auto& shown = const_cast<FindingsStrip&>(strip());
    EXPECT_TRUE(shown.sentence().startsWith(
        "3 findings, the most severe: Error, Primary profile, Callsign: Enter your own"));
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_Space);
    ASSERT_NE(shown.list(), nullptr);
    EXPECT_EQ(shown.list()->actions().size(),
              static_cast<qsizetype>(WindowInspector::findingList(*window).size()));
    EXPECT_TRUE(presenter.texts().empty());
    // The last, the Secondary profile's testing frequency, leads to its field.
    shown.list()->actions().back()->trigger();
    EXPECT_EQ(config().activeProfile, 1);
    EXPECT_EQ(window->focusWidget(), controls().control(ids::kFrequency));
    shown.list()->close();
}

// Country names from the prefix list hold "&" ("Trinidad & Tobago"), and the
// list is anyone's file: its text makes no shortcut and no markup.
TEST_F(FormCheckTest, OutsideTextInTheStripIsShownAsWritten) {
    FindingsStrip shown(window.get());
    const std::string country = "Trinidad & Tobago <b>9Y</b>";
    shown.setFindings({{Severity::Warning, Rule::FrequencyChannel, "frequency", 0,
                        "Use the channel of " + country + "."}},
                      QStringLiteral("no callsign-prefix list: <i>list</i>"));
    EXPECT_TRUE(QKeySequence::mnemonic(shown.text()).isEmpty()) << shown.text().toStdString();
    const QString tip = plainText(shown.toolTip());
    EXPECT_TRUE(tip.contains(QString::fromStdString(country))) << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral("no callsign-prefix list: <i>list</i>")));
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_Space);
    ASSERT_NE(shown.list(), nullptr);
    const QAction* item = shown.list()->actions().front();
    EXPECT_TRUE(QKeySequence::mnemonic(item->text()).isEmpty());
    EXPECT_TRUE(QString(item->text())
                    .replace(QStringLiteral("&&"), QStringLiteral("&"))
                    .contains(QString::fromStdString(country)));
    shown.list()->close();
}

}  // namespace
}  // namespace qz5::testing
