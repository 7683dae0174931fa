// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <map>

#include "app/controls/control_ids.h"
#include "app/controls/dialog_units.h"
#include "app/controls/tool_commands.h"
#include "built_window.h"

namespace qz5::testing {
namespace {

class LayoutTest : public BuiltWindow {
  protected:
    // The widget that stands for a template control: by id, or for a static
    // or group box by its caption.
    QWidget* widgetFor(const ControlTemplate& item) {
        if (item.id != kNoControlId) {
            return controls.control(item.id);
        }
        for (auto* label : dialog.findChildren<QLabel*>()) {
            // Less the marker of its Alt letter, which is never drawn.
            if (label->text().remove(QLatin1Char('&')) == QString::fromLatin1(item.caption)) {
                return label;
            }
        }
        for (auto* child : dialog.findChildren<QWidget*>()) {
            if (child->property("title").toString() == QString::fromLatin1(item.caption)) {
                return child;
            }
        }
        return nullptr;
    }

    QFrame* tabPage() {
        for (auto* frame : dialog.findChildren<QFrame*>()) {
            if (frame->metaObject() == &QFrame::staticMetaObject) {
                return frame;
            }
        }
        return nullptr;
    }

    const DialogUnits units{dialog.font()};
};

TEST_F(LayoutTest, DialogHasTheTemplateSizeAndCaption) {
    EXPECT_EQ(dialog.windowTitle(), "Orvane QZ5 Config Basic");
    EXPECT_EQ(dialog.size(), QSize(units.toPixelsX(206), units.toPixelsY(169)));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // A dialog font that lays the classic template out at a readable size.
    EXPECT_GE(units.baseX(), 6);
    EXPECT_GE(units.baseY(), 13);
}

TEST_F(LayoutTest, ShownControlsSitAtTheirDialogUnitRectangles) {
    int shown = 0;
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        QWidget* w = widgetFor(item);
        ASSERT_NE(w, nullptr) << item.id << ' ' << item.caption;
        if (!item.shown) {
            continue;
        }
        ++shown;
        SCOPED_TRACE(std::to_string(item.id) + " " + item.caption);
        EXPECT_TRUE(w->isVisible());
        const QRect expected = units.toPixels(item.rect);
        if (item.kind == ControlKind::ComboBox) {
            // The closed box: its list's height is in the template height.
            EXPECT_EQ(w->x(), expected.x());
            EXPECT_EQ(w->y(), expected.y());
            EXPECT_EQ(w->width(), expected.width());
            EXPECT_LT(w->height(), expected.height());
            EXPECT_GE(w->height(), w->fontMetrics().height());
        } else if (item.kind == ControlKind::TabControl) {
            EXPECT_EQ(w->pos(), expected.topLeft());
            EXPECT_EQ(w->width(), expected.width());
            QFrame* page = tabPage();
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->x(), expected.x());
            EXPECT_EQ(page->geometry().bottom(), expected.bottom());
            EXPECT_EQ(page->width(), expected.width());
            EXPECT_LE(page->y(), w->geometry().bottom() + 1);
        } else {
            EXPECT_EQ(w->geometry(), expected);
        }
    }
    EXPECT_EQ(shown, 20);
}

TEST_F(LayoutTest, HiddenControlsStayHidden) {
    int hidden = 0;
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (!item.shown) {
            ++hidden;
            QWidget* w = widgetFor(item);
            ASSERT_NE(w, nullptr) << item.id;
            EXPECT_FALSE(w->isVisible()) << item.id;
            EXPECT_TRUE(w->isHidden()) << item.id;
        }
    }
    EXPECT_EQ(hidden, 47 + static_cast<int>(kToolCommands.size() + kToolChoices.size()) + 2);
}

TEST_F(LayoutTest, CaptionsFitTheirControls) {
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (!item.shown || item.caption.empty() || item.kind == ControlKind::TabControl) {
            continue;
        }
        QWidget* w = widgetFor(item);
        ASSERT_NE(w, nullptr) << item.caption;
        const int textWidth = w->fontMetrics().horizontalAdvance(QString::fromLatin1(item.caption));
        EXPECT_LE(textWidth, w->width()) << item.caption;
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_LE(box->sizeHint().width(), box->width()) << item.caption;
        }
    }
    controls.insertTab(ids::kProfileTabs, 0, "Primary");
    controls.insertTab(ids::kProfileTabs, 1, "Secondary");
    auto* tabs = widget<QTabBar>(ids::kProfileTabs);
    EXPECT_LE(tabs->tabRect(1).right(), tabs->width());
    EXPECT_GE(tabs->height(), tabs->tabRect(0).height());
}

// Controls that come before the tab control or the group box lie on top of it,
// so a click on any of them reaches the control, not the frame beneath.
TEST_F(LayoutTest, EarlierControlsLieAboveTheTabPageAndGroupBox) {
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (!item.shown || item.kind == ControlKind::TabControl ||
            item.kind == ControlKind::GroupBox) {
            continue;
        }
        QWidget* w = widgetFor(item);
        QWidget* hit = dialog.childAt(w->geometry().center());
        ASSERT_NE(hit, nullptr) << item.caption;
        EXPECT_TRUE(hit == w || w->isAncestorOf(hit)) << item.id << ' ' << item.caption;
    }
}

TEST_F(LayoutTest, TabOrderFollowsTemplateOrder) {
    std::map<QWidget*, int> ids;
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (item.id != kNoControlId) {
            ids[controls.control(item.id)] = item.id;
        }
    }
    std::vector<int> chain;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (const auto found = ids.find(w); found != ids.end()) {
            chain.push_back(found->second);
        }
    }
    std::vector<int> expected;
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (item.id != kNoControlId) {
            expected.push_back(item.id);
        }
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(LayoutTest, NoButtonBecomesTheDefault) {
    for (const auto* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    }
}

TEST_F(LayoutTest, EveryControlStartsEnabled) {
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        EXPECT_TRUE(widgetFor(item)->isEnabled()) << item.id << ' ' << item.caption;
    }
}

}  // namespace
}  // namespace qz5::testing
