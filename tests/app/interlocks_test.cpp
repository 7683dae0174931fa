// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "window_fixture.h"

namespace qz5::testing {
namespace {

using InterlocksTest = WindowTest;

constexpr std::array kSmartBeaconingEdits = {ids::kSbLowSpeed, ids::kSbSlowRate,  ids::kSbHighSpeed,
                                             ids::kSbFastRate, ids::kSbTurnAngle, ids::kSbTurnSlope,
                                             ids::kSbTurnTime};
void expectSmartBeaconingEdits(InterlocksTest& test, bool enabled) {
    for (int id : kSmartBeaconingEdits) {
        EXPECT_EQ(test.controls().control(id)->isEnabled(), enabled) << id;
    }
}

// Starting from the defaults: SmartBeaconing off, aux "Enable" on.
TEST_F(InterlocksTest, SmartBeaconingSwapsTheRateFieldsAndTheAuxOption) {
    controls().setControlCheck(ids::kSlotEnable, 1);
    click(ids::kSmartBeaconing);
    EXPECT_TRUE(checked(ids::kSmartBeaconing));
    EXPECT_FALSE(checked(ids::kSlotEnable));
    EXPECT_FALSE(checked(ids::kAuxEnable));
    expectSmartBeaconingEdits(*this, true);
    EXPECT_FALSE(enabled(ids::kTransmitRate));
    EXPECT_FALSE(enabled(ids::kSlotSeconds));
    EXPECT_FALSE(enabled(ids::kAuxValue));

    click(ids::kSmartBeaconing);
    EXPECT_FALSE(checked(ids::kSmartBeaconing));
    EXPECT_TRUE(checked(ids::kAuxEnable));
    expectSmartBeaconingEdits(*this, false);
    EXPECT_TRUE(enabled(ids::kTransmitRate));
    EXPECT_TRUE(enabled(ids::kAuxValue));
}

TEST_F(InterlocksTest, UncheckingSmartBeaconingChecksAuxEvenIfItWasOffBefore) {
    click(ids::kAuxEnable);
    ASSERT_FALSE(checked(ids::kAuxEnable));
    EXPECT_FALSE(enabled(ids::kAuxValue));
    click(ids::kSmartBeaconing);
    click(ids::kSmartBeaconing);
    EXPECT_TRUE(checked(ids::kAuxEnable));
    EXPECT_TRUE(enabled(ids::kAuxValue));
}

TEST_F(InterlocksTest, TimeSlotAndSmartBeaconingExcludeEachOther) {
    click(ids::kSmartBeaconing);
    click(ids::kSlotEnable);
    EXPECT_TRUE(checked(ids::kSlotEnable));
    EXPECT_FALSE(checked(ids::kSmartBeaconing));
    EXPECT_FALSE(checked(ids::kAuxEnable));  // turned off by the slot: aux stays as it was
    EXPECT_TRUE(enabled(ids::kTransmitRate));
    EXPECT_TRUE(enabled(ids::kSlotSeconds));
    expectSmartBeaconingEdits(*this, false);

    click(ids::kSlotEnable);  // unchecking changes nothing else
    EXPECT_FALSE(checked(ids::kSmartBeaconing));
    EXPECT_FALSE(enabled(ids::kSlotSeconds));
}

TEST_F(InterlocksTest, ARecordWithBothOptionsLoadsWithBothChecked) {
    config().smartBeaconing[0] = true;
    config().slotEnable[0] = true;
    window->form().loadForm();
    EXPECT_TRUE(checked(ids::kSmartBeaconing));
    EXPECT_TRUE(checked(ids::kSlotEnable));
    EXPECT_TRUE(enabled(ids::kSlotSeconds));
    EXPECT_FALSE(enabled(ids::kTransmitRate));
}

TEST_F(InterlocksTest, SendNmeaAndMicEExcludeEachOther) {
    ASSERT_TRUE(checked(ids::kMicEEnable));
    ASSERT_TRUE(checked(ids::kSendAltitude));
    click(ids::kSendNmea);
    EXPECT_TRUE(checked(ids::kSendNmea));
    EXPECT_FALSE(checked(ids::kMicEEnable));
    EXPECT_FALSE(checked(ids::kSendAltitude));
    for (int id : {ids::kForcePrintable, ids::kMicEStatus, ids::kMicEPath}) {
        EXPECT_FALSE(enabled(id)) << id;
    }

    click(ids::kMicEEnable);
    EXPECT_FALSE(checked(ids::kSendNmea));
    EXPECT_FALSE(checked(ids::kSendAltitude));  // not given back
    for (int id : {ids::kForcePrintable, ids::kMicEStatus, ids::kMicEPath}) {
        EXPECT_TRUE(enabled(id)) << id;
    }

    // Altitude has no rule of its own.
    click(ids::kSendNmea);
    click(ids::kSendAltitude);
    EXPECT_TRUE(checked(ids::kSendNmea));
    EXPECT_TRUE(checked(ids::kSendAltitude));
}

TEST_F(InterlocksTest, TimestampFormatsExcludeEachOtherWithoutTouchingEnables) {
    controls().enableControl(ids::kPacket300Baud, true);
    click(ids::kTimestampDhm);
    click(ids::kTimestampHms);
    EXPECT_TRUE(checked(ids::kTimestampHms));
    EXPECT_FALSE(checked(ids::kTimestampDhm));
    click(ids::kTimestampDhm);
    EXPECT_TRUE(checked(ids::kTimestampDhm));
    EXPECT_FALSE(checked(ids::kTimestampHms));
    click(ids::kTimestampDhm);
    EXPECT_FALSE(checked(ids::kTimestampDhm));
    EXPECT_FALSE(checked(ids::kTimestampHms));
    EXPECT_TRUE(enabled(ids::kPacket300Baud));  // no updateEnables ran
}

TEST_F(InterlocksTest, OtherBoxesChangeNothingButThemselves) {
    const auto snapshot = [this] {
        std::vector<bool> states;
        for (int id = ids::kReadConfiguration; id <= ids::kHighestId; ++id) {
            if (QWidget* widget = controls().control(id)) {
                states.push_back(widget->isEnabled());
                states.push_back(checked(id));
            }
        }
        return states;
    };
    for (int id :
         {ids::kSendSeparate, ids::kSendAltitude, ids::kAllowTtlSerial, ids::kSkipStartPacket}) {
        const auto before = snapshot();
        const bool was = checked(id);
        click(id);
        EXPECT_NE(checked(id), was) << id;
        click(id);
        EXPECT_EQ(snapshot(), before) << id;
    }
}

TEST_F(InterlocksTest, SomeOptionsAreAlwaysDisabledYetKeepTheirValues) {
    for (int id : {ids::kSerialOutHigh, ids::kGps9600, ids::kInvertCdIn, ids::kOnlySendValid,
                   ids::kPacket300Baud, ids::kDelay3, ids::kCalibration, ids::kNoTxOnPttIn}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(checked(ids::kOnlySendValid));
    controls().setControlText(ids::kDelay3, "250");
    window->form().storeForm();
    EXPECT_EQ(config().delay3Ms[0], 250);
}

TEST_F(InterlocksTest, DeviceOptionsAreEnabledUntilTheNextInterlockPass) {
    window->form().updateDeviceEnables();
    for (int id : kDeviceOptions) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    click(ids::kAuxEnable);
    EXPECT_FALSE(enabled(ids::kPacket300Baud));
    EXPECT_FALSE(enabled(ids::kSerialOutHigh));
    EXPECT_FALSE(enabled(ids::kGps9600));
    EXPECT_TRUE(enabled(ids::kSendNmea));
}

TEST_F(InterlocksTest, ToneCaptionsFollowTheStoredProfileNotTheBox) {
    config().packet300Baud[1] = true;
    window->form().loadForm();
    window->form().updateToneLabels();
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1200 Hz");
    window->form().updateDeviceEnables();
    click(ids::kPacket300Baud);
    ASSERT_TRUE(checked(ids::kPacket300Baud));
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1200 Hz");

    config().activeProfile = 1;
    window->form().updateToneLabels();
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1600 Hz");
    EXPECT_EQ(button(ids::kSendHighTone)->text(), "Send 1800 Hz");
    EXPECT_EQ(button(ids::kSendBothTones)->text(), "Send Both");
    EXPECT_EQ(button(ids::kStopTones)->text(), "Stop Sending");
}

}  // namespace
}  // namespace qz5::testing
