// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <type_traits>

#include "common/text.h"
#include "config/tracker_config.h"

namespace qz5 {

// One field of the record as people see it: the name the JSON form and
// comparisons use, the window's label and unit, and a short help text saying
// what the field does and what the tracker keeps of it. What the All
// settings view shows is marked for the window's catalogues; the names are
// the JSON form's and stay as they are.
struct FieldInfo {
    const char* name = "";
    const char* label = "";
    const char* unit = "";  // empty when the value has none
    const char* help = "";
};

// The record's fields: one list, so the printed, the accepted, the compared and
// the shown forms cannot drift apart. Each visit gets the field's description
// and its member pointer.

// Values kept once for both profiles.
template <typename Visit>
constexpr void forEachSharedField(Visit&& visit) {
    visit(FieldInfo{"activeProfile", "Profile", "",
                    "The profile the window shows: 0 Primary, 1 Secondary. Not sent to the "
                    "tracker."},
          &TrackerConfig::activeProfile);
    visit(FieldInfo{"calibration", QZ5_TEXT("Window", "Calibration"), "",
                    QZ5_TEXT(
                        "Window",
                        "Tone calibration value, shared by both profiles. The tracker keeps 0 to "
                        "255; the window shows it but does not let it be edited.")},
          &TrackerConfig::calibration);
    visit(FieldInfo{"calibrationChanged", "Calibration changed", "",
                    "The calibration was edited and not yet written to the tracker. Not "
                    "sent."},
          &TrackerConfig::calibrationChanged);
}

// Every per-profile field, in declared order.
template <typename Visit>
constexpr void forEachProfileField(Visit&& visit) {
    visit(
        FieldInfo{"callsign", QZ5_TEXT("Window", "Callsign"), "",
                  QZ5_TEXT("Window",
                           "Station callsign, optionally followed by -SSID. The tracker keeps six "
                           "letters or digits in capitals and an SSID of 0 to 15; other characters "
                           "end the callsign.")},
        &TrackerConfig::callsign);
    visit(FieldInfo{"digiPath", QZ5_TEXT("Window", "Digipeater path"), "",
                    QZ5_TEXT(
                        "Window",
                        "Digipeaters asked to relay each beacon, separated by commas, for example "
                        "WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and "
                        "an SSID of 0 to 15.")},
          &TrackerConfig::digiPath);
    visit(FieldInfo{"statusText", QZ5_TEXT("Window", "Status text"), "",
                    QZ5_TEXT(
                        "Window",
                        "Text of the status beacon. The tracker keeps what fits in its 128-byte "
                        "memory after the other settings; equal texts in both profiles are stored "
                        "once.")},
          &TrackerConfig::statusText);
    visit(FieldInfo{"delay1Ms", QZ5_TEXT("Window", "Delay 1"), QZ5_TEXT("Window", "ms"),
                    QZ5_TEXT(
                        "Window",
                        "First delay. Kept in byte times of the packet speed: 6.666 ms steps up to "
                        "1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.")},
          &TrackerConfig::delay1Ms);
    visit(
        FieldInfo{
            "delay2Ms", QZ5_TEXT("Window", "Delay 2"), QZ5_TEXT("Window", "ms"),
            QZ5_TEXT("Window",
                     "Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to "
                     "1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.")},
        &TrackerConfig::delay2Ms);
    visit(
        FieldInfo{"micEStatus", QZ5_TEXT("Window", "Message"), "",
                  QZ5_TEXT("Window",
                           "Mic-E message sent with the position, one of eight. Writing Emergency! "
                           "asks for confirmation first.")},
        &TrackerConfig::micEStatus);
    visit(FieldInfo{"micEPath", QZ5_TEXT("Window", "Path"), "",
                    QZ5_TEXT("Window", "Mic-E digipeater path, one of sixteen.")},
          &TrackerConfig::micEPath);
    visit(FieldInfo{"symbolCode", QZ5_TEXT("Window", "Symbol"), "",
                    QZ5_TEXT("Window",
                             "APRS symbol code: the character that picks the map icon. A control "
                             "character is read back as '-'.")},
          &TrackerConfig::symbolCode);
    visit(
        FieldInfo{"symbolTable", QZ5_TEXT("Window", "Symbol table"), "",
                  QZ5_TEXT("Window",
                           "APRS symbol table: / primary, \\ alternate, or an overlay character. A "
                           "control character is read back as /.")},
        &TrackerConfig::symbolTable);
    visit(FieldInfo{"auxCount", QZ5_TEXT("Window", "Count"), "",
                    QZ5_TEXT("Window", "Count parameter. The tracker keeps 0 to 255.")},
          &TrackerConfig::auxCount);
    visit(FieldInfo{"transmitRate", QZ5_TEXT("Window", "Transmit rate"), QZ5_TEXT("Window", "s"),
                    QZ5_TEXT(
                        "Window",
                        "Time between beacons while SmartBeaconing is off; at least 3. The tracker "
                        "keeps up to 65535.")},
          &TrackerConfig::transmitRate);
    visit(FieldInfo{"altRateSeconds", QZ5_TEXT("Window", "Second rate"), QZ5_TEXT("Window", "s"),
                    QZ5_TEXT("Window",
                             "Second beacon interval; at least 3. The tracker keeps up to 65535.")},
          &TrackerConfig::altRateSeconds);
    visit(
        FieldInfo{"slotSeconds", QZ5_TEXT("Window", "Second"), QZ5_TEXT("Window", "s"),
                  QZ5_TEXT("Window",
                           "Second within the transmit interval at which the beacon goes out. Sent "
                           "only while the time slot is on; at most the transmit rate.")},
        &TrackerConfig::slotSeconds);
    visit(FieldInfo{"sbLowSpeed", QZ5_TEXT("Window", "Low speed"), "",
                    QZ5_TEXT(
                        "Window",
                        "SmartBeaconing: at or below this speed the slow rate applies. The tracker "
                        "keeps 0 to 255; sent only while SmartBeaconing is on.")},
          &TrackerConfig::sbLowSpeed);
    visit(FieldInfo{"sbHighSpeed", QZ5_TEXT("Window", "High speed"), "",
                    QZ5_TEXT(
                        "Window",
                        "SmartBeaconing: at or above this speed the fast rate applies. The tracker "
                        "keeps 0 to 255; sent only while SmartBeaconing is on.")},
          &TrackerConfig::sbHighSpeed);
    visit(FieldInfo{"sbSlowRate", QZ5_TEXT("Window", "Slow rate"), QZ5_TEXT("Window", "s"),
                    QZ5_TEXT(
                        "Window",
                        "SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to "
                        "65535; sent only while SmartBeaconing is on.")},
          &TrackerConfig::sbSlowRate);
    visit(FieldInfo{"sbFastRate", QZ5_TEXT("Window", "Fast rate"), QZ5_TEXT("Window", "s"),
                    QZ5_TEXT(
                        "Window",
                        "SmartBeaconing: time between beacons at high speed. The tracker keeps 0 "
                        "to 65535; sent only while SmartBeaconing is on.")},
          &TrackerConfig::sbFastRate);
    visit(
        FieldInfo{"sbTurnAngle", QZ5_TEXT("Window", "Turn angle"), "",
                  QZ5_TEXT("Window",
                           "SmartBeaconing: smallest change of heading that counts as a turn. The "
                           "tracker keeps 0 to 255; sent only while SmartBeaconing is on.")},
        &TrackerConfig::sbTurnAngle);
    visit(FieldInfo{"sbTurnSlope", QZ5_TEXT("Window", "Turn slope"), "",
                    QZ5_TEXT(
                        "Window",
                        "SmartBeaconing: makes turns count sooner at low speed. The tracker keeps "
                        "0 to 65535; sent only while SmartBeaconing is on.")},
          &TrackerConfig::sbTurnSlope);
    visit(
        FieldInfo{"sbTurnTime", QZ5_TEXT("Window", "Turn time"), "",
                  QZ5_TEXT("Window",
                           "SmartBeaconing: least time between beacons sent for turns. The tracker "
                           "keeps 0 to 255; sent only while SmartBeaconing is on.")},
        &TrackerConfig::sbTurnTime);
    visit(
        FieldInfo{"delay3Ms", QZ5_TEXT("Window", "Delay 3"), QZ5_TEXT("Window", "ms"),
                  QZ5_TEXT("Window",
                           "Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the "
                           "window.")},
        &TrackerConfig::delay3Ms);
    visit(FieldInfo{"auxValue", QZ5_TEXT("Window", "Value"), "",
                    QZ5_TEXT("Window",
                             "Value sent while its Enable box is on. The tracker keeps 0 to 255.")},
          &TrackerConfig::auxValue);
    visit(FieldInfo{"frequencyMHz", QZ5_TEXT("Window", "Frequency"), "MHz",
                    QZ5_TEXT("Window",
                             "Transmit frequency, 144.000 to 148.000 MHz; anything else becomes "
                             "144.390. The tracker keeps it in 5 kHz steps.")},
          &TrackerConfig::frequencyMHz);
    visit(FieldInfo{"forcePrintable", "Force Printable", "",
                    QZ5_TEXT("Window", "Mic-E reports use printable characters only.")},
          &TrackerConfig::forcePrintable);
    visit(
        FieldInfo{"onlySendValid", "Only Send Valid", "",
                  QZ5_TEXT("Window",
                           "Beacons only with a valid GPS position. Not editable in the window.")},
        &TrackerConfig::onlySendValid);
    visit(FieldInfo{"slotEnable", "Time slot", "",
                    QZ5_TEXT(
                        "Window",
                        "Beacons at a fixed second of the transmit interval. Turns SmartBeaconing "
                        "off.")},
          &TrackerConfig::slotEnable);
    visit(FieldInfo{"slotDivides60", "Rate divides 60", "",
                    "Set when written: the transmit rate divides 60 seconds."},
          &TrackerConfig::slotDivides60);
    visit(FieldInfo{"slotDivides600", "Rate divides 600", "",
                    "Set when written: the transmit rate divides 600 seconds."},
          &TrackerConfig::slotDivides600);
    visit(FieldInfo{"smartBeaconing", "SmartBeaconing", "",
                    QZ5_TEXT("Window",
                             "Beacons more often at speed and in turns, using the SmartBeaconing "
                             "settings instead of the transmit rate. Turns the time slot off.")},
          &TrackerConfig::smartBeaconing);
    visit(FieldInfo{"sendAltitude", "Send Altitude", "",
                    QZ5_TEXT("Window", "Positions include the altitude.")},
          &TrackerConfig::sendAltitude);
    visit(FieldInfo{"micEEnable", "Mic-E", "",
                    QZ5_TEXT("Window",
                             "Positions are sent in the compact Mic-E form. Turns Send NMEA off.")},
          &TrackerConfig::micEEnable);
    visit(FieldInfo{"auxEnable", "Value on", "",
                    QZ5_TEXT("Window", "Sends the value beside this box.")},
          &TrackerConfig::auxEnable);
    visit(FieldInfo{"timestamp", "Timestamp DHM", "",
                    QZ5_TEXT("Window", "Positions carry a day, hour and minute time stamp.")},
          &TrackerConfig::timestamp);
    visit(FieldInfo{"allowTtlSerial", "Allow TTL Serial", "",
                    QZ5_TEXT("Window", "The serial port accepts TTL levels.")},
          &TrackerConfig::allowTtlSerial);
    visit(FieldInfo{"alternateDigiPaths", "Alternate Digi Paths", "",
                    QZ5_TEXT("Window", "Beacons alternate between digipeater paths.")},
          &TrackerConfig::alternateDigiPaths);
    visit(FieldInfo{"invertCdIn", "Invert CD IN", "",
                    QZ5_TEXT("Window",
                             "Inverts the carrier detect input. Not editable in the window.")},
          &TrackerConfig::invertCdIn);
    visit(FieldInfo{"timestampHms", "Timestamp HMS", "",
                    QZ5_TEXT("Window", "Positions carry an hour, minute and second time stamp.")},
          &TrackerConfig::timestampHms);
    visit(FieldInfo{"noTxOnPttIn", "No TX on PTT In", "",
                    QZ5_TEXT("Window",
                             "No transmission while the PTT input is active. Not editable in the "
                             "window.")},
          &TrackerConfig::noTxOnPttIn);
    visit(FieldInfo{"sendNmea", "Send NMEA", "",
                    QZ5_TEXT(
                        "Window",
                        "Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.")},
          &TrackerConfig::sendNmea);
    visit(FieldInfo{"sendSeparate", "Send Separate", "",
                    QZ5_TEXT("Window", "Sends the status text in a packet of its own.")},
          &TrackerConfig::sendSeparate);
    visit(FieldInfo{"packet300Baud", "300 baud packet", "",
                    QZ5_TEXT(
                        "Window",
                        "Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.")},
          &TrackerConfig::packet300Baud);
    visit(FieldInfo{"noGreaterThan", "Don't Send '>'", "",
                    QZ5_TEXT("Window", "The status text goes out without its leading '>'.")},
          &TrackerConfig::noGreaterThan);
    visit(FieldInfo{"serialOutHigh", "Serial Out High", "",
                    QZ5_TEXT("Window", "The serial output rests high.")},
          &TrackerConfig::serialOutHigh);
    visit(FieldInfo{"skipStartPacket", "Skip Start Packet", "",
                    QZ5_TEXT("Window", "No beacon when the tracker starts.")},
          &TrackerConfig::skipStartPacket);
    visit(FieldInfo{"gps9600", "9600 baud GPS", "",
                    QZ5_TEXT("Window", "The GPS receiver talks at 9600 baud instead of 4800.")},
          &TrackerConfig::gps9600);
}

// The description of the field behind a member pointer.
template <typename Member>
constexpr FieldInfo fieldInfo(Member member) {
    FieldInfo found;
    const auto match = [&](const FieldInfo& field, auto candidate) {
        if constexpr (std::is_same_v<decltype(candidate), Member>) {
            if (candidate == member) {
                found = field;
            }
        }
    };
    forEachSharedField(match);
    forEachProfileField(match);
    return found;
}

}  // namespace qz5
