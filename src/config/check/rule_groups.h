// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the groups of rules share inside the check; not for its callers.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "config/check/finding.h"
#include "config/check/prefix_list.h"
#include "config/record_fields.h"
#include "config/symbols/system_symbol_list.h"
#include "config/tracker_config.h"

namespace qz5::check {

struct CheckInput {
    const TrackerConfig& entered;  // as given, with the encoder's derived flags
    const TrackerConfig& sent;     // as the tracker will read its image back
    const PrefixList* prefixes;    // null: no country is known
    const SymbolSource* symbols;   // null: no symbol list was asked for
};

class FindingList {
  public:
    void add(Severity severity, Rule rule, const char* field, std::optional<int> profile,
             Text message) {
        std::string english = message.english();
        findings_.push_back(
            {severity, rule, field, profile, std::move(english), std::move(message)});
    }
    template <typename Member>
    requires std::is_member_object_pointer_v<Member>
    void add(Severity severity, Rule rule, Member member, int profile, Text message) {
        add(severity, rule, fieldInfo(member).name, profile, std::move(message));
    }
    bool hasError(const char* field, std::optional<int> profile) const {
        for (const Finding& finding : findings_) {
            if (finding.severity == Severity::Error && std::string_view(finding.field) == field &&
                finding.profile == profile) {
                return true;
            }
        }
        return false;
    }
    std::vector<Finding> take() { return std::move(findings_); }

  private:
    std::vector<Finding> findings_;
};

// A character as people can read it in a message, whatever their terminal:
// 'x' for printable ASCII, U+00E9 for anything else.
inline std::string shownCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte <= 0x7E) {
        return std::string("'") + c + "'";
    }
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", byte);
    return code;
}

// The callsign as the tracker will send it, without SSID: blank or upper case.
std::string sentCallsignBase(const TrackerConfig& config, int profile);
bool isPlaceholderCallsign(std::string_view base);

void checkCallsign(const CheckInput& input, int profile, FindingList& findings);
void checkPath(const CheckInput& input, int profile, FindingList& findings);
void checkBeaconing(const CheckInput& input, int profile, FindingList& findings);
void checkStatusText(const CheckInput& input, int profile, FindingList& findings);
void checkFrequency(const CheckInput& input, int profile, FindingList& findings);
void checkSymbol(const CheckInput& input, int profile, FindingList& findings);
// Every other field whose value the image does not hold; runs last, and says
// nothing more of a field that already has an error.
void checkKeptValues(const CheckInput& input, FindingList& findings);

}  // namespace qz5::check
