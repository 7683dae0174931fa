// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

#include "config/check/finding.h"

class QStyle;

namespace qz5 {

// "Warning, Secondary profile, Transmit rate: <what to do>": one finding as
// the window words it, with the field's label from the field table.
QString findingLine(const Finding& finding);

// "Callsign: enter your own": the field's label and what to do, short enough
// for one line of the findings strip.
QString findingHeadline(const Finding& finding);

// "Error", "Warning" or "Note": what the icon of a severity says in words.
QString severityWord(Severity severity);

// The style's own message icon for a severity, so that the palette decides
// its colours and a shape goes with the word.
QIcon severityIcon(Severity severity, const QStyle& style);

}  // namespace qz5
