#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/controls/control_ids.h"
#include "built_window.h"

namespace qz5::testing {
namespace {

using FilteredEditTest = BuiltWindow;

// Types characters that have no key of their own on a test keyboard.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST_F(FilteredEditTest, UpperCaseEditCapitalisesTypedLetters) {
    auto* edit = widget<QLineEdit>(ids::kCallsign);
    QTest::keyClicks(edit, "n0call-9");
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "N0CALL-9");

    // Latin-1 letters too, unless the capital lies outside Latin-1.
    edit->clear();
    typeText(edit, QString::fromUtf8("éÿß"));
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "\xC9\xFF\xDF");
}

TEST_F(FilteredEditTest, DigitsOnlyEditRefusesEverythingElse) {
    auto* edit = widget<QLineEdit>(ids::kTransmitRate);
    QTest::keyClicks(edit, "6a0-0 .5");
    EXPECT_EQ(controls.getControlText(ids::kTransmitRate), "6005");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(controls.getControlText(ids::kTransmitRate), "600");
}

TEST_F(FilteredEditTest, TextFromCodeIsNotFiltered) {
    controls.setControlText(ids::kTransmitRate, "12ab");
    controls.setControlText(ids::kCallsign, "lower");
    EXPECT_EQ(controls.getControlText(ids::kTransmitRate), "12ab");
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "lower");
}

TEST_F(FilteredEditTest, PastedTextIsFilteredLikeTypedText) {
    QApplication::clipboard()->setText(QStringLiteral("wide1-1"));
    QTest::keySequence(widget<QLineEdit>(ids::kCallsign), QKeySequence::Paste);
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "WIDE1-1");

    QTest::keySequence(widget<QLineEdit>(ids::kTransmitRate), QKeySequence::Paste);
    EXPECT_EQ(controls.getControlText(ids::kTransmitRate), "");
    QApplication::clipboard()->setText(QStringLiteral("1800"));
    QTest::keySequence(widget<QLineEdit>(ids::kTransmitRate), QKeySequence::Paste);
    EXPECT_EQ(controls.getControlText(ids::kTransmitRate), "1800");
}

TEST_F(FilteredEditTest, ContextMenuPasteIsFilteredToo) {
    QApplication::clipboard()->setText(QStringLiteral("n0call"));
    auto* edit = widget<QLineEdit>(ids::kCallsign);
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste"))) {
                action->trigger();
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "N0CALL");
}

TEST_F(FilteredEditTest, PlainEditTakesAnyText) {
    QTest::keyClicks(widget<QLineEdit>(ids::kStatusText), "Hello, 42!");
    EXPECT_EQ(controls.getControlText(ids::kStatusText), "Hello, 42!");
}

}  // namespace
}  // namespace qz5::testing
