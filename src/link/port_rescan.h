// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <vector>

#include "link/device_identity.h"

namespace qz5 {

// A port list rescan after devices came or went. Opening a serial device
// raises DTR and RTS, which keys the transmitter of some radio interfaces, so
// a listed device that is still present as it was keeps its entry without an
// open: these are the paths returned. Every other present device (new,
// changed, or refused before and perhaps free now) is opened to be listed.
std::set<std::string> devicesListedAsBefore(const std::vector<DeviceIdentity>& listed,
                                            const std::vector<DeviceIdentity>& present);

}  // namespace qz5
