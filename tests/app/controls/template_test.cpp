// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/controls/about_box_template.h"
#include "app/controls/main_window_template.h"
#include "app/controls/tool_commands.h"
#include "config/timing/smart_beaconing_presets.h"

namespace qz5::testing {
namespace {

using K = ControlKind;

struct Row {
    int id;
    ControlKind kind;
    const char* caption;
    bool shown;
    DluRect rect;  // only for shown controls
};

// The window's controls in template order, as the window is drawn.
const std::vector<Row> kMainRows = {
    {-1, K::Static, "Callsign:", true, {15, 23, 32, 13}},
    {1008, K::Edit, "", true, {50, 23, 88, 13}},
    {-1, K::Static, "Text:", true, {29, 36, 18, 13}},
    {1010, K::Edit, "", true, {49, 36, 119, 13}},
    {-1, K::Static, "Symbol:", true, {17, 50, 30, 13}},
    {1057, K::ComboBox, "", true, {49, 53, 119, 68}},
    {-1, K::Static, "Frequency:", true, {7, 69, 40, 13}},
    {1056, K::ComboBox, "", true, {49, 68, 119, 58}},
    {1009, K::Edit, "", false, {}},
    {1014, K::Edit, "", false, {}},
    {1015, K::Edit, "", false, {}},
    {1055, K::Edit, "", false, {}},
    {1011, K::Edit, "", false, {}},
    {-1, K::Static, "Transmit Rate:", true, {7, 85, 50, 13}},
    {1017, K::Edit, "", true, {63, 85, 25, 13}},
    {-1, K::Static, "seconds", true, {88, 85, 40, 13}},
    {1012, K::Edit, "", false, {}},
    {1037, K::Edit, "", false, {}},
    {1035, K::Edit, "", false, {}},
    {1018, K::Edit, "", false, {}},
    {1016, K::Edit, "", false, {}},
    {1049, K::CheckBox, "Send Separate", false, {}},
    {1051, K::CheckBox, "Don't Send '>'", false, {}},
    {1036, K::CheckBox, "Send Altitude", false, {}},
    {1042, K::CheckBox, "Alternate Digi Paths", false, {}},
    {1030, K::CheckBox, "Only Send Valid", false, {}},
    {1041, K::CheckBox, "Allow TTL Serial", false, {}},
    {1044, K::CheckBox, "Invert CD IN", false, {}},
    {1040, K::CheckBox, "Timestamp DHM", false, {}},
    {1045, K::CheckBox, "No TX on PTT In", false, {}},
    {1047, K::CheckBox, "Send NMEA", false, {}},
    {1046, K::CheckBox, "Timestamp HMS", false, {}},
    {1053, K::CheckBox, "Serial Out High", false, {}},
    {1052, K::CheckBox, "Skip Start Packet", false, {}},
    {1048, K::CheckBox, "300 baud packet", false, {}},
    {1054, K::CheckBox, "9600 baud GPS", false, {}},
    {1031, K::CheckBox, "Enable", false, {}},
    {1027, K::ComboBox, "", false, {}},
    {1029, K::CheckBox, "Force Printable", false, {}},
    {1028, K::ComboBox, "", false, {}},
    {1032, K::CheckBox, "Enable", false, {}},
    {1020, K::Edit, "", false, {}},
    {1033, K::CheckBox, "SmartBeaconing", true, {25, 100, 68, 10}},
    {-1, K::Static, "http://www.orvane.example/qz5", false, {}},
    {1034, K::TabControl, "Tab1", true, {5, 5, 194, 115}},
    {1024, K::Edit, "", false, {}},
    {1025, K::Edit, "", false, {}},
    {1026, K::Edit, "", false, {}},
    {1019, K::Edit, "", false, {}},
    {1022, K::Edit, "", false, {}},
    {1021, K::Edit, "", false, {}},
    {1023, K::Edit, "", false, {}},
    {1038, K::CheckBox, "Enable", false, {}},
    {1039, K::Edit, "", false, {}},
    {1003, K::ComboBox, "", true, {13, 133, 65, 65}},
    {1002, K::PushButton, "Read Version", true, {13, 148, 65, 12}},
    {1000, K::PushButton, "Read Configuration", true, {87, 133, 65, 12}},
    {1001, K::PushButton, "Write Configuration", true, {87, 148, 65, 12}},
    {-1, K::GroupBox, "Configure", true, {7, 122, 150, 40}},
    {1005, K::PushButton, "Send 1200 Hz", false, {}},
    {1006, K::PushButton, "Send 2200 Hz", false, {}},
    {1007, K::PushButton, "Send Both", false, {}},
    {1004, K::PushButton, "Stop Sending", false, {}},
    {1013, K::PushButton, "Save", false, {}},
    {1043, K::PushButton, "Load", false, {}},
    {1, K::PushButton, "Exit", true, {159, 150, 40, 12}},
    {1050, K::PushButton, "About", true, {161, 134, 35, 12}},
};

TEST(MainWindowTemplate, HasEveryControlInTemplateOrder) {
    const DialogTemplate& tpl = mainWindowTemplate();
    EXPECT_EQ(tpl.resourceId, 102);
    EXPECT_EQ(tpl.caption, "Orvane QZ5 Config Basic");
    EXPECT_EQ(tpl.width, 206);
    EXPECT_EQ(tpl.height, 169);
    // The tool commands' buttons follow, then the choices' boxes, hidden: they
    // are on the menu; then the preset list and its button, which All settings shows.
    const std::size_t tools = 67u + kToolCommands.size();
    ASSERT_EQ(tpl.controls.size(), tools + kToolChoices.size() + 2);
    ASSERT_EQ(kMainRows.size(), 67u);
    for (std::size_t i = 67; i < tpl.controls.size(); ++i) {
        const K kind = i < tools                                          ? K::PushButton
                       : i < tools + kToolChoices.size()                  ? K::CheckBox
                       : tpl.controls[i].id == ids::kSmartBeaconingPreset ? K::ComboBox
                                                                          : K::PushButton;
        EXPECT_EQ(tpl.controls[i].kind, kind);
        EXPECT_FALSE(tpl.controls[i].shown);
    }
    EXPECT_EQ(tpl.controls.back().id, ids::kApplyPreset);
    for (std::size_t i = 0; i < kMainRows.size(); ++i) {
        const ControlTemplate& control = tpl.controls[i];
        const Row& row = kMainRows[i];
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(control.id, row.id);
        EXPECT_EQ(control.kind, row.kind);
        EXPECT_EQ(control.caption, row.caption);
        EXPECT_EQ(control.shown, row.shown);
        if (row.shown) {
            EXPECT_EQ(control.rect, row.rect);
        } else {
            // Stacked out of the way in one small spot.
            EXPECT_GE(control.rect.x, 103);
            EXPECT_LE(control.rect.x + control.rect.width, 127);
            EXPECT_GE(control.rect.y, 21);
            EXPECT_LE(control.rect.y, 22);
        }
    }
}

TEST(MainWindowTemplate, IdsAreUnique) {
    std::set<int> seen;
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        if (control.id != kNoControlId) {
            EXPECT_TRUE(seen.insert(control.id).second) << control.id;
        }
    }
    // All but the six labels, the address and the group box; the tools, the
    // choices, and the preset list and button.
    EXPECT_EQ(seen.size(), 59u + kToolCommands.size() + kToolChoices.size() + 2);
}

TEST(MainWindowTemplate, EditAndListStyles) {
    const std::set<int> upper = {1008, 1009, 1055};
    const std::set<int> digits = {1011, 1017, 1012, 1037, 1035, 1018, 1016, 1020,
                                  1024, 1025, 1026, 1019, 1022, 1021, 1023, 1039};
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        SCOPED_TRACE(control.id);
        EXPECT_EQ(control.upperCase, upper.contains(control.id));
        EXPECT_EQ(control.digitsOnly, digits.contains(control.id));
        EXPECT_EQ(control.editable, control.id == 1057 || control.id == 1056);
        EXPECT_EQ(control.sorted, control.id == 1003);
        // No button is the default one: Enter in a field is the Exit command.
        EXPECT_FALSE(control.defaultButton);
    }
    const ControlTemplate& callsignLabel = mainWindowTemplate().controls.front();
    EXPECT_EQ(callsignLabel.align, TextAlign::Right);
    EXPECT_TRUE(callsignLabel.verticallyCentred);
    EXPECT_EQ(mainWindowTemplate().controls[15].align, TextAlign::Left);  // "seconds"
}

TEST(MainWindowTemplate, InitialListItems) {
    const auto& items = mainWindowTemplate().initialItems;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items.at(ids::kSmartBeaconingPreset).size(), kSmartBeaconingPresets.size());
    EXPECT_EQ(items.at(1057), (std::vector<Text>{"[ (Pedestrian)", "> (Car)", "' (Airplane)"}));
    EXPECT_EQ(items.at(1056),
              (std::vector<Text>{"144.390 MHz - Americas", "144.800 MHz - Europe",
                                 "145.175 MHz - Australia", "144.340 MHz - Testing"}));
    EXPECT_EQ(items.at(1027),
              (std::vector<Text>{"Off Duty", "En Route", "In Service", "Returning", "Committed",
                                 "Special", "Priority", "Emergency!"}));
    EXPECT_EQ(items.at(1028),
              (std::vector<Text>{"Conventional", "WIDE-1", "WIDE-2", "WIDE-3", "WIDE-4", "WIDE-5",
                                 "WIDE-6", "WIDE-7", "North", "South", "East", "West",
                                 "North + WIDE", "South + WIDE", "East + WIDE", "West + WIDE"}));
    EXPECT_EQ(items.at(1003),
              (std::vector<Text>{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}));
}

TEST(AboutBoxTemplate, IconNameLineOkAndAddress) {
    const DialogTemplate& tpl = aboutBoxTemplate();
    EXPECT_EQ(tpl.resourceId, 100);
    EXPECT_EQ(tpl.caption, "About Orvane QZ5 Config Basic");
    EXPECT_EQ(tpl.width, 217);
    EXPECT_EQ(tpl.height, 55);
    ASSERT_EQ(tpl.controls.size(), 5u);
    EXPECT_EQ(tpl.controls[0].kind, ControlKind::Icon);
    EXPECT_EQ(tpl.controls[0].rect.x, 11);
    EXPECT_EQ(tpl.controls[0].rect.y, 17);
    EXPECT_EQ(tpl.controls[1].caption, "Orvane QZ5 Config Basic Version 1.4");
    EXPECT_EQ(tpl.controls[1].rect, (DluRect{29, 10, 144, 8}));
    EXPECT_EQ(tpl.controls[2].rect, (DluRect{55, 24, 111, 8}));
    EXPECT_FALSE(tpl.controls[2].caption.empty());
    EXPECT_EQ(tpl.controls[3].id, 1);
    EXPECT_EQ(tpl.controls[3].caption, "OK");
    EXPECT_TRUE(tpl.controls[3].defaultButton);
    EXPECT_EQ(tpl.controls[3].rect, (DluRect{178, 7, 32, 14}));
    EXPECT_EQ(tpl.controls[4].caption, kWebAddress);
    EXPECT_EQ(tpl.controls[4].align, TextAlign::Center);
    EXPECT_EQ(tpl.controls[4].rect, (DluRect{45, 40, 119, 8}));
    EXPECT_TRUE(tpl.initialItems.empty());
}

}  // namespace
}  // namespace qz5::testing
