// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <set>
#include <string_view>

#include "app/controls/all_settings_template.h"
#include "app/controls/control_ids.h"
#include "app/controls/main_window_template.h"
#include "app/controls/template_builder.h"
#include "app/controls/tool_commands.h"

namespace qz5::testing {
namespace {

// The main window's controls, shown in the All settings view.
class AllSettingsLayoutTest : public ::testing::Test {
  protected:
    AllSettingsLayoutTest() {
        basic.hide();
        all.show(dialog);
        dialog.show();
    }

    // What the user sees: every visible control, label and frame but the
    // group boxes and the tab page, which others lie upon.
    std::vector<QWidget*> visibleWidgets() {
        std::vector<QWidget*> widgets;
        for (auto* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool frame = child->inherits("QGroupBox") ||
                               child->metaObject()->className() == std::string_view("QFrame");
            if (child->isVisible() && !frame) {
                widgets.push_back(child);
            }
        }
        return widgets;
    }

    QDialog dialog;
    ControlAccess controls;
    DialogView basic = buildDialog(dialog, mainWindowTemplate(), controls);
    DialogView all = buildView(dialog, allSettingsTemplate(), controls);
};

TEST_F(AllSettingsLayoutTest, PlacesEveryControlOfTheMainWindowOnceAndCreatesNoOther) {
    std::multiset<int> basicIds;
    for (const ControlTemplate& item : mainWindowTemplate().controls) {
        if (item.id != kNoControlId) {
            basicIds.insert(item.id);
        }
    }
    std::multiset<int> allIds;
    for (const ControlTemplate& item : allSettingsTemplate().controls) {
        if (item.id != kNoControlId) {
            allIds.insert(item.id);
        }
    }
    EXPECT_EQ(allIds, basicIds);
}

TEST_F(AllSettingsLayoutTest, NothingOverlapsAndEveryCaptionFits) {
    const std::vector<QWidget*> widgets = visibleWidgets();
    ASSERT_GT(widgets.size(), 80u);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        EXPECT_TRUE(dialog.rect().contains(w->geometry())) << w->metaObject()->className();
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            caption = label->text().remove(QLatin1Char('&'));  // the marker is never drawn
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            caption = button->text();
            if (auto* box = qobject_cast<QCheckBox*>(w)) {
                EXPECT_LE(box->sizeHint().width(), box->width()) << caption.toStdString();
            }
        }
        EXPECT_LE(w->fontMetrics().horizontalAdvance(caption), w->width()) << caption.toStdString();
        for (std::size_t j = i + 1; j < widgets.size(); ++j) {
            EXPECT_FALSE(w->geometry().intersects(widgets[j]->geometry()))
                << caption.toStdString() << " overlaps " << widgets[j]->metaObject()->className()
                << ' ' << widgets[j]->toolTip().toStdString();
        }
    }
}

// Commands still to come get the next places in the Tools group; the
// longest caption planned among them must fit one.
TEST_F(AllSettingsLayoutTest, TheToolsGroupHasRoomForEveryPlannedTool) {
    auto* first = controls.control(kToolCommands.front().id);
    ASSERT_TRUE(first->isVisible());
    const QGroupBox* tools = nullptr;
    for (auto* group : dialog.findChildren<QGroupBox*>()) {
        if (group->title() == "Tools") {
            tools = group;
        }
    }
    ASSERT_NE(tools, nullptr);
    EXPECT_LE(first->x() + kToolRoom * first->width(), tools->geometry().right());
    EXPECT_LE(first->fontMetrics().horizontalAdvance("Compare with Tracker"), first->width());
}

TEST_F(AllSettingsLayoutTest, FitsACommonLaptopScreen) {
    // Room left for the window frame and a panel.
    EXPECT_LE(dialog.width(), 1366 - 16);
    EXPECT_LE(dialog.height(), 768 - 80);
    EXPECT_EQ(dialog.windowTitle(), "Orvane QZ5 Config - All settings");
}

}  // namespace
}  // namespace qz5::testing
