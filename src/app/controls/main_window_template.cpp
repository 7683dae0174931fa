// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/main_window_template.h"

#include "app/controls/about_box_template.h"
#include "app/controls/control_ids.h"
#include "app/controls/template_style.h"
#include "app/controls/tool_commands.h"
#include "common/text.h"
#include "config/timing/smart_beaconing_presets.h"

namespace qz5 {

namespace {

// Hidden controls lie stacked in one small spot; nobody ever sees them.
constexpr DluRect kHiddenSpot{103, 21, 24, 12};

// A label naming the control `forId`.
ControlTemplate label(const char* caption, DluRect rect, int forId) {
    return {.kind = ControlKind::Static,
            .caption = caption,
            .rect = rect,
            .align = TextAlign::Right,
            .labelFor = forId};
}

ControlTemplate hiddenEdit(int id, bool upperCase = false, bool digitsOnly = false) {
    return {.id = id,
            .kind = ControlKind::Edit,
            .shown = false,
            .rect = kHiddenSpot,
            .upperCase = upperCase,
            .digitsOnly = digitsOnly};
}

ControlTemplate hiddenNumber(int id) {
    return hiddenEdit(id, false, true);
}

ControlTemplate hiddenCheck(int id, const char* caption) {
    return {.id = id,
            .kind = ControlKind::CheckBox,
            .caption = caption,
            .shown = false,
            .rect = kHiddenSpot};
}

ControlTemplate hiddenList(int id) {
    return {.id = id, .kind = ControlKind::ComboBox, .shown = false, .rect = kHiddenSpot};
}

ControlTemplate hiddenButton(int id, const char* caption) {
    return {.id = id,
            .kind = ControlKind::PushButton,
            .caption = caption,
            .shown = false,
            .rect = kHiddenSpot};
}

ControlTemplate button(int id, const char* caption, DluRect rect) {
    return {.id = id, .kind = ControlKind::PushButton, .caption = caption, .rect = rect};
}

DialogTemplate buildMainWindow() {
    using namespace ids;
    DialogTemplate tpl{.resourceId = 102,
                       .caption = QZ5_TEXT("Window", "Orvane QZ5 Config Basic"),
                       .width = 206,
                       .height = 169,
                       .font = kDialogFont,
                       // Between the profile page and the buttons.
                       .addedLine = {7, 121, 192, 12}};
    tpl.controls = {
        {.kind = ControlKind::Static,
         .caption = QZ5_TEXT("Window", "Callsign:"),
         .rect = {15, 23, 32, 13},
         .align = TextAlign::Right,
         .verticallyCentred = true,
         .labelFor = kCallsign},
        {.id = kCallsign, .kind = ControlKind::Edit, .rect = {50, 23, 88, 13}, .upperCase = true},
        label(QZ5_TEXT("Window", "Text:"), {29, 36, 18, 13}, kStatusText),
        {.id = kStatusText, .kind = ControlKind::Edit, .rect = {49, 36, 119, 13}},
        label(QZ5_TEXT("Window", "Symbol:"), {17, 50, 30, 13}, kSymbol),
        {.id = kSymbol, .kind = ControlKind::ComboBox, .rect = {49, 53, 119, 68}, .editable = true},
        label(QZ5_TEXT("Window", "Frequency:"), {7, 69, 40, 13}, kFrequency),
        {.id = kFrequency,
         .kind = ControlKind::ComboBox,
         .rect = {49, 68, 119, 58},
         .editable = true},
        hiddenEdit(kDigiPath, true),
        hiddenEdit(kSpare1014),
        hiddenEdit(kSymbolTable),
        hiddenEdit(kSpare1055, true),
        hiddenNumber(kDelay1),
        label(QZ5_TEXT("Window", "Transmit Rate:"), {7, 85, 50, 13}, kTransmitRate),
        {.id = kTransmitRate,
         .kind = ControlKind::Edit,
         .rect = {63, 85, 25, 13},
         .digitsOnly = true},
        {.kind = ControlKind::Static,
         .caption = QZ5_TEXT("Window", "seconds"),
         .rect = {88, 85, 40, 13},
         .unitFor = kTransmitRate},
        hiddenNumber(kDelay2),
        hiddenNumber(kAltRate),
        hiddenNumber(kDelay3),
        hiddenNumber(kCalibration),
        hiddenNumber(kAuxCount),
        hiddenCheck(kSendSeparate, QZ5_TEXT("Window", "Send Separate")),
        hiddenCheck(kNoGreaterThan, QZ5_TEXT("Window", "Don't Send '>'")),
        hiddenCheck(kSendAltitude, QZ5_TEXT("Window", "Send Altitude")),
        hiddenCheck(kAlternateDigiPaths, QZ5_TEXT("Window", "Alternate Digi Paths")),
        hiddenCheck(kOnlySendValid, QZ5_TEXT("Window", "Only Send Valid")),
        hiddenCheck(kAllowTtlSerial, QZ5_TEXT("Window", "Allow TTL Serial")),
        hiddenCheck(kInvertCdIn, QZ5_TEXT("Window", "Invert CD IN")),
        hiddenCheck(kTimestampDhm, QZ5_TEXT("Window", "Timestamp DHM")),
        hiddenCheck(kNoTxOnPttIn, QZ5_TEXT("Window", "No TX on PTT In")),
        hiddenCheck(kSendNmea, QZ5_TEXT("Window", "Send NMEA")),
        hiddenCheck(kTimestampHms, QZ5_TEXT("Window", "Timestamp HMS")),
        hiddenCheck(kSerialOutHigh, QZ5_TEXT("Window", "Serial Out High")),
        hiddenCheck(kSkipStartPacket, QZ5_TEXT("Window", "Skip Start Packet")),
        hiddenCheck(kPacket300Baud, QZ5_TEXT("Window", "300 baud packet")),
        hiddenCheck(kGps9600, QZ5_TEXT("Window", "9600 baud GPS")),
        hiddenCheck(kMicEEnable, QZ5_TEXT("Window", "Enable")),
        hiddenList(kMicEStatus),
        hiddenCheck(kForcePrintable, QZ5_TEXT("Window", "Force Printable")),
        hiddenList(kMicEPath),
        hiddenCheck(kSlotEnable, QZ5_TEXT("Window", "Enable")),
        hiddenNumber(kSlotSeconds),
        {.id = kSmartBeaconing,
         .kind = ControlKind::CheckBox,
         .caption = QZ5_TEXT("Window", "SmartBeaconing"),
         .rect = {25, 100, 68, 10}},
        {.kind = ControlKind::Static,
         .caption = std::string(kWebAddress),
         .shown = false,
         .rect = kHiddenSpot,
         .align = TextAlign::Right},
        {.id = kProfileTabs,
         .kind = ControlKind::TabControl,
         .caption = "Tab1",
         .rect = {5, 5, 194, 115},
         .name = QZ5_TEXT("Window", "Profile")},
        hiddenNumber(kSbTurnAngle),
        hiddenNumber(kSbTurnSlope),
        hiddenNumber(kSbTurnTime),
        hiddenNumber(kSbLowSpeed),
        hiddenNumber(kSbSlowRate),
        hiddenNumber(kSbHighSpeed),
        hiddenNumber(kSbFastRate),
        hiddenCheck(kAuxEnable, QZ5_TEXT("Window", "Enable")),
        hiddenNumber(kAuxValue),
        {.id = kComPort,
         .kind = ControlKind::ComboBox,
         .rect = {13, 133, 65, 65},
         .sorted = true,
         .name = QZ5_TEXT("Window", "COM port")},
        button(kReadVersion, QZ5_TEXT("Window", "Read Version"), {13, 148, 65, 12}),
        button(kReadConfiguration, QZ5_TEXT("Window", "Read Configuration"), {87, 133, 65, 12}),
        button(kWriteConfiguration, QZ5_TEXT("Window", "Write Configuration"), {87, 148, 65, 12}),
        {.kind = ControlKind::GroupBox,
         .caption = QZ5_TEXT("Window", "Configure"),
         .rect = {7, 122, 150, 40}},
        hiddenButton(kSendLowTone, QZ5_TEXT("Window", "Send 1200 Hz")),
        hiddenButton(kSendHighTone, QZ5_TEXT("Window", "Send 2200 Hz")),
        hiddenButton(kSendBothTones, QZ5_TEXT("Window", "Send Both")),
        hiddenButton(kStopTones, QZ5_TEXT("Window", "Stop Sending")),
        hiddenButton(kSave, QZ5_TEXT("Window", "Save")),
        hiddenButton(kLoad, QZ5_TEXT("Window", "Load")),
        button(kExit, QZ5_TEXT("Window", "Exit"), {159, 150, 40, 12}),
        button(kAbout, QZ5_TEXT("Window", "About"), {161, 134, 35, 12}),
    };
    // Tools have no room here; their commands are on the window menu.
    for (const ToolCommand& tool : kToolCommands) {
        tpl.controls.push_back(hiddenButton(tool.id, toolCaption(tool).c_str()));
    }
    for (const ToolCommand& choice : kToolChoices) {
        tpl.controls.push_back(hiddenCheck(choice.id, toolCaption(choice).c_str()));
    }
    // So has the SmartBeaconing preset list that All settings shows.
    tpl.controls.push_back(hiddenList(kSmartBeaconingPreset));
    tpl.controls.push_back(hiddenButton(kApplyPreset, QZ5_TEXT("Window", "Apply to Profile")));
    tpl.initialItems = {
        {kSymbol, {"[ (Pedestrian)", "> (Car)", "' (Airplane)"}},
        {kFrequency,
         {"144.390 MHz - Americas", "144.800 MHz - Europe", "145.175 MHz - Australia",
          "144.340 MHz - Testing"}},
        // Mic-E's words for a status and a path; WIDE-n is APRS's own.
        {kMicEStatus,
         {QZ5_TEXT("Window", "Off Duty"), QZ5_TEXT("Window", "En Route"),
          QZ5_TEXT("Window", "In Service"), QZ5_TEXT("Window", "Returning"),
          QZ5_TEXT("Window", "Committed"), QZ5_TEXT("Window", "Special"),
          QZ5_TEXT("Window", "Priority"), QZ5_TEXT("Window", "Emergency!")}},
        {kMicEPath,
         {QZ5_TEXT("Window", "Conventional"), "WIDE-1", "WIDE-2", "WIDE-3", "WIDE-4", "WIDE-5",
          "WIDE-6", "WIDE-7", QZ5_TEXT("Window", "North"), QZ5_TEXT("Window", "South"),
          QZ5_TEXT("Window", "East"), QZ5_TEXT("Window", "West"),
          QZ5_TEXT("Window", "North + WIDE"), QZ5_TEXT("Window", "South + WIDE"),
          QZ5_TEXT("Window", "East + WIDE"), QZ5_TEXT("Window", "West + WIDE")}},
        {kComPort, {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}},
    };
    for (const SmartBeaconingPreset& preset : kSmartBeaconingPresets) {
        tpl.initialItems[kSmartBeaconingPreset].push_back(describePreset(preset));
    }
    return tpl;
}

}  // namespace

const DialogTemplate& mainWindowTemplate() {
    static const DialogTemplate tpl = buildMainWindow();
    return tpl;
}

}  // namespace qz5
