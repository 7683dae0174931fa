// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tracker_search.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/outside_text.h"
#include "link/port_holders.h"
#include "link/port_table.h"
#include "link/serial_link.h"

namespace qz5 {

namespace {

// The reply as one line: the tracker ends it with a line break of its own.
std::string oneLine(const char* reply) {
    std::string text(reply);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.pop_back();
    }
    return text;
}

PortAnswer ask(SerialLink& link, const std::string& port, const SearchStep& step,
               const OtherHolders& holders, const SearchHooks& hooks) {
    // A terminal program that holds a port without a lock would hear the
    // request, and have its line's rate switched under it.
    if (const auto path = link.portTable().devicePath(port); path && holders.hold(*path)) {
        return {.port = port, .outcome = PortAnswer::Outcome::HeldElsewhere};
    }
    if (!link.portExists(port)) {
        return {.port = port,
                .outcome = PortAnswer::Outcome::NotAsked,
                .reason = link.portFailure(port)};
    }
    link.setPortName(port);
    std::array<char, 32> reply{};
    for (const std::int32_t rate : kProbeRates) {
        if (hooks.asking) {
            SearchStep at = step;
            at.baudRate = rate;
            hooks.asking(at);
        }
        link.setBaudRate(rate);
        // A silent port is what a search expects: its messages say nothing new.
        if (link.queryVersion(std::span(reply).first(30))) {
            return {.port = port,
                    .outcome = PortAnswer::Outcome::Answered,
                    .version = oneLine(reply.data()),
                    .baudRate = rate};
        }
    }
    return {.port = port, .outcome = PortAnswer::Outcome::Silent};
}

}  // namespace

std::vector<PortAnswer> TrackerSearch::answered() const {
    std::vector<PortAnswer> found;
    std::copy_if(ports.begin(), ports.end(), std::back_inserter(found),
                 [](const PortAnswer& p) { return p.outcome == PortAnswer::Outcome::Answered; });
    return found;
}

TrackerSearch findTracker(SerialLink& link, const std::vector<std::string>& ports,
                          const SearchHooks& hooks) {
    const std::string previousPort = link.portName();
    const std::int32_t previousRate = link.baudRate();
    const OtherHolders holders = OtherHolders::look();
    TrackerSearch search;
    const int count = static_cast<int>(ports.size());
    for (int index = 0; index < count; ++index) {
        if (hooks.cancelled && hooks.cancelled()) {
            search.cancelled = true;
            break;
        }
        const std::string& port = ports[static_cast<std::size_t>(index)];
        const SearchStep step{.port = port, .index = index + 1, .count = count};
        search.ports.push_back(ask(link, port, step, holders, hooks));
    }
    const std::vector<PortAnswer> found = search.answered();
    if (found.size() == 1) {
        link.setPortName(found.front().port);
        link.setBaudRate(found.front().baudRate);
    } else {
        link.setPortName(previousPort);
        link.setBaudRate(previousRate);
    }
    return search;
}

Text answerText(const PortAnswer& answer) {
    switch (answer.outcome) {
        case PortAnswer::Outcome::Answered:
            return say("Ports", "%1 at %2 bit/s: %3")
                .with(answer.port, std::to_string(answer.baudRate), printableText(answer.version));
        case PortAnswer::Outcome::Silent:
            return say("Ports", "%1: no answer").with(answer.port);
        case PortAnswer::Outcome::HeldElsewhere:
            return say("Ports", "%1: held by another program: passed over").with(answer.port);
        case PortAnswer::Outcome::NotAsked:
            return answer.reason.empty()
                       ? say("Ports", "%1: not asked").with(answer.port)
                       : say("Ports", "%1: not asked, %2").with(answer.port, answer.reason);
    }
    return {};
}

}  // namespace qz5
