// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numeric ids of the main window's controls; the window logic names every
// control by these.
namespace qz5::ids {

inline constexpr int kExit = 1;
inline constexpr int kReadConfiguration = 1000;
inline constexpr int kWriteConfiguration = 1001;
inline constexpr int kReadVersion = 1002;
inline constexpr int kComPort = 1003;
inline constexpr int kStopTones = 1004;
inline constexpr int kSendLowTone = 1005;
inline constexpr int kSendHighTone = 1006;
inline constexpr int kSendBothTones = 1007;
inline constexpr int kCallsign = 1008;
inline constexpr int kDigiPath = 1009;
inline constexpr int kStatusText = 1010;
inline constexpr int kDelay1 = 1011;
inline constexpr int kDelay2 = 1012;
inline constexpr int kSave = 1013;
inline constexpr int kSpare1014 = 1014;
inline constexpr int kSymbolTable = 1015;
inline constexpr int kAuxCount = 1016;
inline constexpr int kTransmitRate = 1017;
inline constexpr int kCalibration = 1018;
inline constexpr int kSbLowSpeed = 1019;
inline constexpr int kSlotSeconds = 1020;
inline constexpr int kSbHighSpeed = 1021;
inline constexpr int kSbSlowRate = 1022;
inline constexpr int kSbFastRate = 1023;
inline constexpr int kSbTurnAngle = 1024;
inline constexpr int kSbTurnSlope = 1025;
inline constexpr int kSbTurnTime = 1026;
inline constexpr int kMicEStatus = 1027;
inline constexpr int kMicEPath = 1028;
inline constexpr int kForcePrintable = 1029;
inline constexpr int kOnlySendValid = 1030;
inline constexpr int kMicEEnable = 1031;
inline constexpr int kSlotEnable = 1032;
inline constexpr int kSmartBeaconing = 1033;
inline constexpr int kProfileTabs = 1034;
inline constexpr int kDelay3 = 1035;
inline constexpr int kSendAltitude = 1036;
inline constexpr int kAltRate = 1037;
inline constexpr int kAuxEnable = 1038;
inline constexpr int kAuxValue = 1039;
inline constexpr int kTimestampDhm = 1040;
inline constexpr int kAllowTtlSerial = 1041;
inline constexpr int kAlternateDigiPaths = 1042;
inline constexpr int kLoad = 1043;
inline constexpr int kInvertCdIn = 1044;
inline constexpr int kNoTxOnPttIn = 1045;
inline constexpr int kTimestampHms = 1046;
inline constexpr int kSendNmea = 1047;
inline constexpr int kPacket300Baud = 1048;
inline constexpr int kSendSeparate = 1049;
inline constexpr int kAbout = 1050;
inline constexpr int kNoGreaterThan = 1051;
inline constexpr int kSkipStartPacket = 1052;
inline constexpr int kSerialOutHigh = 1053;
inline constexpr int kGps9600 = 1054;
inline constexpr int kSpare1055 = 1055;
inline constexpr int kFrequency = 1056;
inline constexpr int kSymbol = 1057;

// Commands beyond the tracker's own settings (tool_commands.h).
inline constexpr int kFindTracker = 1058;
inline constexpr int kHistory = 1059;
inline constexpr int kCompareWithTracker = 1060;
inline constexpr int kChooseSymbol = 1061;
inline constexpr int kBeaconTiming = 1062;
// A SmartBeaconing preset for the profile shown, and its button.
inline constexpr int kSmartBeaconingPreset = 1063;
inline constexpr int kApplyPreset = 1064;

// A choice of how the tool commands work (tool_commands.h).
inline constexpr int kKeepBeforeWrite = 1065;

// The highest id: every control's id lies from kExit to here.
inline constexpr int kHighestId = kKeepBeforeWrite;

}  // namespace qz5::ids
