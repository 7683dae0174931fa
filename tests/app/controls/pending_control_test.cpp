// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "app/controls/control_ids.h"
#include "built_window.h"

namespace qz5::testing {
namespace {

using PendingControlTest = BuiltWindow;

// A hidden control as the form sees it: everything a read gives.
std::string state(const ControlAccess& controls, int id) {
    std::string items;
    for (int index = 0; index < controls.comboCount(id); ++index) {
        items += controls.comboItemText(id, index) + ";";
    }
    // Just outside the list there is nothing, not the next item's memory.
    items += controls.comboItemText(id, -1) + controls.comboItemText(id, controls.comboCount(id));
    return "text=" + controls.getControlText(id) +
           " check=" + std::to_string(controls.getControlCheck(id)) +
           " selection=" + std::to_string(controls.comboSelection(id)) + " items=" + items;
}

TEST_F(PendingControlTest, AHiddenControlAnswersTheSameBeforeAndAfterItsWidgetIsMade) {
    const struct {
        const char* what;
        int id;
        std::function<void(ControlAccess&)> set;
        std::string expected;
    } cases[] = {
        {"edit, read keeps 78 characters", ids::kDigiPath,
         [](ControlAccess& c) { c.setControlText(ids::kDigiPath, std::string(90, 'w')); },
         "text=" + std::string(78, 'w') + " check=0 selection=-1 items="},
        {"number", ids::kDelay1, [](ControlAccess& c) { c.setControlInt(ids::kDelay1, -250); },
         "text=-250 check=0 selection=-1 items="},
        {"box checked by its low byte", ids::kSendNmea,
         [](ControlAccess& c) { c.setControlCheck(ids::kSendNmea, 0x102); },
         "text=Send NMEA check=1 selection=-1 items="},
        {"box cleared by its low byte", ids::kGps9600,
         [](ControlAccess& c) {
             c.setControlCheck(ids::kGps9600, 1);
             c.setControlCheck(ids::kGps9600, 0x100);
         },
         "text=9600 baud GPS check=0 selection=-1 items="},
        {"button caption rewritten", ids::kSendLowTone,
         [](ControlAccess& c) { c.setControlText(ids::kSendLowTone, "Send 1600 Hz"); },
         "text=Send 1600 Hz check=0 selection=-1 items="},
        {"button caption untouched", ids::kSave, [](ControlAccess&) {},
         "text=Save check=0 selection=-1 items="},
        {"list selection, no text of its own", ids::kMicEStatus,
         [](ControlAccess& c) {
             c.setComboSelection(ids::kMicEStatus, 2);
             c.setControlText(ids::kMicEStatus, "ignored");
         },
         "text=In Service check=0 selection=2 items=Off Duty;En Route;In Service;Returning;"
         "Committed;Special;Priority;Emergency!;"},
        {"list refilled, selection outside", ids::kMicEPath,
         [](ControlAccess& c) {
             c.resetComboContent(ids::kMicEPath);
             c.addComboString(ids::kMicEPath, "B");
             c.setComboSelection(ids::kMicEPath, 0);
             EXPECT_EQ(c.addComboString(ids::kMicEPath, "A"), 1);
             c.setComboSelection(ids::kMicEPath, 5);
         },
         "text= check=0 selection=-1 items=B;A;"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        ASSERT_TRUE(controls.hasControl(test.id));
        ASSERT_EQ(controls.madeControl(test.id), nullptr) << "made before it was needed";
        test.set(controls);
        EXPECT_EQ(state(controls, test.id), test.expected);
        ASSERT_NE(controls.control(test.id), nullptr);
        EXPECT_EQ(state(controls, test.id), test.expected) << "not handed to the widget";
        EXPECT_TRUE(controls.control(test.id)->isHidden());
    }
}

TEST_F(PendingControlTest, ASortedListPutsItemsWhereItsWidgetDoesAndKeepsTheSelection) {
    // The port list is a sorted list made at start; a pending one must agree.
    PendingControl pending;
    pending.kind = PendingControl::Kind::List;
    pending.sorted = true;
    controls.resetComboContent(ids::kComPort);
    const std::vector<std::pair<const char*, int>> steps = {
        {"COM2", -1}, {"com10", 0}, {"COM1", -1}, {"COM3", 2}, {"Com10", -1}};
    for (const auto& [item, select] : steps) {
        SCOPED_TRACE(item);
        EXPECT_EQ(pending.addItem(QString::fromLatin1(item)),
                  controls.addComboString(ids::kComPort, item));
        if (select >= 0) {
            pending.select(select);
            controls.setComboSelection(ids::kComPort, select);
        }
        EXPECT_EQ(pending.selection, controls.comboSelection(ids::kComPort));
        EXPECT_EQ(pending.text().toStdString(), controls.getControlText(ids::kComPort));
    }
    ASSERT_EQ(pending.items.size(), controls.comboCount(ids::kComPort));
    for (int index = 0; index < controls.comboCount(ids::kComPort); ++index) {
        EXPECT_EQ(pending.items.at(index).toStdString(),
                  controls.comboItemText(ids::kComPort, index));
    }
}

TEST_F(PendingControlTest, WorkWaitingForAControlRunsOnceWhenItIsMade) {
    int ranOnPending = 0;
    int ranOnMade = 0;
    int ranOnMissing = 0;
    controls.whenMade(ids::kApplyPreset, [&](QWidget&) { ++ranOnPending; });
    controls.whenMade(ids::kExit, [&](QWidget&) { ++ranOnMade; });
    controls.whenMade(9999, [&](QWidget&) { ++ranOnMissing; });
    EXPECT_EQ(ranOnPending, 0);
    EXPECT_EQ(ranOnMade, 1);

    // What the waiting work connects answers the first click.
    int clicks = 0;
    controls.whenMade(ids::kApplyPreset, [&](QWidget& made) {
        QObject::connect(qobject_cast<QPushButton*>(&made), &QPushButton::clicked,
                         [&] { ++clicks; });
    });
    qobject_cast<QPushButton*>(controls.control(ids::kApplyPreset))->click();
    static_cast<void>(controls.control(ids::kApplyPreset));
    EXPECT_EQ(ranOnPending, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ranOnMissing, 0);
}

TEST_F(PendingControlTest, DisablingWaitsForTheWidget) {
    controls.enableControl(ids::kSlotSeconds, false);
    ASSERT_EQ(controls.madeControl(ids::kSlotSeconds), nullptr);
    EXPECT_FALSE(controls.control(ids::kSlotSeconds)->isEnabled());
    EXPECT_TRUE(controls.control(ids::kAuxValue)->isEnabled());
}

}  // namespace
}  // namespace qz5::testing
