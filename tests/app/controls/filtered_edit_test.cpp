// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

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

// The ways text enters a field besides typing; each returns once it has.
void pasteByShortcut(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keySequence(edit, QKeySequence::Paste);
}

void pasteFromContextMenu(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLatin1String("&Paste"))) {
            action->trigger();
        }
    }
    menu->close();
}

void commitFromInputMethod(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void dropText(QLineEdit* edit, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPointF at(edit->width() - 2, edit->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
}

TEST_F(FilteredEditTest, EveryWayInIsFilteredLikeTyping) {
    using Enter = void (*)(QLineEdit*, const QString&);
    const std::vector<std::pair<const char*, Enter>> ways = {
        {"shortcut paste", pasteByShortcut},
        {"context menu paste", pasteFromContextMenu},
        {"input method", commitFromInputMethod},
        {"drop", dropText},
    };
    struct Case {
        int id;
        const char* before;
        const char* entered;
        const char* after;
    };
    const std::vector<Case> cases = {
        {ids::kCallsign, "", "wide1-1", "WIDE1-1"},
        {ids::kTransmitRate, "", "18a0", ""},  // refused whole, not picked apart
        {ids::kTransmitRate, "", "1800", "1800"},
        // A value loaded from code keeps its letters; only what enters is judged.
        {ids::kCallsign, "ab", "c", "abC"},
        {ids::kTransmitRate, "12ab", "5", "12ab5"},
    };
    for (const auto& [way, enter] : ways) {
        for (const Case& c : cases) {
            controls.setControlText(c.id, c.before);
            auto* edit = widget<QLineEdit>(c.id);
            edit->setFocus();
            edit->end(false);
            enter(edit, QString::fromLatin1(c.entered));
            EXPECT_EQ(controls.getControlText(c.id), c.after) << way << " of " << c.entered;
        }
    }
}

TEST_F(FilteredEditTest, PlainEditTakesAnyText) {
    QTest::keyClicks(widget<QLineEdit>(ids::kStatusText), "Hello, 42!");
    EXPECT_EQ(controls.getControlText(ids::kStatusText), "Hello, 42!");
}

}  // namespace
}  // namespace qz5::testing
