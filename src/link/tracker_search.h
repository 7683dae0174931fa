// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"

namespace qz5 {

class SerialLink;

// What one port said when the tracker was looked for there.
struct PortAnswer {
    enum class Outcome {
        Answered,       // an accepted version reply
        Silent,         // opened, but no accepted reply at either rate
        HeldElsewhere,  // another process has it open: nothing was sent
        NotAsked,       // locked or refused: nothing was sent
    };
    std::string port{};
    Outcome outcome = Outcome::Silent;
    std::string version{};      // Answered: the reply
    std::int32_t baudRate = 0;  // Answered: the rate it answered at
    Text reason{};              // NotAsked: why, for a person
};

struct TrackerSearch {
    std::vector<PortAnswer> ports;  // in the order asked; none after a cancel
    bool cancelled = false;
    std::vector<PortAnswer> answered() const;
};

// Where a search has got: the port being asked and at which rate.
struct SearchStep {
    std::string port{};
    std::int32_t baudRate = 0;
    int index = 0;  // from 1
    int count = 0;
};

struct SearchHooks {
    std::function<void(const SearchStep&)> asking = {};
    // Asked before each port; true stops the search there.
    std::function<bool()> cancelled = {};
};

// Asks each of the ports that opens for the tracker's version, at each probe
// rate in turn as the probe does, and shows no message: a port that another
// process has open (as far as this user can see), locks or the system refuses
// is passed over unasked, so no program's line is changed under it. The probe sends
// the version request and raises DTR and RTS on every port it asks.
// Afterwards the link names the one port that answered, at the rate it
// answered at; when none or several did, it keeps its port and rate.
TrackerSearch findTracker(SerialLink& link, const std::vector<std::string>& ports,
                          const SearchHooks& hooks = {});

// "COM3 at 4800 bit/s: OV-QZ5 1.4" and the like, one port's outcome for a person.
Text answerText(const PortAnswer& answer);

}  // namespace qz5
