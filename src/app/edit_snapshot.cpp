#include "app/edit_snapshot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"

namespace qz5 {

EditSnapshot::State EditSnapshot::capture() const {
    // Every value the user can change, hidden controls included: they travel
    // with the record just the same. The port list is no setting.
    State state;
    for (int id = ids::kCallsign; id <= ids::kSymbol; ++id) {
        QWidget* widget = controls_.control(id);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            state.push_back(edit->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            state.push_back(QString::number(combo->currentIndex()) + ':' + combo->currentText());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button && button->isCheckable()) {
            state.push_back(button->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
    return state;
}

void EditSnapshot::mark(int profile) {
    baseline_ = {};
    left_ = {};
    baseline_[profile & 1] = capture();
}

void EditSnapshot::leaving(int profile) {
    left_[profile & 1] = capture();
}

void EditSnapshot::shown(int profile) {
    if (!baseline_[profile & 1]) {
        baseline_[profile & 1] = capture();
    }
}

bool EditSnapshot::edited(int shownProfile) const {
    const int shown = shownProfile & 1;
    const int other = 1 - shown;
    if (baseline_[shown] && capture() != *baseline_[shown]) {
        return true;
    }
    return left_[other] && baseline_[other] && *left_[other] != *baseline_[other];
}

}  // namespace qz5
