// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include "config/config_image.h"
#include "config/record_fields.h"
#include "support/record_fields.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

using FormExchangeTest = WindowTest;

// A record with no default left in profile 0 survives the trip through the
// form unchanged, and nothing lands in a neighbour's field: numbers get values
// of their own and flags are turned over, from the record's own table, so a
// field the form does not carry fails here.
TEST_F(FormExchangeTest, EveryFieldTravelsThroughTheForm) {
    TrackerConfig source;
    std::int32_t next = 20;
    forEachProfileField([&](const FieldInfo&, auto member) {
        auto& value = (source.*member)[0];
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::int32_t>) {
            value = next += 7;
        } else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
            value = !value;
        }
    });
    source.setCallsign("W1AW-7");
    source.setDigiPath("WIDE2-2");
    source.setStatusText("Mobile station");
    source.setFrequency(144.8f);
    source.calibration = 140;
    source.micEStatus[0] = 5;
    source.micEPath[0] = 12;
    source.symbolCode[0] = '>';
    source.symbolTable[0] = '\\';
    source.timestampHms[0] = source.timestamp[0];  // a pair the two boxes can show
    // Set by the encoder, never by the form.
    source.slotDivides60[0] = TrackerConfig().slotDivides60[0];
    source.slotDivides600[0] = TrackerConfig().slotDivides600[0];

    config() = source;
    window->form().loadForm();
    config() = TrackerConfig();
    config().calibration = source.calibration;
    window->form().storeForm();
    EXPECT_EQ(differingFields(config(), source), std::vector<std::string>{});
    EXPECT_FALSE(config().calibrationChanged);
}

TEST_F(FormExchangeTest, StoringTwiceGivesTheSameRecord) {
    type(ids::kStatusText, "Twice");
    window->form().storeForm();
    const TrackerConfig first = config();
    window->form().storeForm();
    EXPECT_EQ(imageOf(config()), imageOf(first));
    EXPECT_EQ(config().calibrationChanged, first.calibrationChanged);
}

TEST_F(FormExchangeTest, RatesBelowThreeStoreAsThree) {
    const std::vector<std::pair<QString, int>> cases = {{"", 3},  {"0", 3}, {"1", 3},
                                                        {"2", 3}, {"3", 3}, {"7200", 7200}};
    for (const auto& [text, stored] : cases) {
        type(ids::kTransmitRate, text);
        controls().setControlText(ids::kAltRate, text.toStdString());
        window->form().storeForm();
        EXPECT_EQ(config().transmitRate[0], stored) << text.toStdString();
        EXPECT_EQ(config().altRateSeconds[0], stored) << text.toStdString();
    }
}

TEST_F(FormExchangeTest, NumbersFollowTheLeadingDigits) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0}, {"abc", 0}, {"12ab", 12}, {" 42", 42}, {"-7", -7}};
    for (const auto& [text, stored] : cases) {
        controls().setControlText(ids::kDelay1, text);
        controls().setControlText(ids::kSbTurnSlope, text);
        window->form().storeForm();
        EXPECT_EQ(config().delay1Ms[0], stored) << text;
        EXPECT_EQ(config().sbTurnSlope[0], stored) << text;
    }
}

TEST_F(FormExchangeTest, LongTextsAreCutToWhatTheFieldsTake) {
    type(ids::kStatusText, QString(150, 'a'));
    type(ids::kCallsign, "w1aw-abcdefghijklmnopqrstuvwxyz");
    window->form().storeForm();
    EXPECT_EQ(std::string(config().statusText[0].data()), std::string(78, 'a'));
    // The callsign field forces capitals as the user types.
    EXPECT_STREQ(config().callsign[0].data(), "W1AW-ABCDEFGHIJKLMN");
}

TEST_F(FormExchangeTest, TextsCrossAsOneBytePerCharacter) {
    config().setStatusText("\xE9t\xE9 \xB0");
    window->form().loadForm();
    EXPECT_EQ(qobject_cast<QLineEdit*>(controls().control(ids::kStatusText))->text(),
              QString::fromUtf8("\u00E9t\u00E9 \u00B0"));
    type(ids::kStatusText, QString::fromUtf8("caf\u00E9"));
    window->form().storeForm();
    EXPECT_STREQ(config().statusText[0].data(), "caf\xE9");
}

TEST_F(FormExchangeTest, FrequencyIsReadByItsLeadingNumber) {
    auto* list = qobject_cast<QComboBox*>(controls().control(ids::kFrequency));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);  // the user picks "144.800 MHz - Europe"
    ASSERT_EQ(list->currentText(), "144.800 MHz - Europe");
    window->form().storeForm();
    EXPECT_FLOAT_EQ(config().frequencyMHz[0], 144.8f);

    type(ids::kFrequency, "145.5");
    window->form().storeForm();
    EXPECT_FLOAT_EQ(config().frequencyMHz[0], 145.5f);
    window->form().loadForm();
    EXPECT_EQ(controls().getControlText(ids::kFrequency), "145.500");

    for (const QString& text : {QString("not a number"), QString("1e999"), QString("150")}) {
        type(ids::kFrequency, text);
        window->form().storeForm();
        EXPECT_FLOAT_EQ(config().frequencyMHz[0], 144.39f) << text.toStdString();
    }
}

// The toolkit runs the program in the user's locale; a decimal comma there
// must not change how frequencies are read or shown.
TEST_F(FormExchangeTest, FrequenciesIgnoreTheUsersDecimalComma) {
    QTemporaryDir locales;
    const std::string command = "localedef -c -i de_DE -f UTF-8 " + locales.path().toStdString() +
                                "/de_DE.UTF-8 >/dev/null 2>&1";
    [[maybe_unused]] const int built = std::system(command.c_str());
    setenv("LOCPATH", locales.path().toLocal8Bit().constData(), 1);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    if (!german) {
        unsetenv("LOCPATH");
        GTEST_SKIP() << "no comma locale can be built here";
    }
    char sample[8];
    std::snprintf(sample, sizeof sample, "%.1f", 1.5);
    EXPECT_STREQ(sample, "1,5");

    config().frequencyMHz[0] = 144.8f;
    window->form().loadForm();
    const std::string shown = text(ids::kFrequency);
    type(ids::kFrequency, "145.5");
    window->form().storeForm();
    const float stored = config().frequencyMHz[0];
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");

    EXPECT_EQ(shown, "144.800 MHz - Europe");
    EXPECT_FLOAT_EQ(stored, 145.5f);
}

TEST_F(FormExchangeTest, ListFrequenciesSelectTheirItem) {
    const std::vector<std::pair<float, int>> cases = {
        {144.34f, 3}, {145.175f, 2}, {144.8f, 1}, {144.39f, 0}};
    for (const auto& [mhz, item] : cases) {
        config().frequencyMHz[0] = mhz;
        window->form().loadForm();
        EXPECT_EQ(controls().comboSelection(ids::kFrequency), item) << mhz;
        EXPECT_EQ(controls().getControlText(ids::kFrequency),
                  controls().comboItemText(ids::kFrequency, item));
    }
}

TEST_F(FormExchangeTest, SymbolIsShownByPrefixAndStoredByFirstCharacter) {
    config().symbolCode[0] = '\'';
    window->form().loadForm();
    EXPECT_EQ(controls().getControlText(ids::kSymbol), "' (Airplane)");

    // An unknown code shows alone; the list keeps its earlier selection.
    config().symbolCode[0] = '-';
    window->form().loadForm();
    EXPECT_EQ(controls().getControlText(ids::kSymbol), "-");
    EXPECT_EQ(controls().comboSelection(ids::kSymbol), 2);
    window->form().storeForm();
    EXPECT_EQ(config().symbolCode[0], '-');

    // No code matches every item, so the last one ends selected.
    config().symbolCode[0] = '\0';
    controls().setComboSelection(ids::kSymbol, 0);
    window->form().loadForm();
    EXPECT_EQ(controls().comboSelection(ids::kSymbol), 2);
    window->form().storeForm();
    EXPECT_EQ(config().symbolCode[0], '\'');

    type(ids::kSymbol, "/ (House)");
    window->form().storeForm();
    EXPECT_EQ(config().symbolCode[0], '/');
    controls().setControlText(ids::kSymbolTable, "");
    window->form().storeForm();
    EXPECT_EQ(config().symbolTable[0], '\0');
}

TEST_F(FormExchangeTest, MicEIndexesOutsideTheirListsClearTheSelection) {
    config().micEStatus[0] = 9;
    config().micEPath[0] = 20;
    window->form().loadForm();
    EXPECT_EQ(controls().comboSelection(ids::kMicEStatus), -1);
    EXPECT_EQ(controls().comboSelection(ids::kMicEPath), -1);
    window->form().storeForm();
    EXPECT_EQ(config().micEStatus[0], 0);
    EXPECT_EQ(config().micEPath[0], -1);

    config().micEStatus[0] = 7;
    config().micEPath[0] = 15;
    window->form().loadForm();
    window->form().storeForm();
    EXPECT_EQ(config().micEStatus[0], 7);
    EXPECT_EQ(config().micEPath[0], 15);
}

TEST_F(FormExchangeTest, TimestampPairsMapToTheTwoBoxes) {
    struct Case {
        bool timestamp, hms, dhmShown, hmsShown, storedTimestamp, storedHms;
    };
    const Case cases[] = {{true, false, true, false, true, false},
                          {true, true, false, true, true, true},
                          {false, true, false, false, false, false},
                          {false, false, false, false, false, false}};
    for (const Case& c : cases) {
        config().timestamp[0] = c.timestamp;
        config().timestampHms[0] = c.hms;
        window->form().loadForm();
        EXPECT_EQ(checked(ids::kTimestampDhm), c.dhmShown);
        EXPECT_EQ(checked(ids::kTimestampHms), c.hmsShown);
        window->form().storeForm();
        EXPECT_EQ(config().timestamp[0], c.storedTimestamp);
        EXPECT_EQ(config().timestampHms[0], c.storedHms);
    }
}

TEST_F(FormExchangeTest, OnlyADifferentCalibrationMarksItChanged) {
    window->form().storeForm();
    EXPECT_FALSE(config().calibrationChanged);
    controls().setControlText(ids::kCalibration, "131");
    window->form().storeForm();
    EXPECT_TRUE(config().calibrationChanged);
    EXPECT_EQ(config().calibration, 131);
    // Equal again later: the mark stays until the tracker has the value.
    window->form().storeForm();
    EXPECT_TRUE(config().calibrationChanged);
}

TEST_F(FormExchangeTest, OnlyTheActiveProfileIsShownAndStored) {
    config().setStatusText("first");
    config().activeProfile = 1;
    config().setStatusText("second");
    window->form().loadForm();
    EXPECT_EQ(controls().getControlText(ids::kStatusText), "second");
    EXPECT_EQ(controls().getControlText(ids::kFrequency), "144.340 MHz - Testing");
    type(ids::kStatusText, "edited");
    window->form().storeForm();
    EXPECT_STREQ(config().statusText[1].data(), "edited");
    EXPECT_STREQ(config().statusText[0].data(), "first");
}

}  // namespace
}  // namespace qz5::testing
