// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "app/controls/control_ids.h"
#include "app/controls/dialog_template.h"
#include "config/record_fields.h"

namespace qz5 {

// How the form exchange moves a field between its control and the record.
enum class FormExchange {
    Plain,     // a number in an edit, or a checkbox, copied as it stands
    Explicit,  // code of its own: texts, lists, clamps, the timestamp pair
    None,      // not on the form
};

template <typename Member>
struct FieldControl {
    Member member;
    int id;
    FormExchange exchange;
};
template <typename Member>
FieldControl(Member, int, FormExchange) -> FieldControl<Member>;

// The control that shows each field of the record, keyed by the field.
inline constexpr std::tuple kFieldControls{
    FieldControl{&TrackerConfig::activeProfile, kNoControlId, FormExchange::None},
    FieldControl{&TrackerConfig::calibration, ids::kCalibration, FormExchange::Explicit},
    FieldControl{&TrackerConfig::calibrationChanged, kNoControlId, FormExchange::None},
    FieldControl{&TrackerConfig::callsign, ids::kCallsign, FormExchange::Explicit},
    FieldControl{&TrackerConfig::digiPath, ids::kDigiPath, FormExchange::Explicit},
    FieldControl{&TrackerConfig::statusText, ids::kStatusText, FormExchange::Explicit},
    FieldControl{&TrackerConfig::delay1Ms, ids::kDelay1, FormExchange::Plain},
    FieldControl{&TrackerConfig::delay2Ms, ids::kDelay2, FormExchange::Plain},
    FieldControl{&TrackerConfig::micEStatus, ids::kMicEStatus, FormExchange::Explicit},
    FieldControl{&TrackerConfig::micEPath, ids::kMicEPath, FormExchange::Explicit},
    FieldControl{&TrackerConfig::symbolCode, ids::kSymbol, FormExchange::Explicit},
    FieldControl{&TrackerConfig::symbolTable, ids::kSymbolTable, FormExchange::Explicit},
    FieldControl{&TrackerConfig::auxCount, ids::kAuxCount, FormExchange::Plain},
    FieldControl{&TrackerConfig::transmitRate, ids::kTransmitRate, FormExchange::Explicit},
    FieldControl{&TrackerConfig::altRateSeconds, ids::kAltRate, FormExchange::Explicit},
    FieldControl{&TrackerConfig::slotSeconds, ids::kSlotSeconds, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbLowSpeed, ids::kSbLowSpeed, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbHighSpeed, ids::kSbHighSpeed, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbSlowRate, ids::kSbSlowRate, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbFastRate, ids::kSbFastRate, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbTurnAngle, ids::kSbTurnAngle, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbTurnSlope, ids::kSbTurnSlope, FormExchange::Plain},
    FieldControl{&TrackerConfig::sbTurnTime, ids::kSbTurnTime, FormExchange::Plain},
    FieldControl{&TrackerConfig::delay3Ms, ids::kDelay3, FormExchange::Plain},
    FieldControl{&TrackerConfig::auxValue, ids::kAuxValue, FormExchange::Plain},
    FieldControl{&TrackerConfig::frequencyMHz, ids::kFrequency, FormExchange::Explicit},
    FieldControl{&TrackerConfig::forcePrintable, ids::kForcePrintable, FormExchange::Plain},
    FieldControl{&TrackerConfig::onlySendValid, ids::kOnlySendValid, FormExchange::Plain},
    FieldControl{&TrackerConfig::slotEnable, ids::kSlotEnable, FormExchange::Plain},
    // Set by the encoder from the transmit rate.
    FieldControl{&TrackerConfig::slotDivides60, kNoControlId, FormExchange::None},
    FieldControl{&TrackerConfig::slotDivides600, kNoControlId, FormExchange::None},
    FieldControl{&TrackerConfig::smartBeaconing, ids::kSmartBeaconing, FormExchange::Plain},
    FieldControl{&TrackerConfig::sendAltitude, ids::kSendAltitude, FormExchange::Plain},
    FieldControl{&TrackerConfig::micEEnable, ids::kMicEEnable, FormExchange::Plain},
    FieldControl{&TrackerConfig::auxEnable, ids::kAuxEnable, FormExchange::Plain},
    FieldControl{&TrackerConfig::timestamp, ids::kTimestampDhm, FormExchange::Explicit},
    FieldControl{&TrackerConfig::allowTtlSerial, ids::kAllowTtlSerial, FormExchange::Plain},
    FieldControl{&TrackerConfig::alternateDigiPaths, ids::kAlternateDigiPaths, FormExchange::Plain},
    FieldControl{&TrackerConfig::invertCdIn, ids::kInvertCdIn, FormExchange::Plain},
    FieldControl{&TrackerConfig::timestampHms, ids::kTimestampHms, FormExchange::Explicit},
    FieldControl{&TrackerConfig::noTxOnPttIn, ids::kNoTxOnPttIn, FormExchange::Plain},
    FieldControl{&TrackerConfig::sendNmea, ids::kSendNmea, FormExchange::Plain},
    FieldControl{&TrackerConfig::sendSeparate, ids::kSendSeparate, FormExchange::Plain},
    FieldControl{&TrackerConfig::packet300Baud, ids::kPacket300Baud, FormExchange::Plain},
    FieldControl{&TrackerConfig::noGreaterThan, ids::kNoGreaterThan, FormExchange::Plain},
    FieldControl{&TrackerConfig::serialOutHigh, ids::kSerialOutHigh, FormExchange::Plain},
    FieldControl{&TrackerConfig::skipStartPacket, ids::kSkipStartPacket, FormExchange::Plain},
    FieldControl{&TrackerConfig::gps9600, ids::kGps9600, FormExchange::Plain},
};

// Calls visit(entry) for every entry above, in order.
template <typename Visit>
constexpr void forEachFieldControl(Visit&& visit) {
    std::apply([&](const auto&... entry) { (visit(entry), ...); }, kFieldControls);
}

// The entry of a field; every field of the record has one (checked below).
template <typename Member>
constexpr FieldControl<Member> fieldControl(Member member) {
    FieldControl<Member> found{member, kNoControlId, FormExchange::None};
    forEachFieldControl([&](const auto& entry) {
        if constexpr (std::is_same_v<decltype(entry.member), Member>) {
            if (entry.member == member) {
                found = entry;
            }
        }
    });
    return found;
}

// The help of the field that control `id` shows; empty where it shows none.
constexpr const char* fieldHelpOf(int id) {
    const char* help = "";
    forEachFieldControl([&](const auto& entry) {
        if (id != kNoControlId && entry.id == id) {
            help = fieldInfo(entry.member).help;
        }
    });
    return help;
}

// The control of the field with this JSON name; kNoControlId when none.
constexpr int fieldControlId(std::string_view name) {
    int id = kNoControlId;
    forEachFieldControl([&](const auto& entry) {
        if (name == fieldInfo(entry.member).name) {
            id = entry.id;
        }
    });
    return id;
}

template <typename Member>
constexpr bool kPlainType = std::is_same_v<Member, PerProfile<std::int32_t> TrackerConfig::*> ||
                            std::is_same_v<Member, PerProfile<bool> TrackerConfig::*>;

// Calls visit(member, id) for every plain field: the numbers and checkboxes.
template <typename Visit>
void forEachPlainField(Visit&& visit) {
    forEachFieldControl([&](const auto& entry) {
        if constexpr (kPlainType<decltype(entry.member)>) {
            if (entry.exchange == FormExchange::Plain) {
                visit(entry.member, entry.id);
            }
        }
    });
}

namespace detail {

// A field added to the record's table must be given its control here, and
// only numbers and checkboxes are plain.
consteval bool everyFieldHasOneEntry() {
    int fields = 0;
    bool sound = true;
    const auto count = [&](const FieldInfo&, auto member) {
        using Member = decltype(member);
        ++fields;
        int entries = 0;
        forEachFieldControl([&](const auto& entry) {
            if constexpr (std::is_same_v<decltype(entry.member), Member>) {
                entries += entry.member == member ? 1 : 0;
            }
        });
        sound = sound && entries == 1;
    };
    forEachSharedField(count);
    forEachProfileField(count);
    forEachFieldControl([&](const auto& entry) {
        using Member = decltype(entry.member);
        sound = sound && (entry.exchange != FormExchange::Plain || kPlainType<Member>);
    });
    return sound && fields == static_cast<int>(std::tuple_size_v<decltype(kFieldControls)>);
}

}  // namespace detail

static_assert(detail::everyFieldHasOneEntry(),
              "every field of the record table needs one control entry");

}  // namespace qz5
