// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <string>
#include <vector>

#include "app/controls/dialog_template.h"

namespace qz5 {

// A label as a screen reader says it: no mnemonic marker, no colon.
QString spokenLabel(const QString& caption);

// The caption with `key` marked as its mnemonic; unchanged for no key.
QString withMnemonic(const QString& caption, QChar key);

// The Alt+letter of each shown push button and of each label that names a
// control, by the item's place in the template; a null QChar for none. Buttons
// choose first, each the start of one of its words from the last, else any of
// its letters; no two share one.
std::vector<QChar> accessKeys(const DialogTemplate& tpl);

// What a screen reader says of each control of the template that has an id,
// by item place: the name (its label's, else the one the template gives), and
// the description (the unit beside it, then its field's help).
struct ControlVoice {
    QString name;
    QString description;
};
std::vector<ControlVoice> controlVoices(const DialogTemplate& tpl);

}  // namespace qz5
