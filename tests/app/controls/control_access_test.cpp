// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <climits>
#include <string>

#include "app/controls/control_ids.h"
#include "built_window.h"

namespace qz5::testing {
namespace {

using ControlTextTest = BuiltWindow;

TEST_F(ControlTextTest, ReadsKeepAtMost78Characters) {
    const std::string longText(150, 'x');
    controls.setControlText(ids::kStatusText, longText);
    EXPECT_EQ(widget<QLineEdit>(ids::kStatusText)->text().size(), 150);
    EXPECT_EQ(controls.getControlText(ids::kStatusText), std::string(78, 'x'));

    controls.setControlText(ids::kStatusText, std::string(78, 'y'));
    EXPECT_EQ(controls.getControlText(ids::kStatusText), std::string(78, 'y'));

    controls.setControlText(ids::kFrequency, std::string(100, '1'));
    EXPECT_EQ(controls.getControlText(ids::kFrequency), std::string(78, '1'));
}

TEST_F(ControlTextTest, TextCrossesAsLatin1OneBytePerCharacter) {
    controls.setControlText(ids::kStatusText, "caf\xE9 \xFF\x80");
    EXPECT_EQ(widget<QLineEdit>(ids::kStatusText)->text(), QString::fromUtf8("café ÿ\u0080"));
    EXPECT_EQ(controls.getControlText(ids::kStatusText), "caf\xE9 \xFF\x80");

    // One '?' per character, also for one outside the basic plane.
    widget<QLineEdit>(ids::kStatusText)->setText(QString::fromUtf8("Ω-\U0001F600-\u00E9"));
    EXPECT_EQ(controls.getControlText(ids::kStatusText), "?-?-\xE9");
}

TEST_F(ControlTextTest, TextEndsAtAnEmbeddedNul) {
    controls.setControlText(ids::kCallsign, std::string("AB\0CD", 5));
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "AB");
}

TEST_F(ControlTextTest, IntegersFollowTheAtoiRule) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {" 42", 42},
        {"12ab", 12},
        {"", 0},
        {"abc", 0},
        {"-17", -17},
        {"+5", 5},
        {"\t\n 7", 7},
        {"- 5", 0},
        {"0012", 12},
        {"3.9", 3},
        {"x12", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) {
        controls.setControlText(ids::kTransmitRate, c.text);
        EXPECT_EQ(controls.getControlInt(ids::kTransmitRate), c.value) << '"' << c.text << '"';
    }
}

TEST_F(ControlTextTest, IntegersBeyond32BitsSaturate) {
    controls.setControlText(ids::kTransmitRate, "99999999999");
    EXPECT_EQ(controls.getControlInt(ids::kTransmitRate), INT32_MAX);
    controls.setControlText(ids::kTransmitRate, "-99999999999999999999999");
    EXPECT_EQ(controls.getControlInt(ids::kTransmitRate), INT32_MIN);
}

TEST_F(ControlTextTest, IntegersAreWrittenInDecimal) {
    for (const std::int32_t value : {0, 7200, -1, INT32_MIN, INT32_MAX}) {
        controls.setControlInt(ids::kDelay1, value);
        EXPECT_EQ(controls.getControlText(ids::kDelay1), std::to_string(value));
        EXPECT_EQ(controls.getControlInt(ids::kDelay1), value);
    }
}

TEST_F(ControlTextTest, ButtonAndLabelCaptionsCanBeRewritten) {
    controls.setControlText(ids::kSendLowTone, "Send 1600 Hz");
    EXPECT_EQ(controls.getControlText(ids::kSendLowTone), "Send 1600 Hz");
}

TEST_F(ControlTextTest, MissingControlsReadEmptyAndIgnoreWrites) {
    constexpr int kNoSuchId = 4242;
    EXPECT_FALSE(controls.hasControl(kNoSuchId));
    EXPECT_TRUE(controls.hasControl(ids::kExit));
    controls.setControlText(kNoSuchId, "text");
    controls.setControlCheck(kNoSuchId, 1);
    controls.enableControl(kNoSuchId, false);
    EXPECT_EQ(controls.getControlText(kNoSuchId), "");
    EXPECT_EQ(controls.getControlInt(kNoSuchId), 0);
    EXPECT_FALSE(controls.getControlCheck(kNoSuchId));
    EXPECT_EQ(controls.comboSelection(kNoSuchId), -1);
    EXPECT_EQ(controls.currentTab(kNoSuchId), -1);
    // A list operation on an edit is no list operation.
    EXPECT_EQ(controls.addComboString(ids::kCallsign, "COM1"), -1);
    EXPECT_EQ(controls.comboCount(ids::kCallsign), 0);
}

using CheckStateTest = BuiltWindow;

TEST_F(CheckStateTest, OnlyTheLowByteOfASetCounts) {
    const struct {
        std::int32_t value;
        bool checked;
    } cases[] = {{1, true}, {0, false},   {0x101, true}, {0x100, false},
                 {2, true}, {0xFF, true}, {-1, true},    {-256, false}};
    for (const auto& c : cases) {
        controls.setControlCheck(ids::kSendNmea, c.value);
        EXPECT_EQ(controls.getControlCheck(ids::kSendNmea), c.checked) << c.value;
        EXPECT_EQ(widget<QCheckBox>(ids::kSendNmea)->checkState(),
                  c.checked ? Qt::Checked : Qt::Unchecked)
            << c.value;
    }
}

TEST_F(CheckStateTest, OnlyACheckedBoxReadsTrue) {
    auto* box = widget<QCheckBox>(ids::kSmartBeaconing);
    box->setTristate(true);
    controls.setControlCheck(ids::kSmartBeaconing, 2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(controls.getControlCheck(ids::kSmartBeaconing));
    controls.setControlCheck(ids::kSmartBeaconing, 7);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    controls.setControlCheck(ids::kSmartBeaconing, 1);
    EXPECT_TRUE(controls.getControlCheck(ids::kSmartBeaconing));
    // A push button has no check state.
    EXPECT_FALSE(controls.getControlCheck(ids::kExit));
}

TEST_F(CheckStateTest, CodeRaisesNoClickButAUserClickDoes) {
    auto* box = widget<QCheckBox>(ids::kSmartBeaconing);
    QSignalSpy clicks(box, &QCheckBox::clicked);
    controls.setControlCheck(ids::kSmartBeaconing, 1);
    controls.setControlCheck(ids::kSmartBeaconing, 0);
    controls.setControlText(ids::kSmartBeaconing, "SmartBeaconing");
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    // The box has toggled by the time its handler runs.
    EXPECT_TRUE(clicks.front().front().toBool());
    EXPECT_TRUE(controls.getControlCheck(ids::kSmartBeaconing));
}

TEST_F(CheckStateTest, DisabledAndHiddenControlsKeepTheirValuesAndStayWritable) {
    controls.setControlCheck(ids::kSerialOutHigh, 1);
    controls.setControlInt(ids::kCalibration, 123);
    controls.setControlText(ids::kCallsign, "N0CALL");
    for (const int id : {ids::kSerialOutHigh, ids::kCalibration, ids::kCallsign}) {
        controls.enableControl(id, false);
        EXPECT_FALSE(controls.control(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(controls.getControlCheck(ids::kSerialOutHigh));
    EXPECT_EQ(controls.getControlInt(ids::kCalibration), 123);
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "N0CALL");

    controls.setControlCheck(ids::kSerialOutHigh, 0);
    controls.setControlInt(ids::kCalibration, 77);
    controls.setControlText(ids::kCallsign, "AB1CD");
    EXPECT_FALSE(controls.getControlCheck(ids::kSerialOutHigh));
    EXPECT_EQ(controls.getControlInt(ids::kCalibration), 77);
    EXPECT_EQ(controls.getControlText(ids::kCallsign), "AB1CD");

    controls.enableControl(ids::kCallsign, true);
    EXPECT_TRUE(controls.control(ids::kCallsign)->isEnabled());
}

using ComboBoxTest = BuiltWindow;

TEST_F(ComboBoxTest, WritingTheEditTextKeepsTheSelection) {
    controls.setComboSelection(ids::kFrequency, 1);
    controls.setControlText(ids::kFrequency, "145.500");
    EXPECT_EQ(controls.comboSelection(ids::kFrequency), 1);
    EXPECT_EQ(controls.getControlText(ids::kFrequency), "145.500");
    EXPECT_EQ(controls.comboCount(ids::kFrequency), 4);
}

TEST_F(ComboBoxTest, SelectingReplacesTheEditTextEvenForTheSameItem) {
    controls.setComboSelection(ids::kFrequency, 3);
    EXPECT_EQ(controls.getControlText(ids::kFrequency), "144.340 MHz - Testing");
    controls.setControlText(ids::kFrequency, "144.340");
    controls.setComboSelection(ids::kFrequency, 3);
    EXPECT_EQ(controls.getControlText(ids::kFrequency), "144.340 MHz - Testing");
}

TEST_F(ComboBoxTest, SelectingOutsideTheListClearsSelectionAndEditText) {
    for (const int outside : {-1, 4, 100}) {
        controls.setComboSelection(ids::kSymbol, 0);
        controls.setControlText(ids::kSymbol, "/");
        controls.setComboSelection(ids::kSymbol, outside);
        EXPECT_EQ(controls.comboSelection(ids::kSymbol), -1) << outside;
        EXPECT_EQ(controls.getControlText(ids::kSymbol), "") << outside;
    }
    controls.setComboSelection(ids::kMicEPath, 15);
    EXPECT_EQ(controls.getControlText(ids::kMicEPath), "West + WIDE");
    controls.setComboSelection(ids::kMicEPath, 16);
    EXPECT_EQ(controls.comboSelection(ids::kMicEPath), -1);
    EXPECT_EQ(controls.getControlText(ids::kMicEPath), "");
}

TEST_F(ComboBoxTest, ListsStartWithNothingSelected) {
    for (const int id :
         {ids::kSymbol, ids::kFrequency, ids::kMicEStatus, ids::kMicEPath, ids::kComPort}) {
        EXPECT_EQ(controls.comboSelection(id), -1) << id;
    }
    EXPECT_EQ(controls.getControlText(ids::kSymbol), "");
}

TEST_F(ComboBoxTest, AddingItemsKeepsSelectionAndEditText) {
    controls.setControlText(ids::kSymbol, "/");
    controls.resetComboContent(ids::kSymbol);
    EXPECT_EQ(controls.getControlText(ids::kSymbol), "");
    controls.setControlText(ids::kSymbol, "/");
    EXPECT_EQ(controls.addComboString(ids::kSymbol, "[ (Pedestrian)"), 0);
    EXPECT_EQ(controls.comboSelection(ids::kSymbol), -1);
    EXPECT_EQ(controls.getControlText(ids::kSymbol), "/");

    controls.setComboSelection(ids::kSymbol, 0);
    EXPECT_EQ(controls.addComboString(ids::kSymbol, "> (Car)"), 1);
    EXPECT_EQ(controls.comboSelection(ids::kSymbol), 0);
    EXPECT_EQ(controls.comboItemText(ids::kSymbol, 1), "> (Car)");
    EXPECT_EQ(controls.comboItemText(ids::kSymbol, 2), "");
    EXPECT_EQ(controls.comboItemText(ids::kSymbol, -1), "");
}

TEST_F(ComboBoxTest, SortedListInsertsInCaseInsensitiveTextOrder) {
    controls.resetComboContent(ids::kComPort);
    EXPECT_EQ(controls.comboCount(ids::kComPort), 0);
    for (int n = 1; n <= 20; ++n) {
        controls.addComboString(ids::kComPort, "COM" + std::to_string(n));
    }
    const char* const expected[] = {"COM1",  "COM10", "COM11", "COM12", "COM13", "COM14", "COM15",
                                    "COM16", "COM17", "COM18", "COM19", "COM2",  "COM20", "COM3",
                                    "COM4",  "COM5",  "COM6",  "COM7",  "COM8",  "COM9"};
    ASSERT_EQ(controls.comboCount(ids::kComPort), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(controls.comboItemText(ids::kComPort, i), expected[i]) << i;
    }
    EXPECT_EQ(controls.addComboString(ids::kComPort, "com15a"), 7);
    EXPECT_EQ(controls.addComboString(ids::kComPort, "COM2"), 13);  // after its equal
    EXPECT_EQ(controls.comboSelection(ids::kComPort), -1);
}

TEST_F(ComboBoxTest, SelectionInAPortListFollowsItsItem) {
    controls.resetComboContent(ids::kComPort);
    controls.addComboString(ids::kComPort, "COM2");
    controls.setComboSelection(ids::kComPort, 0);
    EXPECT_EQ(controls.addComboString(ids::kComPort, "COM12"), 0);
    EXPECT_EQ(controls.comboSelection(ids::kComPort), 1);
    EXPECT_EQ(controls.getControlText(ids::kComPort), "COM2");
    // A device may call itself anything; its tip shows the text as it is.
    const char* tip = "/dev/ttyUSB1\n<b>Acme</b> &amp; <img src=x>";
    controls.setComboItemToolTip(ids::kComPort, 1, QString::fromUtf8(tip));
    QTextDocument shown;
    shown.setHtml(widget<QComboBox>(ids::kComPort)->itemData(1, Qt::ToolTipRole).toString());
    EXPECT_EQ(shown.toPlainText().toStdString(), tip);
}

TEST_F(ComboBoxTest, APlainListIgnoresTextWrites) {
    controls.setComboSelection(ids::kMicEStatus, 2);
    controls.setControlText(ids::kMicEStatus, "Emergency!");
    EXPECT_EQ(controls.comboSelection(ids::kMicEStatus), 2);
    EXPECT_EQ(controls.getControlText(ids::kMicEStatus), "In Service");
}

TEST_F(ComboBoxTest, CodeRaisesNoSelectionSignals) {
    auto* combo = widget<QComboBox>(ids::kMicEPath);
    QSignalSpy changes(combo, &QComboBox::currentIndexChanged);
    QSignalSpy activations(combo, &QComboBox::activated);
    controls.setComboSelection(ids::kMicEPath, 3);
    controls.resetComboContent(ids::kMicEPath);
    controls.addComboString(ids::kMicEPath, "Conventional");
    controls.setComboSelection(ids::kMicEPath, 0);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(activations.count(), 0);
}

TEST_F(ComboBoxTest, TypedTextStaysAValueAndIsNoNewItem) {
    auto* combo = widget<QComboBox>(ids::kFrequency);
    controls.setComboSelection(ids::kFrequency, 0);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "145.5");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(controls.getControlText(ids::kFrequency), "145.5");
    EXPECT_EQ(controls.comboCount(ids::kFrequency), 4);
}

using TabControlTest = BuiltWindow;

TEST_F(TabControlTest, InsertedTabsSelectTheFirstWithoutASignal) {
    auto* tabs = widget<QTabBar>(ids::kProfileTabs);
    QSignalSpy changes(tabs, &QTabBar::currentChanged);
    EXPECT_EQ(controls.currentTab(ids::kProfileTabs), -1);
    controls.insertTab(ids::kProfileTabs, 0, "Primary");
    controls.insertTab(ids::kProfileTabs, 1, "Secondary");
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(controls.currentTab(ids::kProfileTabs), 0);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Secondary");

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(controls.currentTab(ids::kProfileTabs), 1);
}

}  // namespace
}  // namespace qz5::testing
