// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "config/check/finding.h"
#include "config/check/prefix_list.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

class CommandSet;

// 0 nothing above a note, 1 a warning or an error, 2 trouble.
enum class CheckStatus { Clean = 0, Findings = 1, Trouble = 2 };

struct CheckOptions {
    bool asJson = false;
    std::vector<std::string> ignored;  // rule names left out
};

// Checks what a side holds (a configuration file, a JSON record as it would
// be written, or tracker:PORT) and prints one line per finding, most severe
// first, or with asJson a JSON array of them. An unknown rule name is
// trouble.
CheckStatus runCheck(const std::string& side, const CheckOptions& options,
                     const TrackerImageReader& readTracker, std::ostream& out);

// Severity, rule, field, profile and message of each, as check --json prints.
Json findingsToJson(const std::vector<Finding>& findings);

// The system's callsign-prefix list for a check; the first call says on
// stderr why it is missing or was read only in part.
const PrefixList* prefixListForCheck();

// "severity  rule  field  message", one line each; texts that came from the
// record are shown escaped.
void printFindings(const std::vector<Finding>& findings, std::ostream& out);

// Prints the findings of the record that a write or build is about to hand on;
// true when `strict` and one of them is an error, after saying that nothing
// goes further: `refusal` says so.
bool stopsStrictly(const TrackerConfig& config, bool strict, const Text& refusal,
                   std::ostream& findings);

// The sub-command check.
void addCheckCommand(CommandSet& commands);

}  // namespace qz5
