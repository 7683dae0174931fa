// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "config/check/finding.h"

class QMenu;

namespace qz5 {

// One line that sums up what the check found in the form: the most severe
// finding's headline and, where it fits, how many there are; each finding in
// full in its tool tip and description, and the whole list in a menu that
// clicking, Enter or Space opens. Choosing an item hands its finding to
// `onChosen`.
class FindingsStrip : public QPushButton {
  public:
    explicit FindingsStrip(QWidget* parent);

    // `listProblem` (why the callsign-prefix list is missing) ends the tool tip.
    void setFindings(const std::vector<Finding>& findings, const QString& listProblem = {});
    void setOnChosen(std::function<void(const Finding&)> chosen) { onChosen_ = std::move(chosen); }
    // The headline with the count, as a screen reader names the strip.
    const QString& summary() const { return summary_; }
    // What the line shows: the summary, or the headline alone where the count
    // does not fit.
    QString shownText() const;
    // The width the text has beside the icon.
    int textRoom() const;
    // The list the last activation opened; null before the first.
    QMenu* list() const { return list_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Layout {
        QRect icon;
        QRect text;
    };
    Layout layout() const;
    void openList();

    std::vector<Finding> findings_;
    QString headline_;
    QString summary_;
    QMenu* list_ = nullptr;
    std::function<void(const Finding&)> onChosen_;
};

}  // namespace qz5
