// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/symbols/symbol_field.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "app/plain_text.h"
#include "app/symbols/symbol_library.h"
#include "app/symbols/symbol_pictures.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

// Starts the last line of the field's description; what follows it is
// replaced at each refresh.
QString nameLine() {
    return translated("Symbols", "\nSymbol on maps: ");
}

char firstCharacter(const QString& text) {
    return text.isEmpty() ? '\0' : text.front().toLatin1();
}

}  // namespace

// The items of the open list with their picture and the list's name; the
// closed list draws none of it. Kept here, not in the items: changing an
// item's data rewrites an editable list's typed text.
class SymbolField::PictureDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    std::vector<std::pair<QIcon, QString>> shown;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() < 0 || static_cast<std::size_t>(index.row()) >= shown.size()) {
            return;
        }
        const auto& [icon, name] = shown[static_cast<std::size_t>(index.row())];
        if (!icon.isNull()) {
            option->icon = icon;
            option->features |= QStyleOptionViewItem::HasDecoration;
            option->decorationSize = QSize(kSymbolSide, kSymbolSide);
        }
        if (!name.isEmpty()) {
            option->text += QStringLiteral(" - ") + name;
        }
    }
};

SymbolField::SymbolField(QComboBox& symbol, QLineEdit& table, SymbolLibrary& library)
    : symbol_(symbol),
      table_(table),
      library_(library),
      picture_(symbol.lineEdit()->addAction(QIcon(), QLineEdit::LeadingPosition)) {
    picture_->setVisible(false);
    symbol_.view()->setItemDelegate(pictures_ = new PictureDelegate(symbol_.view()));
    symbolEdited_ =
        QObject::connect(&symbol_, &QComboBox::editTextChanged, &symbol_, [this] { refresh(); });
    tableEdited_ =
        QObject::connect(&table_, &QLineEdit::textChanged, &symbol_, [this] { refresh(); });
    library_.whenReady([this] { refresh(); });
}

SymbolField::~SymbolField() {
    QObject::disconnect(symbolEdited_);
    QObject::disconnect(tableEdited_);
}

void SymbolField::showPicture(bool shown) {
    pictureShown_ = shown;
    refresh();
}

QString SymbolField::describedSymbol() const {
    const SymbolSource* source = library_.ready();
    if (source == nullptr) {
        return {};
    }
    if (source->get() == nullptr) {
        return translated("Symbols", "not known. %1").arg(shownText(source->notice));
    }
    const std::optional<Text> name = describeSymbol(*source->get(), firstCharacter(table_.text()),
                                                    firstCharacter(symbol_.currentText()));
    if (!name) {
        return translated("Symbols", "none in the symbol list %1; maps may show a placeholder.")
            .arg(QString::fromStdString(source->path));
    }
    return shownText(*name);
}

void SymbolField::refresh() {
    const QString said = describedSymbol();
    for (QWidget* control :
         {static_cast<QWidget*>(&symbol_), static_cast<QWidget*>(symbol_.lineEdit())}) {
        QString description = control->accessibleDescription();
        const QString nameStart = nameLine();
        if (const qsizetype line = description.indexOf(nameStart); line >= 0) {
            description.truncate(line);
        }
        control->setAccessibleDescription(said.isEmpty() ? description
                                                         : description + nameStart + said);
    }

    // The picture's button is part of the field, so a screen reader hears it
    // as the field, not only by the symbol's name.
    for (QObject* shown : picture_->associatedObjects()) {
        if (auto* button = qobject_cast<QToolButton*>(shown)) {
            button->setAccessibleDescription(symbol_.lineEdit()->accessibleDescription());
        }
    }

    const SymbolSource* source = library_.ready();
    const SymbolList* list = source != nullptr ? source->get() : nullptr;
    const char table = firstCharacter(table_.text());
    pictures_->shown.clear();
    for (int index = 0; index < symbol_.count(); ++index) {
        const char code = firstCharacter(symbol_.itemText(index));
        const std::optional<Text> name =
            list != nullptr ? describeSymbol(*list, table, code) : std::nullopt;
        pictures_->shown.emplace_back(list != nullptr ? symbolIcon(*list, table, code) : QIcon(),
                                      name ? shownText(*name) : QString());
    }
    const QIcon icon =
        list != nullptr ? symbolIcon(*list, table, firstCharacter(symbol_.currentText())) : QIcon();
    picture_->setIcon(icon);
    picture_->setText(said);
    picture_->setToolTip(asToolTip(said));
    picture_->setVisible(pictureShown_ && !icon.isNull());
}

}  // namespace qz5
