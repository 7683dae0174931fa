// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/pending_control.h"

namespace qz5 {

QString PendingControl::text() const {
    if (kind != Kind::List) {
        return caption;
    }
    return selection >= 0 ? items.at(selection) : QString();
}

int PendingControl::addItem(const QString& item) {
    const auto count = static_cast<int>(items.size());
    const int position = sorted ? sortedPosition(
                                      count, [this](int index) { return items.at(index); }, item)
                                : count;
    items.insert(position, item);
    if (selection >= position) {
        ++selection;
    }
    return position;
}

void PendingControl::clearItems() {
    items.clear();
    selection = -1;
}

void PendingControl::select(int index) {
    selection = index >= 0 && index < items.size() ? index : -1;
}

}  // namespace qz5
