// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/timing/timing_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/timing/timing_plot.h"
#include "config/timing/timing_table.h"

namespace qz5 {
namespace {

QTableWidget* tableOf(const TimingTable& words, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(words.rows.size()),
                                   static_cast<int>(words.header.size()), parent);
    for (int column = 0; column < table->columnCount(); ++column) {
        table->setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromStdString(words.header[column])));
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(words.rows[row][column]));
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            table->setItem(row, column, cell);
        }
    }
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(QStringLiteral("Beacon timing"));
    // Every row shows: the table is short and the window grows to hold it.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->resizeRowsToContents();
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          table->verticalHeader()->length() + 2 * table->frameWidth());
    return table;
}

}  // namespace

TimingDialog::TimingDialog(const BeaconTiming& timing, QWidget* parent) : QDialog(parent) {
    const TimingTable words = timingTable(timing);
    setWindowTitle(QStringLiteral("Beacon Timing"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromStdString(words.title), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    if (!words.rows.empty()) {
        QTableWidget* table = tableOf(words, this);
        table->setAccessibleDescription(QString::fromStdString(words.title));
        layout->addWidget(table);
    }
    QString notes;
    for (const std::string& note : words.notes) {
        notes += QString::fromStdString(note) + QLatin1Char('\n');
    }
    auto* said = new QLabel(notes.trimmed(), this);
    said->setWordWrap(true);
    said->setTextFormat(Qt::PlainText);
    said->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    said->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(said);
    if (timing.smartBeaconing && !timing.rows.empty()) {
        layout->addWidget(new TimingPlot(timing, this), 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

}  // namespace qz5
