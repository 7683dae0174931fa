// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept/history_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimeZone>
#include <QVBoxLayout>

#include "app/file_prompt.h"
#include "app/kept/difference_list.h"
#include "common/message_box.h"
#include "common/outside_text.h"
#include "config/config_file.h"
#include "config/tracker_config.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

// The names keep UTC; the owner thinks in the clock on the wall.
QString localTime(const std::string& utc) {
    QDateTime time = QDateTime::fromString(QString::fromStdString(utc),
                                           QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!time.isValid()) {
        return QString::fromLatin1(utc);
    }
    time.setTimeZone(QTimeZone::utc());
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString kindText(const std::string& direction) {
    if (direction == "read") {
        return translated("History", "Read", "a kept image the tracker sent");
    }
    if (direction == "backup") {
        return translated("History", "Kept before a write");
    }
    if (direction == "write") {
        return translated("History", "Written");
    }
    return QString::fromLatin1(direction);
}

QString callsignsOf(const ConfigImage& image) {
    TrackerConfig settings;
    static_cast<void>(settings.decodeImage(image));  // a whole image always decodes
    return QString::fromLatin1(settings.callsign[0].data()) + ", " +
           QString::fromLatin1(settings.callsign[1].data());
}

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

HistoryDialog::HistoryDialog(const std::filesystem::path& folder, const ConfigImage& form,
                             FilePrompt& prompt, QWidget* parent)
    : QDialog(parent),
      form_(form),
      prompt_(prompt),
      status_(new QLabel(this)),
      images_(new QListWidget(this)),
      differences_(new DifferenceList(this)),
      load_(new QPushButton(translated("History", "&Load into Form"), this)),
      saveAs_(new QPushButton(translated("History", "Save &As..."), this)) {
    setWindowTitle(translated("History", "History"));
    images_->setAccessibleName(translated("History", "Kept images"));
    nameScrollBars(*images_);
    differences_->setAccessibleName(translated("History", "Differences from the form"));
    status_->setWordWrap(true);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(
        labelFor(translated("History", "&Kept images, the newest first:"), images_, this));
    listColumn->addWidget(images_, 1);
    listColumn->addWidget(status_);
    auto* differenceColumn = new QVBoxLayout;
    differenceColumn->addWidget(labelFor(
        translated("History", "&Differences from the form (form -> image):"), differences_, this));
    differenceColumn->addWidget(differences_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn, 3);
    columns->addLayout(differenceColumn, 2);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(load_, QDialogButtonBox::ActionRole);
    buttons->addButton(saveAs_, QDialogButtonBox::ActionRole);
    QPushButton* close =
        buttons->addButton(translated("History", "&Close"), QDialogButtonBox::RejectRole);
    // Enter on the list must not load an image by surprise.
    for (QPushButton* button : {load_, saveAs_, close}) {
        button->setAutoDefault(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    connect(images_, &QListWidget::currentRowChanged, this, [this] { showCurrent(); });
    connect(load_, &QPushButton::clicked, this, [this] {
        if (const Row* row = currentRow(); row && row->kept.image) {
            chosen_ = row->kept.image;
            accept();
        }
    });
    connect(saveAs_, &QPushButton::clicked, this, [this] { saveCurrent(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    fill(folder);
    images_->setFocus();
    resize(sizeHint().expandedTo(
        QSize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 24)));
}

void HistoryDialog::fill(const std::filesystem::path& folder) {
    const HistoryListing listing = readHistory(folder);
    for (const HistoryEntry& entry : listing.entries) {
        rows_.push_back({entry, readKeptImage(entry.file)});
        const Row& row = rows_.back();
        // The number is how advice and qz5cfg name an image.
        QString text =
            entry.sequence ? translated("History", "No. %1   ").arg(*entry.sequence) : QString();
        text += localTime(entry.time) + "   " + kindText(entry.direction) + "   " +
                QString::fromStdString(printableText(entry.port)) + "   " +
                QString::fromStdString(printableText(entry.version)) + "   ";
        text += row.kept.image ? callsignsOf(*row.kept.image)
                               : translated("History", "does not read as a configuration file");
        images_->addItem(text);
    }
    if (!listing.problem.empty()) {
        status_->setText(translated("History", "The history cannot be read: %1")
                             .arg(QString::fromStdString(listing.problem)));
    } else if (rows_.empty()) {
        status_->setText(
            translated("History",
                       "No images have been kept yet. Every Read and Write adds one (%1).")
                .arg(QString::fromStdString(folder.string())));
    }
    status_->setVisible(!status_->text().isEmpty());
    images_->setAccessibleDescription(status_->text());
    if (rows_.empty()) {
        differences_->setNote(status_->text());
    }
    images_->setCurrentRow(0);
    showCurrent();
}

const HistoryDialog::Row* HistoryDialog::currentRow() const {
    const int row = images_->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? &rows_[static_cast<std::size_t>(row)]
               : nullptr;
}

void HistoryDialog::showCurrent() {
    const Row* row = currentRow();
    const bool readable = row && row->kept.image;
    load_->setEnabled(readable);
    saveAs_->setEnabled(readable);
    if (!row) {
        return;
    }
    if (!readable) {
        differences_->setNote(
            translated("History", "This file does not read as a configuration file: %1")
                .arg(QString::fromStdString(row->kept.problem)));
        return;
    }
    differences_->setDifferences(compareSettings(form_, *row->kept.image),
                                 translated("History", "The same settings as the form."));
}

void HistoryDialog::saveCurrent() {
    const Row* row = currentRow();
    if (!row || !row->kept.image) {
        return;
    }
    if (const auto path = prompt_.savePath(configFileRequest(
            say("Files", "Save Config File"), row->entry.file.filename().string()))) {
        showMessages(writeConfigImage(*path, *row->kept.image).messages());
    }
}

}  // namespace qz5
