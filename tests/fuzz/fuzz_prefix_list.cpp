// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text as a callsign-prefix list, and every callsign-like piece of it
// looked up: the reader must refuse or take it without reading out of bounds.
#include <string_view>

#include "config/check/itu_region.h"
#include "config/check/prefix_list.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qz5;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<PrefixList> list = PrefixList::parse(text);
    if (!list) {
        return 0;
    }
    for (std::size_t start = 0; start < size; start += 7) {
        const std::optional<CallsignPlace> place = list->find(text.substr(start, 6));
        if (place) {
            fuzzing::require(place->ituZone >= 1 && place->ituZone <= 90, "zones are 1 to 90");
            static_cast<void>(ituRegion(*place));
        }
    }
    return 0;
}
