// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/rule_groups.h"
#include "config/mic_e_status.h"
#include "config/timing/beacon_timing.h"

namespace qz5::check {
namespace {

std::string seconds(std::int32_t value) {
    return std::to_string(value) + " s";
}

void checkRate(std::int32_t rate, PerProfile<std::int32_t> TrackerConfig::*field, int k,
               FindingList& findings) {
    if (rate < kShortestRoutineInterval) {
        findings.add(Severity::Warning, Rule::RateTooFast, field, k,
                     say("Check",
                         "Beacon every %1 or slower instead of every %2: one minute is for "
                         "special events, two or more for routine use.")
                         .with(seconds(kShortestRoutineInterval), seconds(rate)));
    }
}

}  // namespace

void checkBeaconing(const CheckInput& input, int k, FindingList& findings) {
    const TrackerConfig& c = input.entered;
    if (c.smartBeaconing[k]) {
        // The speeds' unit is the tracker's own: compared with each other only.
        if (c.sbFastRate[k] >= c.sbSlowRate[k]) {
            findings.add(Severity::Error, Rule::SmartBeaconingRates, &TrackerConfig::sbFastRate, k,
                         say("Check",
                             "Make the fast rate shorter than the slow rate (now %1 and %2), or "
                             "faster driving would beacon less often.")
                             .with(seconds(c.sbFastRate[k]), seconds(c.sbSlowRate[k])));
        }
        if (c.sbHighSpeed[k] <= c.sbLowSpeed[k]) {
            findings.add(
                Severity::Error, Rule::SmartBeaconingSpeeds, &TrackerConfig::sbHighSpeed, k,
                say("Check", "Make the high speed greater than the low speed (now %1 and %2).")
                    .with(std::to_string(c.sbHighSpeed[k]), std::to_string(c.sbLowSpeed[k])));
        }
        checkRate(c.sbFastRate[k], &TrackerConfig::sbFastRate, k, findings);
    } else {
        checkRate(c.transmitRate[k], &TrackerConfig::transmitRate, k, findings);
    }

    if (c.slotEnable[k] && c.smartBeaconing[k]) {
        // The slot's second is what gets lost, so the finding stands by it.
        findings.add(Severity::Error, Rule::SlotWithSmartBeaconing, &TrackerConfig::slotSeconds, k,
                     say("Check",
                         "Turn off either the time slot or SmartBeaconing: the tracker keeps the "
                         "slot in SmartBeaconing's settings."));
    }
    if (c.slotEnable[k] && c.slotSeconds[k] > c.transmitRate[k]) {
        findings.add(Severity::Error, Rule::SlotBeyondRate, &TrackerConfig::slotSeconds, k,
                     say("Check",
                         "Set the time slot to at most the transmit rate, %1: a slot at %2 never "
                         "comes.")
                         .with(seconds(c.transmitRate[k]), seconds(c.slotSeconds[k])));
    }

    if (c.micEEnable[k] && sendsEmergency(c, k)) {
        findings.add(Severity::Error, Rule::MicEEmergency, &TrackerConfig::micEStatus, k,
                     say("Check",
                         "Choose another Mic-E message unless this is a real emergency: "
                         "Emergency! sets off alarms at every station that hears it."));
    }
}

}  // namespace qz5::check
