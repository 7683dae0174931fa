// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader reads it, through Qt's own accessibility
// interfaces, and the keyboard's way through each view.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <set>
#include <tuple>
#include <vector>

#include "app/controls/field_controls.h"
#include "app/controls/main_window_template.h"
#include "app/controls/tool_commands.h"
#include "language/shown_text.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

// What a user operates; labels, frames and panels only describe these.
bool isControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::PageTab:
        case QAccessible::PageTabList:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::ScrollBar:
        case QAccessible::ProgressBar:
        case QAccessible::List:
            return true;
        default:
            return false;
    }
}

void collectShowing(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    if (node == nullptr || node->state().invisible) {
        return;
    }
    found.push_back(node);
    for (int i = 0; i < node->childCount(); ++i) {
        collectShowing(node->child(i), found);
    }
}

// A label as read aloud: no mnemonic marker, no colon.
QString spoken(QString caption) {
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption;
}

// The text of the visible label tied to `control`, if one is.
QString labelOf(const QWidget* control) {
    for (const QLabel* label : control->window()->findChildren<QLabel*>()) {
        if (label->buddy() == control && label->isVisible()) {
            return spoken(label->text());
        }
    }
    return {};
}

// The name a control must have: its label's, its own caption's, or, for the
// two that have neither, what it is.
QString expectedName(QWidget* control, ControlAccess& controls) {
    if (auto* edit = qobject_cast<QLineEdit*>(control);
        edit != nullptr && qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr) {
        control = edit->parentWidget();  // a list's edit field bears the list's name
    }
    if (const QString label = labelOf(control); !label.isEmpty()) {
        return label;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return spoken(button->text());
    }
    if (control == controls.control(ids::kComPort)) {
        return translated("Window", "COM port");
    }
    if (control == controls.control(ids::kProfileTabs)) {
        return translated("Window", "Profile");
    }
    return {};
}

// The id of a control, or of the list whose edit field it is.
int idOf(QWidget* control, ControlAccess& controls) {
    for (int id = ids::kExit; id <= ids::kHighestId; ++id) {
        if (QWidget* widget = controls.control(id);
            widget != nullptr && (widget == control || widget->isAncestorOf(control))) {
            return id;
        }
    }
    return kNoControlId;
}

// The column a control stands in: the x of the group box it lies on.
int columnOf(const QWidget* control) {
    const QPoint centre = control->geometry().center();
    for (const QGroupBox* group : control->window()->findChildren<QGroupBox*>()) {
        if (group->isVisible() && group->geometry().contains(centre)) {
            return group->x();
        }
    }
    return -1;
}

class AccessibilityTest : public WindowTest, public ::testing::WithParamInterface<WindowView> {
  protected:
    void SetUp() override {
        window->setView(GetParam());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Every control the keyboard reaches with Tab, from the first, once round.
    std::vector<QWidget*> tabOrder() {
        std::vector<QWidget*> visited;
        QWidget* first = QApplication::focusWidget();
        for (QWidget* now = first; now != nullptr && visited.size() < 200;) {
            visited.push_back(now);
            QTest::keyClick(now, Qt::Key_Tab);
            now = QApplication::focusWidget();
            if (now == first) {
                break;
            }
        }
        return visited;
    }

    // The controls that should be reached: shown, enabled, taking Tab.
    std::vector<QWidget*> reachable() {
        std::vector<QWidget*> found;
        for (int id = ids::kExit; id <= ids::kHighestId; ++id) {
            QWidget* widget = controls().control(id);
            if (widget != nullptr && widget->isVisible() && widget->isEnabled() &&
                (widget->focusPolicy() & Qt::TabFocus)) {
                found.push_back(widget);
            }
        }
        return found;
    }
};

TEST_P(AccessibilityTest, EveryShownControlHasTheNameOfItsLabel) {
    std::vector<QAccessibleInterface*> nodes;
    collectShowing(QAccessible::queryAccessibleInterface(window.get()), nodes);
    int checkedControls = 0;
    for (QAccessibleInterface* node : nodes) {
        if (!isControl(node->role()) || node->role() == QAccessible::PageTab) {
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(node->object());
        ASSERT_NE(widget, nullptr);
        const QString name = node->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << widget->metaObject()->className();
        // A control the window adds with no label or caption need only be named.
        if (const QString expected = expectedName(widget, controls()); !expected.isEmpty()) {
            EXPECT_EQ(name.toStdString(), expected.toStdString())
                << widget->metaObject()->className();
        }
        const int id = idOf(widget, controls());
        if (*fieldHelpOf(id) != '\0') {
            // The Symbol field's help comes before the name of its symbol.
            const QString help = node->text(QAccessible::Description)
                                     .section(translated("Symbols", "\nSymbol on maps: "), 0, 0);
            EXPECT_TRUE(help.endsWith(translated("Window", fieldHelpOf(id)))) << name.toStdString();
        }
        ++checkedControls;
    }
    EXPECT_GE(checkedControls, 13);
    // The unit beside a field starts its description.
    const QString rate =
        QAccessible::queryAccessibleInterface(controls().control(ids::kTransmitRate))
            ->text(QAccessible::Description);
    EXPECT_TRUE(
        rate.startsWith(translated("Window", GetParam() == WindowView::Basic ? "seconds" : "s") +
                        QStringLiteral(". ")))
        << rate.toStdString();
    // A label that names a field is tied to it.
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text().endsWith(QLatin1Char(':'))) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

TEST_P(AccessibilityTest, TabVisitsEveryEnabledControlOnceInTheViewsOrder) {
    std::vector<QWidget*> visited = tabOrder();
    std::vector<QWidget*> expected = reachable();
    // The round begins where the view's order begins: the profile tabs lead
    // All settings.
    QWidget* first = GetParam() == WindowView::Basic ? controls().control(ids::kCallsign)
                                                     : controls().control(ids::kProfileTabs);
    std::rotate(visited.begin(), std::find(visited.begin(), visited.end(), first), visited.end());
    if (GetParam() == WindowView::Basic) {
        // The template's order.
        std::vector<QWidget*> inTemplateOrder;
        for (const ControlTemplate& item : mainWindowTemplate().controls) {
            QWidget* widget = item.id == kNoControlId ? nullptr : controls().control(item.id);
            if (std::find(expected.begin(), expected.end(), widget) != expected.end()) {
                inTemplateOrder.push_back(widget);
            }
        }
        EXPECT_EQ(visited, inTemplateOrder);
        return;
    }
    // Down each column, left to right; the profile tabs before, the Tools row
    // beneath every column and then About and Exit after.
    std::sort(expected.begin(), expected.end());
    std::vector<QWidget*> sortedVisits = visited;
    std::sort(sortedVisits.begin(), sortedVisits.end());
    EXPECT_EQ(sortedVisits, expected) << "each reachable control once";
    const auto key = [&](QWidget* widget) {
        const bool tabs = widget == controls().control(ids::kProfileTabs);
        const auto isTool = [&](const ToolCommand& c) {
            return controls().control(c.id) == widget;
        };
        const bool tool = std::any_of(kToolCommands.begin(), kToolCommands.end(), isTool) ||
                          std::any_of(kToolChoices.begin(), kToolChoices.end(), isTool);
        const int column = tabs ? -2 : tool ? INT_MAX - 1 : columnOf(widget);
        return std::tuple(column < 0 && !tabs ? INT_MAX : column, widget->y(), widget->x());
    };
    for (std::size_t i = 1; i < visited.size(); ++i) {
        EXPECT_LT(key(visited[i - 1]), key(visited[i]))
            << visited[i - 1]->metaObject()->className() << " before "
            << visited[i]->metaObject()->className();
    }
}

TEST_P(AccessibilityTest, EachAltKeyIsOneControlsAndShowsOnlyWhileAltIsHeld) {
    std::set<QString> keys;
    const auto unique = [&keys](const QKeySequence& key, const QString& whose) {
        EXPECT_TRUE(keys.insert(key.toString()).second) << whose.toStdString();
    };
    // Basic has letters enough for every label and button; All settings not.
    const bool every = GetParam() == WindowView::Basic;
    std::vector<const QLabel*> labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (every && label->isVisible() && label->buddy() != nullptr) {
            EXPECT_TRUE(label->text().contains('&')) << label->text().toStdString();
        }
        if (label->isVisible() && label->buddy() != nullptr && label->text().contains('&')) {
            unique(QKeySequence::mnemonic(label->text()), label->text());
            labels.push_back(label);
        }
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        // Buttons choose first, so every one has a letter in either view.
        if (button->isVisible()) {
            EXPECT_FALSE(button->shortcut().isEmpty()) << button->text().toStdString();
        }
        if (button->isVisible() && !button->shortcut().isEmpty()) {
            EXPECT_FALSE(button->text().contains('&')) << "the caption stays unchanged";
            unique(button->shortcut(), button->text());
        }
    }
    EXPECT_GE(keys.size(), GetParam() == WindowView::Basic ? 10U : 20U);
    for (const QLabel* label : labels) {
        if (!label->buddy()->isEnabled()) {
            continue;  // nothing to go to
        }
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), label->buddy()->focusProxy() != nullptr
                                                   ? label->buddy()->focusProxy()
                                                   : label->buddy())
            << label->text().toStdString();
    }
    ASSERT_FALSE(labels.empty());
    const QStyle* cue = labels.front()->style();
    EXPECT_EQ(cue->styleHint(QStyle::SH_UnderlineShortcut), 0);
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(cue->styleHint(QStyle::SH_UnderlineShortcut), 1);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
    EXPECT_EQ(cue->styleHint(QStyle::SH_UnderlineShortcut), 0);
    // Alt let go while another window had the keys.
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(window.get(), &away);
    EXPECT_EQ(cue->styleHint(QStyle::SH_UnderlineShortcut), 0);
}

INSTANTIATE_TEST_SUITE_P(BothViews, AccessibilityTest,
                         ::testing::Values(WindowView::Basic, WindowView::AllSettings),
                         [](const auto& instance) {
                             return instance.param == WindowView::Basic ? "Basic" : "AllSettings";
                         });

}  // namespace
}  // namespace qz5::testing
