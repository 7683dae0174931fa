// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/lossy_latin1.h"

#include <QList>

namespace qz5 {

QString fromLatin1(std::string_view bytes) {
    const std::size_t end = bytes.find('\0');
    const std::string_view text = end == std::string_view::npos ? bytes : bytes.substr(0, end);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text, std::size_t maxChars) {
    std::string bytes;
    for (const uint code : text.toUcs4()) {
        if (bytes.size() == maxChars) {
            break;
        }
        bytes.push_back(code <= 0xFF ? static_cast<char>(static_cast<unsigned char>(code)) : '?');
    }
    return bytes;
}

}  // namespace qz5
