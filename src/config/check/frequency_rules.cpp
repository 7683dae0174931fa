// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstdio>

#include "config/check/itu_region.h"
#include "config/check/rule_groups.h"

namespace qz5::check {
namespace {

// Frequencies are compared in the image's 5 kHz steps.
constexpr int steps(double mhz) {
    // NOLINTNEXTLINE(bugprone-incorrect-roundings): below 0 it is out of band either way
    return static_cast<int>(mhz * 200 + 0.5);
}

constexpr int kBandStart = steps(144.000);
constexpr int kBandEnd = steps(148.000);
constexpr int kRegion1BandEnd = steps(146.000);
// The "Testing" entry of the window's frequency list.
constexpr int kTesting = steps(144.340);
constexpr int kRegion1Channel = steps(144.800);

// Countries with an APRS channel of their own, by the prefix list's primary
// prefix. The United States' entries are its states; Hawaii and Alaska are
// countries of their own in the list.
struct Channel {
    std::string_view prefix;
    int steps;
};
constexpr std::array<Channel, 7> kChannels = {{
    {"K", steps(144.390)},
    {"KL", steps(144.390)},
    {"KH6", steps(144.390)},
    {"VE", steps(144.390)},
    {"XE", steps(144.390)},
    {"VK", steps(145.175)},
    {"ZL", steps(144.575)},
}};

std::string megahertz(int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d MHz", count / 200, count % 200 * 5);
    return text;
}

std::optional<int> channelOf(const CallsignPlace& place) {
    for (const Channel& channel : kChannels) {
        if (channel.prefix == place.country->prefix) {
            return channel.steps;
        }
    }
    if (ituRegion(place) == ItuRegion::One) {
        return kRegion1Channel;
    }
    return std::nullopt;
}

}  // namespace

void checkFrequency(const CheckInput& input, int k, FindingList& findings) {
    const auto field = &TrackerConfig::frequencyMHz;
    // What goes on the air is the frequency as the image holds it.
    const int sent = steps(input.sent.frequencyMHz[k]);
    if (sent < kBandStart || sent > kBandEnd) {
        findings.add(Severity::Error, Rule::FrequencyBand, field, k,
                     say("Check", "Set a frequency in the 2 m band, %1 to %2.")
                         .with(megahertz(kBandStart), megahertz(kBandEnd)));
        return;
    }
    if (sent == kTesting) {
        findings.add(Severity::Note, Rule::FrequencyTesting, field, k,
                     say("Check",
                         "Set your APRS channel before the tracker goes into service: %1 is for "
                         "testing.")
                         .with(megahertz(kTesting)));
        return;
    }
    const std::string callsign = sentCallsignBase(input.entered, k);
    if (input.prefixes == nullptr || callsign.empty() || isPlaceholderCallsign(callsign)) {
        return;
    }
    const std::optional<CallsignPlace> place = input.prefixes->find(callsign);
    if (!place) {
        return;
    }
    if (ituRegion(*place) == ItuRegion::One && sent > kRegion1BandEnd) {
        findings.add(Severity::Error, Rule::FrequencyRegionBand, field, k,
                     say("Check",
                         "If you operate in %1, set a frequency of at most %2: the 2 m band of "
                         "ITU Region 1 ends there.")
                         .with(place->country->name, megahertz(kRegion1BandEnd)));
        return;
    }
    const std::optional<int> channel = channelOf(*place);
    if (channel && sent != *channel) {
        findings.add(Severity::Warning, Rule::FrequencyChannel, field, k,
                     say("Check", "If you operate in %1, set its APRS channel, %2.")
                         .with(place->country->name, megahertz(*channel)));
    }
}

}  // namespace qz5::check
