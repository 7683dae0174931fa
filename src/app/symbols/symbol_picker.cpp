// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/symbols/symbol_picker.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/plain_text.h"
#include "app/symbols/symbol_pictures.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

constexpr int kTableRole = Qt::UserRole + 1;
constexpr int kCodeRole = Qt::UserRole + 2;
constexpr int kOverlayRole = Qt::UserRole + 3;
// Room for a picture at twice its size and two short lines of a name.
constexpr int kCellWidth = 112;
constexpr int kCellHeight = 84;

}  // namespace

QString symbolCellName(const SymbolEntry& entry) {
    return shownText(symbolName(entry)) + QStringLiteral(", ") + shownText(tableName(entry.table)) +
           QStringLiteral(", ") + QChar::fromLatin1(entry.code);
}

SymbolPicker::SymbolPicker(const SymbolSource& source, ChosenSymbol current, QWidget* parent)
    : QDialog(parent),
      find_(new QLineEdit(this)),
      grid_(new QListWidget(this)),
      overlay_(new QLineEdit(this)),
      said_(new QLabel(this)) {
    setWindowTitle(translated("Symbols", "Choose Symbol"));
    auto* layout = new QVBoxLayout(this);

    auto* findLabel = new QLabel(translated("Symbols", "&Find:"), this);
    findLabel->setBuddy(find_);
    find_->setAccessibleName(translated("Symbols", "Find", "the box that narrows the symbols"));
    find_->setAccessibleDescription(translated(
        "Symbols", "Type part of a name, such as car or bicycle, to narrow the symbols."));
    find_->setClearButtonEnabled(true);
    layout->addWidget(findLabel);
    layout->addWidget(find_);

    grid_->setViewMode(QListView::IconMode);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setMovement(QListView::Static);
    grid_->setWordWrap(true);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setGridSize(QSize(kCellWidth, kCellHeight));
    grid_->setIconSize(QSize(2 * kSymbolSide, 2 * kSymbolSide));
    grid_->setAccessibleName(translated("Symbols", "Symbols"));
    grid_->setAccessibleDescription(
        translated("Symbols", "Both symbol tables. Space or Enter chooses the symbol."));
    grid_->setMinimumSize(8 * kCellWidth + 24, 5 * kCellHeight);
    grid_->installEventFilter(this);
    layout->addWidget(grid_, 1);

    auto* overlayLabel = new QLabel(translated("Symbols", "&Overlay character:"), this);
    overlayLabel->setBuddy(overlay_);
    overlay_->setAccessibleName(translated("Symbols", "Overlay character"));
    overlay_->setAccessibleDescription(
        translated("Symbols",
                   "0 to 9 or A to Z drawn over an alternate symbol that takes one; "
                   "empty for none."));
    overlay_->setMaxLength(1);
    overlay_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Za-z]?")), overlay_));
    overlay_->setFixedWidth(4 * overlay_->fontMetrics().horizontalAdvance(QLatin1Char('W')));
    overlay_->setEnabled(false);
    layout->addWidget(overlayLabel);
    layout->addWidget(overlay_);

    said_->setWordWrap(true);
    said_->setTextFormat(Qt::PlainText);
    layout->addWidget(said_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { choose(grid_->currentItem()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (source.get() == nullptr) {
        said_->setText(shownText(source.notice));
        grid_->setEnabled(false);
        find_->setEnabled(false);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
        return;
    }
    if (!source.notice.empty()) {
        said_->setText(shownText(source.notice));
    }
    fill(*source.get(), current);
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
    connect(grid_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { follow(item); });
    connect(grid_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(item); });
    grid_->setFocus();
}

void SymbolPicker::fill(const SymbolList& list, ChosenSymbol current) {
    const char currentTable = isOverlayCharacter(current.table) ? '\\' : current.table;
    for (const SymbolEntry* entry : list.symbols()) {
        auto* item = new QListWidgetItem(symbolIcon(list, entry->table, entry->code),
                                         shownText(symbolName(*entry)), grid_);
        item->setData(Qt::AccessibleTextRole, symbolCellName(*entry));
        item->setToolTip(asToolTip(symbolCellName(*entry)));
        item->setData(kTableRole, QChar::fromLatin1(entry->table));
        item->setData(kCodeRole, QChar::fromLatin1(entry->code));
        item->setData(kOverlayRole, takesOverlay(*entry));
        if (entry->table == currentTable && entry->code == current.code) {
            grid_->setCurrentItem(item);
        }
    }
    if (isOverlayCharacter(current.table)) {
        overlay_->setText(QChar::fromLatin1(current.table));
    }
    if (grid_->currentItem() == nullptr && grid_->count() > 0) {
        grid_->setCurrentRow(0);
    }
    follow(grid_->currentItem());
}

void SymbolPicker::filter(const QString& text) {
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < grid_->count(); ++row) {
        QListWidgetItem* item = grid_->item(row);
        const bool shown = item->text().contains(text.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr) {
            firstShown = item;
        }
    }
    if (grid_->currentItem() == nullptr || grid_->currentItem()->isHidden()) {
        grid_->setCurrentItem(firstShown);
    }
}

void SymbolPicker::follow(QListWidgetItem* item) {
    overlay_->setEnabled(item != nullptr && item->data(kOverlayRole).toBool());
}

void SymbolPicker::choose(QListWidgetItem* item) {
    if (item == nullptr || item->isHidden()) {
        return;
    }
    ChosenSymbol symbol{item->data(kTableRole).toChar().toLatin1(),
                        item->data(kCodeRole).toChar().toLatin1()};
    const QString overlay = overlay_->text().toUpper();
    if (item->data(kOverlayRole).toBool() && !overlay.isEmpty()) {
        // An overlay character takes the table's place in what is sent.
        symbol.table = overlay.front().toLatin1();
    }
    chosen_ = symbol;
    accept();
}

bool SymbolPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        choose(grid_->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qz5
