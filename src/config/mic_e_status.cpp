// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/mic_e_status.h"

namespace qz5 {

bool sendsEmergency(const TrackerConfig& config, int profile) {
    return (config.micEStatus[profile] & 0xFF) == kEmergencyStatus;
}

bool sendsEmergency(const TrackerConfig& config) {
    return sendsEmergency(config, 0) || sendsEmergency(config, 1);
}

}  // namespace qz5
