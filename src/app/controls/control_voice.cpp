// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/control_voice.h"

#include <QSet>
#include <map>

#include "app/controls/field_controls.h"
#include "app/controls/window_text.h"

namespace qz5 {

namespace {

bool takesKey(const ControlTemplate& item, bool buttons) {
    if (!item.shown) {
        return false;
    }
    return buttons ? item.kind == ControlKind::PushButton && item.id != kNoControlId
                   : item.kind == ControlKind::Static && item.labelFor != kNoControlId;
}

QChar chooseKey(const QString& caption, QSet<QChar>& taken) {
    std::vector<qsizetype> starts;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].isLetter() && (i == 0 || caption[i - 1].isSpace())) {
            starts.push_back(i);
        }
    }
    std::vector<qsizetype> order(starts.rbegin(), starts.rend());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        order.push_back(i);
    }
    for (const qsizetype i : order) {
        const QChar key = caption[i].toUpper();
        if (caption[i].isLetter() && !taken.contains(key)) {
            taken.insert(key);
            return caption[i];
        }
    }
    return {};
}

}  // namespace

QString plainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // A marker: the character after it stands as it is.
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) {
            break;
        }
        plain += caption[i];
    }
    return plain;
}

QString spokenLabel(const QString& caption) {
    QString spoken = plainCaption(caption);
    // The colon as the language writes it, with the space some put before it.
    while (!spoken.isEmpty() && (spoken.back() == QLatin1Char(':') || spoken.back() == u'\uff1a' ||
                                 spoken.back().isSpace())) {
        spoken.chop(1);
    }
    return spoken;
}

QString withMnemonic(const QString& caption, QChar key) {
    // A '&' of the words themselves must not mark a letter.
    QString marked = QString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
    if (const qsizetype at = key.isNull() ? -1 : marked.indexOf(key); at >= 0) {
        marked.insert(at, QLatin1Char('&'));
    }
    return marked;
}

std::vector<QChar> accessKeys(const DialogTemplate& tpl, const std::vector<QString>& captions) {
    std::vector<QChar> keys(tpl.controls.size());
    QSet<QChar> taken;
    for (const bool buttons : {true, false}) {
        for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
            if (takesKey(tpl.controls[i], buttons)) {
                keys[i] = chooseKey(captions.at(i), taken);
            }
        }
    }
    return keys;
}

std::vector<ControlVoice> controlVoices(const DialogTemplate& tpl,
                                        const std::vector<QString>& captions) {
    std::map<int, QString> labels;
    std::map<int, QString> units;
    for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
        const ControlTemplate& item = tpl.controls[i];
        if (item.labelFor != kNoControlId) {
            labels[item.labelFor] = spokenLabel(captions.at(i));
        }
        if (item.unitFor != kNoControlId) {
            units[item.unitFor] = captions.at(i);
        }
    }
    std::vector<ControlVoice> voices(tpl.controls.size());
    for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
        const ControlTemplate& item = tpl.controls[i];
        if (item.id == kNoControlId) {
            continue;
        }
        const auto label = labels.find(item.id);
        voices[i].name = label != labels.end() ? label->second : windowText(item.name);
        QStringList parts;
        if (const auto unit = units.find(item.id); unit != units.end()) {
            parts << unit->second + QLatin1Char('.');
        }
        if (const char* help = fieldHelpOf(item.id); *help != '\0') {
            parts << windowText(help);
        }
        voices[i].description = parts.join(QLatin1Char(' '));
    }
    return voices;
}

}  // namespace qz5
