// SPDX-License-Identifier: GPL-3.0-or-later
// ITU Radio Regulations, Article 5 (Nos. 5.3 to 5.9), the region boundaries:
// Region 1 is Europe, Africa, the Middle East west of Iran, the former Soviet
// Union and Mongolia; Region 2 the Americas with Greenland and the eastern
// Pacific islands; Region 3 the rest of Asia and Oceania. Lines A and C cut
// through some continents, so the ITU zone decides there.
#include "config/check/itu_region.h"

#include <array>
#include <optional>
#include <string_view>

namespace qz5 {
namespace {

struct ZoneRegion {
    std::string_view continent;
    int firstZone;
    int lastZone;
    std::optional<ItuRegion> region;  // none: the zone spans two regions
};

constexpr std::array<ZoneRegion, 8> kZoneExceptions = {{
    {"AF", 41, 41, ItuRegion::Three},  // Chagos, east of Line A
    {"AF", 68, 68, ItuRegion::Three},  // Kerguelen, Heard, Amsterdam: east of Line A
    {"AS", 20, 32, ItuRegion::One},    // the former Soviet Union in Asia, Mongolia
    {"AS", 33, 33, std::nullopt},      // Mongolia and Siberia, and north-west China
    {"AS", 39, 39, ItuRegion::One},    // the Middle East west of Iran, Asian Turkey
    {"AS", 48, 48, ItuRegion::One},    // Socotra
    {"AS", 75, 75, ItuRegion::One},    // north-east Siberia
    {"OC", 61, 61, ItuRegion::Two},    // Hawaii and the islands west of it, east of Line C
}};

struct ContinentRegion {
    std::string_view continent;
    ItuRegion region;
};

constexpr std::array<ContinentRegion, 4> kContinentRegions = {{
    {"EU", ItuRegion::One},
    {"AF", ItuRegion::One},
    {"NA", ItuRegion::Two},
    {"SA", ItuRegion::Two},
}};

std::optional<ItuRegion> regionOf(std::string_view continent, int zone) {
    for (const ZoneRegion& exception : kZoneExceptions) {
        if (exception.continent == continent && zone >= exception.firstZone &&
            zone <= exception.lastZone) {
            return exception.region;
        }
    }
    for (const ContinentRegion& entry : kContinentRegions) {
        if (entry.continent == continent) {
            return entry.region;
        }
    }
    return ItuRegion::Three;
}

}  // namespace

ItuRegion ituRegion(const CallsignPlace& place) {
    // A zone that spans two regions leaves it to the country's own zone: the
    // Regulations name the countries of Region 1 in Asia.
    return regionOf(place.continent, place.ituZone)
        .value_or(
            regionOf(place.country->continent, place.country->ituZone).value_or(ItuRegion::Three));
}

}  // namespace qz5
