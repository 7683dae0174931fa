// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <string>
#include <vector>

#include "app/controls/dialog_template.h"

namespace qz5 {

// A caption without the Alt markers a menu text or a translator put in;
// "&&" stands for one '&'. The window picks every Alt letter itself.
QString plainCaption(const QString& caption);

// A label as a screen reader says it: no mnemonic marker, no colon.
QString spokenLabel(const QString& caption);

// The caption with `key` marked as its mnemonic, as a label or button text:
// a '&' of its own doubled.
QString withMnemonic(const QString& caption, QChar key);

// The Alt+letter of each shown push button and of each label that names a
// control, by the item's place in the template, from the captions shown
// (`captions`, by item place, in the language shown); a null QChar for none.
// Buttons choose first, each the start of one of its words from the last,
// else any of its letters; no two share one, in any case or script.
std::vector<QChar> accessKeys(const DialogTemplate& tpl, const std::vector<QString>& captions);

// What a screen reader says of each control of the template that has an id,
// by item place: the name (its label's, else the one the template gives), and
// the description (the unit beside it, then its field's help), in the
// language now current; labels and units read as `captions` shows them.
struct ControlVoice {
    QString name;
    QString description;
};
std::vector<ControlVoice> controlVoices(const DialogTemplate& tpl,
                                        const std::vector<QString>& captions);

}  // namespace qz5
