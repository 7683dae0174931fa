// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/outcome.h"

namespace qz5 {

// Why Windows refused to open a COM port, from the error CreateFileA left
// (GetLastError), in words a user can act on. `systemText` is Windows' own
// message for the error, used for errors without words of ours.
Text openErrorText(unsigned long error, const std::string& portName, const std::string& systemText);
// Its English, for the callers that still glue it into their own words.
std::string explainOpenError(unsigned long error, const std::string& portName,
                             const std::string& systemText);

// The kind of refusal behind that error.
FailureKind openErrorKind(unsigned long error);

// Windows' own message for an error, without its line break.
std::string systemErrorText(unsigned long error);

}  // namespace qz5
