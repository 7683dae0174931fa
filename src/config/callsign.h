// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace qz5 {

// A callsign as the image holds it: six upper-case characters padded with
// spaces, and an SSID 0..15.
struct CallsignAddress {
    std::array<char, 7> base{};  // six characters and a NUL
    std::int32_t ssid = 0;
};

// Typed text -> address. Reads up to the NUL or the first punctuation mark;
// an SSID follows only a hyphen. Never fails.
CallsignAddress normaliseCallsign(std::string_view text);

// Typed text -> display text: base without trailing spaces, "-SSID" unless 0.
// At most 9 characters.
std::string formatCallsign(std::string_view text);

// A comma-separated digipeater path -> one address per element (a trailing
// comma adds nothing; an empty path has none).
std::vector<CallsignAddress> splitPath(std::string_view path);

// Formatted element texts -> path text, "," between elements. Stops before an
// element that would make the text longer than maxLength (whole elements only).
std::string joinPath(const std::vector<std::string>& texts,
                     std::size_t maxLength = std::numeric_limits<std::size_t>::max());

}  // namespace qz5
