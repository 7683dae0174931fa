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

#include "app/form/finding_text.h"
#include "app/form/findings_strip.h"
#include "config/config_file.h"
#include "config/record_fields.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

class FormCheckTest : public WindowTest {
  public:
    const FindingsStrip& strip() { return window->form().findings(); }

    bool raised(Rule rule) {
        const auto& found = window->form().findingList();
        return std::any_of(found.begin(), found.end(),
                           [rule](const Finding& finding) { return finding.rule == rule; });
    }

    // Until the check after the typing pause has run.
    bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

    void loadDefaults() {
        TrackerConfig defaults;
        const std::string path = dir.filePath("defaults.zb3").toStdString();
        ASSERT_TRUE(writeConfigFile(path, defaults));
        window->form().loadConfigFile(path);
    }

    QTemporaryDir dir;
};

// What a tool tip shows, without its markup.
QString plainText(const QString& toolTip) {
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

struct StripCase {
    const char* name;
    std::function<void(FormCheckTest&)> act;
    std::optional<Rule> raised;  // none: the strip never appears
    std::optional<Rule> gone;    // raised on the way, then fixed
    int marked;                  // the control All settings marks
};

TEST_F(FormCheckTest, TheStripAndTheMarksFollowTheForm) {
    const std::vector<StripCase> cases = {
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
    for (const StripCase& c : cases) {
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
        EXPECT_EQ(strip().accessibleName(), strip().summary());
        EXPECT_EQ(strip().accessibleDescription().count(QLatin1Char('\n')) + 1,
                  static_cast<qsizetype>(window->form().findingList().size()));
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
    EXPECT_EQ(shown.shownText(), "Callsign: enter your own (3 findings)");
    EXPECT_TRUE(
        plainText(shown.toolTip()).startsWith("Error, Primary profile, Callsign: Enter your own"));
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_Space);
    ASSERT_NE(shown.list(), nullptr);
    EXPECT_EQ(shown.list()->actions().size(),
              static_cast<qsizetype>(window->form().findingList().size()));
    EXPECT_TRUE(presenter.texts().empty());
    // The last, the Secondary profile's testing frequency, leads to its field.
    shown.list()->actions().back()->trigger();
    EXPECT_EQ(config().activeProfile, 1);
    EXPECT_EQ(window->focusWidget(), controls().control(ids::kFrequency));
    shown.list()->close();
}

// The strip takes its turn where it is drawn: in Basic above the Configure
// group, before the COM port list; in All settings (first shown after the
// strip appeared) below everything, last.
TEST_F(FormCheckTest, TabReachesTheStripWhereItIsDrawn) {
    window->show();
    loadDefaults();
    for (const WindowView view : {WindowView::AllSettings, WindowView::Basic}) {
        window->setView(view);
        ASSERT_TRUE(window->isVisible()) << "a view built late hid the window";
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        controls().control(ids::kSmartBeaconing)->setFocus();
        std::vector<QWidget*> reached;
        while (reached.size() < 100 && QApplication::focusWidget() != &strip()) {
            reached.push_back(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(QApplication::focusWidget(), &strip());
        const bool comPortBefore =
            std::count(reached.begin(), reached.end(), controls().control(ids::kComPort)) > 0;
        EXPECT_EQ(comPortBefore, view == WindowView::AllSettings);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (view == WindowView::Basic) {
            EXPECT_EQ(QApplication::focusWidget(), controls().control(ids::kComPort));
        }
    }
}

// The worst case for each rule: any field's label before its headline, the
// most severe icon beside it, in each view.
TEST_F(FormCheckTest, EveryHeadlineFitsTheStripWholeInBothViews) {
    std::vector<const char*> fields;
    const auto collect = [&](const FieldInfo& info, auto) { fields.push_back(info.name); };
    forEachSharedField(collect);
    forEachProfileField(collect);
    window->show();
    loadDefaults();
    for (const WindowView view : {WindowView::Basic, WindowView::AllSettings}) {
        window->setView(view);
        const FindingsStrip& shown = strip();
        ASSERT_TRUE(shown.isVisible());
        ASSERT_GT(shown.textRoom(), 0);
        for (const std::string_view name : ruleNames()) {
            for (const char* field : fields) {
                const Finding finding{Severity::Error, *findRule(name), field, 1, ""};
                const QString headline = findingHeadline(finding);
                EXPECT_LE(shown.fontMetrics().horizontalAdvance(headline), shown.textRoom())
                    << headline.toStdString();
            }
        }
        // A count that does not fit gives way to the headline.
        auto& strip = const_cast<FindingsStrip&>(shown);
        strip.setFindings({{Severity::Error, Rule::ValueKeptInPart, "alternateDigiPaths", 1, ""},
                           {Severity::Note, Rule::FrequencyTesting, "frequencyMHz", 1, ""}});
        const QString headline = strip.summary().section(QStringLiteral(" ("), 0, 0);
        const bool countFits =
            strip.fontMetrics().horizontalAdvance(strip.summary()) <= strip.textRoom();
        EXPECT_EQ(strip.shownText(), countFits ? strip.summary() : headline);
        strip.setFindings({});
        EXPECT_LE(strip.fontMetrics().horizontalAdvance(strip.shownText()), strip.textRoom());
    }
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
