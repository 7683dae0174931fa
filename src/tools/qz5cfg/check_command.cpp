// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/check_command.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>

#include "common/outside_text.h"
#include "config/check/config_check.h"
#include "config/check/system_prefix_list.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/device_session.h"
#include "tools/qz5cfg/help_text.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

namespace {

// The field as the JSON form and diff name it.
std::string fieldPath(const Finding& finding) {
    if (!finding.profile) {
        return finding.field;
    }
    return "profiles[" + std::to_string(*finding.profile) + "]." + finding.field;
}

}  // namespace

Json findingsToJson(const std::vector<Finding>& findings) {
    Json list = Json::array();
    for (const Finding& finding : findings) {
        list.push_back({{"severity", severityName(finding.severity)},
                        {"rule", ruleName(finding.rule)},
                        {"field", fieldPath(finding)},
                        {"profile", finding.profile ? Json(*finding.profile) : Json()},
                        {"message", validUtf8(finding.message)}});
    }
    return list;
}

const PrefixList* prefixListForCheck() {
    static const bool said = [] {
        if (!systemPrefixListProblem().empty()) {
            reportToolError(systemPrefixListProblem());
        }
        return true;
    }();
    static_cast<void>(said);
    return systemPrefixList();
}

void printFindings(const std::vector<Finding>& findings, std::ostream& out) {
    for (const Finding& finding : findings) {
        out << severityName(finding.severity) << "  " << ruleName(finding.rule) << "  "
            << fieldPath(finding) << "  " << printableText(shown(finding.said)) << '\n';
    }
}

bool stopsStrictly(const TrackerConfig& config, bool strict, const Text& refusal,
                   std::ostream& findings) {
    const std::vector<Finding> found = checkConfig(config, prefixListForCheck(), &systemSymbols());
    printFindings(found, findings);
    findings << std::flush;
    const bool error = std::any_of(found.begin(), found.end(), [](const Finding& finding) {
        return finding.severity == Severity::Error;
    });
    if (strict && error) {
        reportToolError(refusal);
        return true;
    }
    return false;
}

CheckStatus runCheck(const std::string& side, const CheckOptions& options,
                     const TrackerImageReader& readTracker, std::ostream& out) {
    std::vector<Rule> ignored;
    for (const std::string& name : options.ignored) {
        const std::optional<Rule> rule = findRule(name);
        if (!rule) {
            reportToolError(
                say("Cli", "--ignore %1: no such rule; 'qz5cfg check --help' lists them")
                    .with(printableText(name)));
            return CheckStatus::Trouble;
        }
        ignored.push_back(*rule);
    }
    TrackerConfig config;
    ConfigImage image{};
    if (loadSide(side, readTracker, config, image) != ExitStatus::Ok) {
        return CheckStatus::Trouble;
    }
    std::vector<Finding> findings = checkConfig(config, prefixListForCheck(), &systemSymbols());
    std::erase_if(findings, [&](const Finding& finding) {
        return std::find(ignored.begin(), ignored.end(), finding.rule) != ignored.end();
    });
    if (options.asJson) {
        printJson(out, findingsToJson(findings));
    } else {
        printFindings(findings, out);
    }
    if (finishOutput(out) != ExitStatus::Ok) {
        return CheckStatus::Trouble;
    }
    const bool serious = std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
        return finding.severity != Severity::Note;
    });
    return serious ? CheckStatus::Findings : CheckStatus::Clean;
}

void addCheckCommand(CommandSet& commands) {
    struct Options {
        std::string source;
        CheckOptions check;
    };
    auto o = std::make_shared<Options>();
    auto& check = commands.add(
        "check",
        shown(say("Cli",
                  "Check a configuration file, JSON record or tracker:PORT against APRS practice "
                  "and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or "
                  "an error, 2 trouble.")),
        [o, &devices = commands.devices()] {
            return CommandRun{[o, &devices] {
                return static_cast<int>(
                    runCheck(o->source, o->check, devices.quietTrackerReader(), std::cout));
            }};
        },
        rulesHelp());
    check.add_option("SOURCE", o->source, shown(say("Cli", "file, JSON record or tracker:PORT")))
        ->required();
    check.add_flag("--json", o->check.asJson,
                   shown(say("Cli", "print the findings as a JSON array")));
    check
        .add_option("--ignore", o->check.ignored,
                    shown(say("Cli", "leave out the findings of this rule (repeatable)")))
        ->type_name("RULE")
        ->allow_extra_args(false);
}

}  // namespace qz5
