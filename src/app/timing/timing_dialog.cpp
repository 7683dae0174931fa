// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/timing/timing_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/timing/timing_plot.h"
#include "config/timing/timing_table.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

QTableWidget* tableOf(const TimingWords& words, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(words.rows.size()),
                                   static_cast<int>(words.header.size()), parent);
    for (int column = 0; column < table->columnCount(); ++column) {
        table->setHorizontalHeaderItem(
            column,
            new QTableWidgetItem(shownText(words.header[static_cast<std::size_t>(column)])));
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const Text& text =
                words.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            auto* cell = new QTableWidgetItem(shownText(text));
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            table->setItem(row, column, cell);
        }
    }
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(translated("Timing", "Beacon timing"));
    // Every row shows: the table is short and the window grows to hold it.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->resizeRowsToContents();
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          table->verticalHeader()->length() + 2 * table->frameWidth());
    return table;
}

}  // namespace

TimingDialog::TimingDialog(const BeaconTiming& timing, ApplyPreset apply, QWidget* parent)
    : QDialog(parent),
      apply_(std::move(apply)),
      title_(new QLabel(this)),
      notes_(new QLabel(this)),
      presets_(new QComboBox(this)),
      layout_(new QVBoxLayout(this)) {
    setWindowTitle(translated("Timing", "Beacon Timing"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout_->addWidget(title_);
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notes_->setFocusPolicy(Qt::StrongFocus);
    layout_->addWidget(notes_);

    auto* presetRow = new QHBoxLayout;
    auto* presetLabel = new QLabel(translated("Timing", "SmartBeaconing &preset:"), this);
    presetLabel->setBuddy(presets_);
    for (const SmartBeaconingPreset& preset : kSmartBeaconingPresets) {
        presets_->addItem(shownText(describePreset(preset)));
    }
    presets_->setAccessibleName(translated("Timing", "SmartBeaconing preset"));
    // A screen reader says the chosen preset's values, units and all.
    const auto describe = [this] { presets_->setAccessibleDescription(presets_->currentText()); };
    connect(presets_, &QComboBox::currentIndexChanged, this, describe);
    describe();
    auto* applyButton = new QPushButton(translated("Timing", "&Apply to Profile"), this);
    applyButton->setAutoDefault(false);
    applyButton->setObjectName(QStringLiteral("applyPreset"));
    applyButton->setAccessibleDescription(
        translated("Timing", "Sets the profile's SmartBeaconing to the preset and turns it on"));
    connect(applyButton, &QPushButton::clicked, this, [this] {
        const auto chosen = static_cast<std::size_t>(presets_->currentIndex());
        showTiming(apply_(kSmartBeaconingPresets.at(chosen)));
    });
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(presets_, 1);
    presetRow->addWidget(applyButton);
    layout_->addLayout(presetRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addWidget(buttons);
    tabOrder_ = {notes_, presets_, applyButton, buttons->button(QDialogButtonBox::Close)};
    setMinimumWidth(520);
    showTiming(timing);
}

void TimingDialog::showTiming(const BeaconTiming& timing) {
    const TimingWords words = timingTable(timing).said;
    title_->setText(shownText(words.title));
    QString notes;
    for (const auto& note : words.notes) {
        notes += shownText(note) + QLatin1Char('\n');
    }
    notes_->setText(notes.trimmed());
    delete shown_;
    shown_ = new QWidget(this);
    auto* shownLayout = new QVBoxLayout(shown_);
    shownLayout->setContentsMargins(0, 0, 0, 0);
    if (!words.rows.empty()) {
        QTableWidget* table = tableOf(words, shown_);
        table->setAccessibleDescription(shownText(words.title));
        shownLayout->addWidget(table);
    }
    if (timing.smartBeaconing && !timing.rows.empty()) {
        shownLayout->addWidget(new TimingPlot(timing, shown_), 1);
    }
    layout_->insertWidget(1, shown_, 1);
    // The new table comes first, as it is read first.
    QWidget* previous = shown_->findChild<QTableWidget*>();
    for (QWidget* next : tabOrder_) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    adjustSize();
}

}  // namespace qz5
