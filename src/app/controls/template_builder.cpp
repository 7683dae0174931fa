#include "app/controls/template_builder.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>

#include "app/controls/app_icon.h"
#include "app/controls/dialog_units.h"
#include "app/controls/filtered_line_edit.h"

namespace qz5 {

namespace {

// An icon control shows the icon at its natural size, whatever the template.
constexpr int kIconPixels = 32;

Qt::Alignment horizontalAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Right:
            return Qt::AlignRight;
        case TextAlign::Center:
            return Qt::AlignHCenter;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

QLabel* makeLabel(const ControlTemplate& item, QDialog& dialog) {
    auto* label = new QLabel(QString::fromLatin1(item.caption), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontalAlignment(item.align) |
                        (item.verticallyCentred ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

QLabel* makeIcon(QDialog& dialog) {
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(applicationIcon().pixmap(kIconPixels, kIconPixels));
    return icon;
}

QComboBox* makeComboBox(const ControlTemplate& item, QDialog& dialog) {
    auto* combo = new QComboBox(&dialog);
    if (item.editable) {
        combo->setEditable(true);
        // Typed text stays in the edit field: it is a value, not a new item.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    combo->setProperty(ControlAccess::kSortedProperty, item.sorted);
    return combo;
}

QPushButton* makePushButton(const ControlTemplate& item, QDialog& dialog) {
    auto* button = new QPushButton(QString::fromLatin1(item.caption), &dialog);
    button->setDefault(item.defaultButton);
    // Qt would otherwise make the first such button the default when the
    // dialog opens, and Enter in any field would click it.
    button->setAutoDefault(item.defaultButton);
    return button;
}

// The height of a tab row in this dialog's font and style.
int tabRowHeight(QTabBar& tabs) {
    const QSignalBlocker quiet(&tabs);
    tabs.addTab(QStringLiteral("Tab1"));
    const int height = tabs.sizeHint().height();
    tabs.removeTab(0);
    return height;
}

// A row of tabs over a framed page area, both within the template rectangle;
// the bar is what the window addresses.
QTabBar* makeTabControl(const QRect& area, QDialog& dialog) {
    auto* page = new QFrame(&dialog);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* tabs = new QTabBar(&dialog);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    const int rowHeight = std::min(tabRowHeight(*tabs), area.height());
    const int overlap = tabs->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabs);
    tabs->setGeometry(area.x(), area.y(), area.width(), rowHeight);
    const int pageTop = std::max(area.y(), area.y() + rowHeight - overlap);
    page->setGeometry(area.x(), pageTop, area.width(), area.bottom() + 1 - pageTop);
    // Controls listed before the tab control lie on top of it.
    tabs->lower();
    page->lower();
    return tabs;
}

QWidget* makeControl(const ControlTemplate& item, const DialogUnits& units, QDialog& dialog) {
    const QRect area = units.toPixels(item.rect);
    QWidget* widget = nullptr;
    switch (item.kind) {
        case ControlKind::Static:
            widget = makeLabel(item, dialog);
            break;
        case ControlKind::Icon:
            widget = makeIcon(dialog);
            widget->setGeometry(area.x(), area.y(), kIconPixels, kIconPixels);
            return widget;
        case ControlKind::Edit:
            widget = new FilteredLineEdit(item.upperCase, item.digitsOnly, &dialog);
            break;
        case ControlKind::ComboBox: {
            auto* combo = makeComboBox(item, dialog);
            // The template height includes the drop-down list; the closed box
            // keeps its natural height, and the list shows what fits.
            const int closedHeight = combo->sizeHint().height();
            combo->setGeometry(area.x(), area.y(), area.width(), closedHeight);
            const int listHeight = area.height() - closedHeight;
            combo->setMaxVisibleItems(std::max(1, listHeight / combo->fontMetrics().height()));
            return combo;
        }
        case ControlKind::CheckBox:
            widget = new QCheckBox(QString::fromLatin1(item.caption), &dialog);
            break;
        case ControlKind::PushButton:
            widget = makePushButton(item, dialog);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(QString::fromLatin1(item.caption), &dialog);
            widget->setGeometry(area);
            // The controls it frames come before it and lie on top of it.
            widget->lower();
            return widget;
        case ControlKind::TabControl:
            return makeTabControl(area, dialog);
    }
    widget->setGeometry(area);
    return widget;
}

QFont dialogFont(const DialogFont& wanted) {
    QFont font(
        QString::fromLatin1(wanted.family.data(), static_cast<qsizetype>(wanted.family.size())));
    font.setPointSize(wanted.pointSize);
    return font;
}

}  // namespace

void buildDialog(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls) {
    dialog.setFont(dialogFont(tpl.font));
    dialog.setWindowTitle(QString::fromLatin1(tpl.caption));
    // A fixed frame with a caption and a close box; no minimise, maximise or
    // help buttons.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogUnits units(dialog.font());
    dialog.setFixedSize(units.toPixelsX(tpl.width), units.toPixelsY(tpl.height));

    for (const ControlTemplate& item : tpl.controls) {
        QWidget* widget = makeControl(item, units, dialog);
        if (!item.shown) {
            widget->hide();
        }
        if (item.id != kNoControlId) {
            controls.registerControl(item.id, widget);
        }
    }
    for (const auto& [id, items] : tpl.initialItems) {
        for (const std::string& text : items) {
            controls.addComboString(id, text);
        }
    }
}

}  // namespace qz5
