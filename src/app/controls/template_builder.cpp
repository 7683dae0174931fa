// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/template_builder.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QWheelEvent>

#include "app/controls/accessible_controls.h"
#include "app/controls/app_icon.h"
#include "app/controls/control_voice.h"
#include "app/controls/dialog_units.h"
#include "app/controls/filtered_line_edit.h"
#include "app/controls/shortcut_cue_style.h"

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

// The height of a tab row in this dialog's font and style. A view built
// late meets the profile tabs already there: the probe goes after them.
int tabRowHeight(QTabBar& tabs) {
    const QSignalBlocker quiet(&tabs);
    const int probe = tabs.addTab(QStringLiteral("Tab1"));
    const int height = tabs.sizeHint().height();
    tabs.removeTab(probe);
    return height;
}

// The framed page area under a row of tabs.
QFrame* makeTabPage(QDialog& dialog) {
    auto* page = new QFrame(&dialog);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    // Controls listed before the tab control lie on top of it.
    page->lower();
    return page;
}

// The wheel scrolls past the profile tabs as past any other control: turned
// over them on the way to a field, it must not change the profile shown.
class WheelBlindTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

QTabBar* makeTabBar(QDialog& dialog) {
    auto* tabs = new WheelBlindTabBar(&dialog);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->lower();
    return tabs;
}

// Hidden controls of these kinds wait until something needs their widget:
// their values alone travel with the form until then.
std::optional<PendingControl::Kind> pendingKind(const ControlTemplate& item) {
    if (item.shown || item.id == kNoControlId) {
        return std::nullopt;
    }
    switch (item.kind) {
        case ControlKind::Edit:
            return PendingControl::Kind::Edit;
        case ControlKind::CheckBox:
            return PendingControl::Kind::CheckBox;
        case ControlKind::PushButton:
            return PendingControl::Kind::Button;
        case ControlKind::ComboBox:
            return item.editable ? std::nullopt : std::optional(PendingControl::Kind::List);
        default:
            return std::nullopt;
    }
}

QWidget* makeControl(const ControlTemplate& item, QDialog& dialog) {
    switch (item.kind) {
        case ControlKind::Static:
            return makeLabel(item, dialog);
        case ControlKind::Icon:
            return makeIcon(dialog);
        case ControlKind::Edit:
            return new FilteredLineEdit(item.upperCase, item.digitsOnly, &dialog);
        case ControlKind::ComboBox:
            return makeComboBox(item, dialog);
        case ControlKind::CheckBox:
            return new QCheckBox(QString::fromLatin1(item.caption), &dialog);
        case ControlKind::PushButton:
            return makePushButton(item, dialog);
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(QString::fromLatin1(item.caption), &dialog);
            // The controls it frames come before it and lie on top of it.
            group->lower();
            return group;
        }
        case ControlKind::TabControl:
            return makeTabBar(dialog);
    }
    return nullptr;
}

// The label names its control to a screen reader and, by its letter, takes
// the focus there; the letter shows underlined only while Alt is held, so the
// window looks as drawn.
void tieLabel(QLabel& label, QWidget* control, QChar key) {
    label.setBuddy(control);
    label.setAccessibleName(spokenLabel(label.text()));
    if (!key.isNull()) {
        label.setStyle(shortcutCueStyle());
        label.setText(withMnemonic(label.text(), key));
    }
}

// A view that lays out buttons an earlier view made leaves their captions to
// them; their Alt letters come from the captions they show.
DialogTemplate withSharedCaptions(const DialogTemplate& tpl, const ControlAccess& controls) {
    DialogTemplate captioned = tpl;
    for (ControlTemplate& item : captioned.controls) {
        const auto* button = item.kind == ControlKind::PushButton && item.caption.empty()
                                 ? qobject_cast<const QPushButton*>(controls.control(item.id))
                                 : nullptr;
        if (button != nullptr) {
            item.caption = button->text().toLatin1().toStdString();
        }
    }
    return captioned;
}

QKeySequence altKey(QChar key) {
    return key.isNull() ? QKeySequence() : QKeySequence(QStringLiteral("Alt+") + key.toUpper());
}

QFont dialogFont(const DialogFont& wanted) {
    QFont font(
        QString::fromLatin1(wanted.family.data(), static_cast<qsizetype>(wanted.family.size())));
    font.setPointSize(wanted.pointSize);
    return font;
}

}  // namespace

void DialogView::apply(const Placement& place, QWidget& widget, QRect geometry) {
    widget.setGeometry(geometry);
    widget.setToolTip(place.toolTip);
    if (place.visibleItems > 0) {
        static_cast<QComboBox&>(widget).setMaxVisibleItems(place.visibleItems);
    }
    widget.setVisible(place.shown);
    if (!place.control) {
        return;
    }
    // Shared with the other view, which names them its own way.
    widget.setAccessibleName(place.name);
    widget.setAccessibleDescription(place.description);
    if (auto* list = qobject_cast<QComboBox*>(&widget); list && list->lineEdit()) {
        // The caret lives in the field: it is what a screen reader meets.
        list->lineEdit()->setAccessibleName(place.name);
        list->lineEdit()->setAccessibleDescription(place.description);
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setShortcut(place.shortcut);
    }
}

void DialogView::fitList(Placement& place, QRect area, const QWidget& list) {
    const int closedHeight = list.sizeHint().height();
    place.geometry.setHeight(closedHeight);
    place.visibleItems = std::max(1, (area.height() - closedHeight) / list.fontMetrics().height());
}

DialogView::Placement DialogView::fitted(const Placement& place, const QWidget& widget) {
    Placement made = place;
    if (place.widget == nullptr && qobject_cast<const QComboBox*>(&widget) != nullptr) {
        fitList(made, place.geometry, widget);
    }
    return made;
}

QWidget* DialogView::widgetOf(const Placement& place) const {
    return place.widget != nullptr ? place.widget : controls_->madeControl(place.id);
}

void DialogView::show(QDialog& dialog) const {
    dialog.setWindowTitle(title_);
    dialog.setFixedSize(size());
    QWidget* previous = nullptr;
    QWidget* lineWidget = lineWidget_;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    for (const Placement& place : placements_) {
        QWidget* widget = widgetOf(place);
        if (widget == nullptr) {
            continue;  // made when first needed, placed then
        }
        const Placement current = fitted(place, *widget);
        apply(current, *widget, placed(current));
        if (place.control) {
            if (lineWidget != nullptr && place.geometry.top() >= line_.top()) {
                chain(std::exchange(lineWidget, nullptr));
            }
            chain(widget);
        }
    }
    if (lineWidget != nullptr) {
        chain(lineWidget);
    }
}

void DialogView::scrollTo(QPoint offset) const {
    for (const Placement& place : placements_) {
        if (QWidget* widget = widgetOf(place)) {
            widget->setGeometry(placed(fitted(place, *widget)).translated(-offset));
        }
    }
}

QRect DialogView::placed(const Placement& place) const {
    const bool below = lineWidget_ != nullptr && place.geometry.top() >= line_.top();
    return place.geometry.translated(0, below ? line_.height() : 0);
}

void DialogView::hide() const {
    for (QWidget* widget : own_) {
        widget->hide();
    }
}

DialogView buildView(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls) {
    // Before any control exists: a screen reader must read the names given here.
    installAccessibleControls();
    // A view built while the window shows must leave it as it is: new flags
    // would hide it, and a font set again repolishes every control.
    if (const QFont font = dialogFont(tpl.font); dialog.font() != font) {
        dialog.setFont(font);
    }
    // A fixed frame with a caption and a close box; no minimise, maximise or
    // help buttons.
    constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.windowFlags() != kFrame) {
        dialog.setWindowFlags(kFrame);
    }
    const DialogUnits units(dialog.font());
    DialogView view;
    view.controls_ = &controls;
    view.title_ = QString::fromLatin1(tpl.caption);
    view.size_ = QSize(units.toPixelsX(tpl.width), units.toPixelsY(tpl.height));
    view.line_ = units.toPixels(tpl.addedLine);

    const auto own = [&view](QWidget* widget) {
        widget->hide();
        view.own_.push_back(widget);
        return widget;
    };
    const std::vector<QChar> keys = accessKeys(withSharedCaptions(tpl, controls));
    const std::vector<ControlVoice> voices = controlVoices(tpl);
    std::vector<QWidget*> made;
    std::vector<int> earlier;  // the ids of the controls before this one
    for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
        const ControlTemplate& item = tpl.controls[i];
        const bool hasId = item.id != kNoControlId;
        QWidget* widget = hasId ? controls.control(item.id) : nullptr;
        DialogView::Placement place{
            .widget = widget,
            .id = item.id,
            .geometry = units.toPixels(item.rect),
            .shown = item.shown,
            .control = hasId,
            .toolTip = QString::fromLatin1(item.toolTip),
            .name = voices[i].name,
            .description = voices[i].description,
            .shortcut = item.kind == ControlKind::PushButton ? altKey(keys[i]) : QKeySequence()};
        const QRect area = place.geometry;
        const std::optional<PendingControl::Kind> pending =
            widget == nullptr ? pendingKind(item) : std::nullopt;
        if (pending) {
            PendingControl waiting;
            waiting.kind = *pending;
            waiting.make = [&dialog, &controls, item, place, earlier]() {
                QWidget* control = makeControl(item, dialog);
                control->hide();
                const DialogView::Placement fitted = DialogView::fitted(place, *control);
                DialogView::apply(fitted, *control, fitted.geometry);
                // In the tab order where the template puts it: after the
                // nearest control before it that exists.
                for (auto id = earlier.rbegin(); id != earlier.rend(); ++id) {
                    if (QWidget* before = controls.madeControl(*id)) {
                        QWidget::setTabOrder(before, control);
                        break;
                    }
                }
                return control;
            };
            waiting.caption =
                item.kind == ControlKind::Edit ? QString() : QString::fromLatin1(item.caption);
            waiting.sorted = item.sorted;
            controls.registerPending(item.id, std::move(waiting));
            made.push_back(nullptr);
            view.placements_.push_back(place);
            earlier.push_back(item.id);
            continue;
        }
        if (hasId) {
            earlier.push_back(item.id);
        }
        if (widget == nullptr) {
            widget = makeControl(item, dialog);
            if (hasId) {
                controls.registerControl(item.id, widget);
                widget->hide();
            } else {
                own(widget);
            }
            place.widget = widget;
        }
        made.push_back(widget);
        switch (item.kind) {
            case ControlKind::Icon:
                place.geometry.setSize({kIconPixels, kIconPixels});
                break;
            case ControlKind::ComboBox:
                DialogView::fitList(place, area, *widget);
                break;
            case ControlKind::TabControl: {
                auto* tabs = static_cast<QTabBar*>(widget);
                const int rowHeight = std::min(tabRowHeight(*tabs), area.height());
                const int overlap =
                    tabs->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabs);
                place.geometry.setHeight(rowHeight);
                const int pageTop = std::max(area.y(), area.y() + rowHeight - overlap);
                view.placements_.push_back({.widget = own(makeTabPage(dialog)),
                                            .id = kNoControlId,
                                            .geometry = QRect(area.x(), pageTop, area.width(),
                                                              area.bottom() + 1 - pageTop),
                                            .shown = item.shown,
                                            .control = false,
                                            .toolTip = {},
                                            .visibleItems = 0,
                                            .name = {},
                                            .description = {},
                                            .shortcut = {}});
                break;
            }
            default:
                break;
        }
        view.placements_.push_back(place);
    }
    for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
        if (tpl.controls[i].labelFor != kNoControlId) {
            tieLabel(*static_cast<QLabel*>(made[i]), controls.control(tpl.controls[i].labelFor),
                     keys[i]);
        }
    }
    for (const auto& [id, items] : tpl.initialItems) {
        for (const std::string& text : items) {
            controls.addComboString(id, text);
        }
    }
    return view;
}

DialogView buildDialog(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls) {
    DialogView view = buildView(dialog, tpl, controls);
    view.show(dialog);
    return view;
}

}  // namespace qz5
