// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/version_reply.h"

#include <algorithm>
#include <array>

namespace qz5 {

namespace {

// Only A to Z fold, whatever the locale says about other bytes.
char foldAsciiLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithFolded(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char p, char t) { return foldAsciiLetter(p) == foldAsciiLetter(t); });
}

// The older family's prefix includes its blank; the newer one is compared
// without the blank that the stored text "OV-QZ5 " carries.
constexpr std::array<std::string_view, 2> kAcceptedPrefixes{"OV4600KR ", "OV-QZ5"};

}  // namespace

bool isAcceptedVersionReply(std::string_view reply) {
    reply = reply.substr(0, reply.find('\0'));
    return std::any_of(
        kAcceptedPrefixes.begin(), kAcceptedPrefixes.end(),
        [reply](std::string_view prefix) { return startsWithFolded(reply, prefix); });
}

}  // namespace qz5
