// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <type_traits>

#include "config/tracker_config.h"

namespace qz5 {

// One field of the record as people see it: the name the JSON form and
// comparisons use, the window's label and unit, and a short help text saying
// what the field does and what the tracker keeps of it.
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
    visit(FieldInfo{"calibration", "Calibration", "",
                    "Tone calibration value, shared by both profiles. The tracker keeps 0 to "
                    "255; the window shows it but does not let it be edited."},
          &TrackerConfig::calibration);
    visit(FieldInfo{"calibrationChanged", "Calibration changed", "",
                    "The calibration was edited and not yet written to the tracker. Not "
                    "sent."},
          &TrackerConfig::calibrationChanged);
}

// Every per-profile field, in declared order.
template <typename Visit>
constexpr void forEachProfileField(Visit&& visit) {
    visit(FieldInfo{"callsign", "Callsign", "",
                    "Station callsign, optionally followed by -SSID. The tracker keeps six "
                    "letters or digits in capitals and an SSID of 0 to 15; other characters "
                    "end the callsign."},
          &TrackerConfig::callsign);
    visit(FieldInfo{"digiPath", "Digipeater path", "",
                    "Digipeaters asked to relay each beacon, separated by commas, for example "
                    "WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and "
                    "an SSID of 0 to 15."},
          &TrackerConfig::digiPath);
    visit(FieldInfo{"statusText", "Status text", "",
                    "Text of the status beacon. The tracker keeps what fits in its 128-byte "
                    "memory after the other settings; equal texts in both profiles are stored "
                    "once."},
          &TrackerConfig::statusText);
    visit(FieldInfo{"delay1Ms", "Delay 1", "ms",
                    "First delay. Kept in byte times of the packet speed: 6.666 ms steps up to "
                    "1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet."},
          &TrackerConfig::delay1Ms);
    visit(FieldInfo{"delay2Ms", "Delay 2", "ms",
                    "Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to "
                    "1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet."},
          &TrackerConfig::delay2Ms);
    visit(FieldInfo{"micEStatus", "Message", "",
                    "Mic-E message sent with the position, one of eight. Writing Emergency! "
                    "asks for confirmation first."},
          &TrackerConfig::micEStatus);
    visit(FieldInfo{"micEPath", "Path", "", "Mic-E digipeater path, one of sixteen."},
          &TrackerConfig::micEPath);
    visit(FieldInfo{"symbolCode", "Symbol", "",
                    "APRS symbol code: the character that picks the map icon. A control "
                    "character is read back as '-'."},
          &TrackerConfig::symbolCode);
    visit(FieldInfo{"symbolTable", "Symbol table", "",
                    "APRS symbol table: / primary, \\ alternate, or an overlay character. A "
                    "control character is read back as /."},
          &TrackerConfig::symbolTable);
    visit(FieldInfo{"auxCount", "Count", "", "Count parameter. The tracker keeps 0 to 255."},
          &TrackerConfig::auxCount);
    visit(FieldInfo{"transmitRate", "Transmit rate", "s",
                    "Time between beacons while SmartBeaconing is off; at least 3. The tracker "
                    "keeps up to 65535."},
          &TrackerConfig::transmitRate);
    visit(FieldInfo{"altRateSeconds", "Second rate", "s",
                    "Second beacon interval; at least 3. The tracker keeps up to 65535."},
          &TrackerConfig::altRateSeconds);
    visit(FieldInfo{"slotSeconds", "Second", "s",
                    "Second within the transmit interval at which the beacon goes out. Sent "
                    "only while the time slot is on; at most the transmit rate."},
          &TrackerConfig::slotSeconds);
    visit(FieldInfo{"sbLowSpeed", "Low speed", "",
                    "SmartBeaconing: at or below this speed the slow rate applies. The tracker "
                    "keeps 0 to 255; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbLowSpeed);
    visit(FieldInfo{"sbHighSpeed", "High speed", "",
                    "SmartBeaconing: at or above this speed the fast rate applies. The tracker "
                    "keeps 0 to 255; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbHighSpeed);
    visit(FieldInfo{"sbSlowRate", "Slow rate", "s",
                    "SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to "
                    "65535; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbSlowRate);
    visit(FieldInfo{"sbFastRate", "Fast rate", "s",
                    "SmartBeaconing: time between beacons at high speed. The tracker keeps 0 "
                    "to 65535; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbFastRate);
    visit(FieldInfo{"sbTurnAngle", "Turn angle", "",
                    "SmartBeaconing: smallest change of heading that counts as a turn. The "
                    "tracker keeps 0 to 255; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbTurnAngle);
    visit(FieldInfo{"sbTurnSlope", "Turn slope", "",
                    "SmartBeaconing: makes turns count sooner at low speed. The tracker keeps "
                    "0 to 65535; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbTurnSlope);
    visit(FieldInfo{"sbTurnTime", "Turn time", "",
                    "SmartBeaconing: least time between beacons sent for turns. The tracker "
                    "keeps 0 to 255; sent only while SmartBeaconing is on."},
          &TrackerConfig::sbTurnTime);
    visit(FieldInfo{"delay3Ms", "Delay 3", "ms",
                    "Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the "
                    "window."},
          &TrackerConfig::delay3Ms);
    visit(FieldInfo{"auxValue", "Value", "",
                    "Value sent while its Enable box is on. The tracker keeps 0 to 255."},
          &TrackerConfig::auxValue);
    visit(FieldInfo{"frequencyMHz", "Frequency", "MHz",
                    "Transmit frequency, 144.000 to 148.000 MHz; anything else becomes "
                    "144.390. The tracker keeps it in 5 kHz steps."},
          &TrackerConfig::frequencyMHz);
    visit(FieldInfo{"forcePrintable", "Force Printable", "",
                    "Mic-E reports use printable characters only."},
          &TrackerConfig::forcePrintable);
    visit(FieldInfo{"onlySendValid", "Only Send Valid", "",
                    "Beacons only with a valid GPS position. Not editable in the window."},
          &TrackerConfig::onlySendValid);
    visit(FieldInfo{"slotEnable", "Time slot", "",
                    "Beacons at a fixed second of the transmit interval. Turns SmartBeaconing "
                    "off."},
          &TrackerConfig::slotEnable);
    visit(FieldInfo{"slotDivides60", "Rate divides 60", "",
                    "Set when written: the transmit rate divides 60 seconds."},
          &TrackerConfig::slotDivides60);
    visit(FieldInfo{"slotDivides600", "Rate divides 600", "",
                    "Set when written: the transmit rate divides 600 seconds."},
          &TrackerConfig::slotDivides600);
    visit(FieldInfo{"smartBeaconing", "SmartBeaconing", "",
                    "Beacons more often at speed and in turns, using the SmartBeaconing "
                    "settings instead of the transmit rate. Turns the time slot off."},
          &TrackerConfig::smartBeaconing);
    visit(FieldInfo{"sendAltitude", "Send Altitude", "", "Positions include the altitude."},
          &TrackerConfig::sendAltitude);
    visit(FieldInfo{"micEEnable", "Mic-E", "",
                    "Positions are sent in the compact Mic-E form. Turns Send NMEA off."},
          &TrackerConfig::micEEnable);
    visit(FieldInfo{"auxEnable", "Value on", "", "Sends the value beside this box."},
          &TrackerConfig::auxEnable);
    visit(FieldInfo{"timestamp", "Timestamp DHM", "",
                    "Positions carry a day, hour and minute time stamp."},
          &TrackerConfig::timestamp);
    visit(
        FieldInfo{"allowTtlSerial", "Allow TTL Serial", "", "The serial port accepts TTL levels."},
        &TrackerConfig::allowTtlSerial);
    visit(FieldInfo{"alternateDigiPaths", "Alternate Digi Paths", "",
                    "Beacons alternate between digipeater paths."},
          &TrackerConfig::alternateDigiPaths);
    visit(FieldInfo{"invertCdIn", "Invert CD IN", "",
                    "Inverts the carrier detect input. Not editable in the window."},
          &TrackerConfig::invertCdIn);
    visit(FieldInfo{"timestampHms", "Timestamp HMS", "",
                    "Positions carry an hour, minute and second time stamp."},
          &TrackerConfig::timestampHms);
    visit(FieldInfo{"noTxOnPttIn", "No TX on PTT In", "",
                    "No transmission while the PTT input is active. Not editable in the "
                    "window."},
          &TrackerConfig::noTxOnPttIn);
    visit(FieldInfo{"sendNmea", "Send NMEA", "",
                    "Sends the GPS sentences as received. Turns Mic-E and Send Altitude off."},
          &TrackerConfig::sendNmea);
    visit(FieldInfo{"sendSeparate", "Send Separate", "",
                    "Sends the status text in a packet of its own."},
          &TrackerConfig::sendSeparate);
    visit(FieldInfo{"packet300Baud", "300 baud packet", "",
                    "Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud."},
          &TrackerConfig::packet300Baud);
    visit(FieldInfo{"noGreaterThan", "Don't Send '>'", "",
                    "The status text goes out without its leading '>'."},
          &TrackerConfig::noGreaterThan);
    visit(FieldInfo{"serialOutHigh", "Serial Out High", "", "The serial output rests high."},
          &TrackerConfig::serialOutHigh);
    visit(
        FieldInfo{"skipStartPacket", "Skip Start Packet", "", "No beacon when the tracker starts."},
        &TrackerConfig::skipStartPacket);
    visit(FieldInfo{"gps9600", "9600 baud GPS", "",
                    "The GPS receiver talks at 9600 baud instead of 4800."},
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
