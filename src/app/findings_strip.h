// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QString>
#include <functional>
#include <vector>

#include "config/check/finding.h"

class QMenu;

namespace qz5 {

// One line that sums up what the check found in the form: how many findings
// and the most severe in a sentence, each finding in its tool tip, and the
// whole list in a menu that clicking, Enter or Space opens. Choosing an item
// hands its finding to `onChosen`.
class FindingsStrip : public QPushButton {
  public:
    explicit FindingsStrip(QWidget* parent);

    // `listProblem` (why the callsign-prefix list is missing) ends the tool tip.
    void setFindings(const std::vector<Finding>& findings, const QString& listProblem = {});
    void setOnChosen(std::function<void(const Finding&)> chosen) { onChosen_ = std::move(chosen); }
    // The sentence in full; the line shows what fits of it.
    const QString& sentence() const { return sentence_; }
    // The list the last activation opened; null before the first.
    QMenu* list() const { return list_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void openList();

    std::vector<Finding> findings_;
    QString sentence_;
    QMenu* list_ = nullptr;
    std::function<void(const Finding&)> onChosen_;
};

}  // namespace qz5
