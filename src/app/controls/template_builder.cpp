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
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QWheelEvent>

#include "app/controls/accessible_controls.h"
#include "app/controls/app_icon.h"
#include "app/controls/control_voice.h"
#include "app/controls/dialog_units.h"
#include "app/controls/filtered_line_edit.h"
#include "app/controls/shortcut_cue_style.h"
#include "app/controls/text_room.h"
#include "app/controls/tool_commands.h"
#include "app/controls/window_text.h"
#include "common/text.h"

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

// A template caption in the language now current. A tool's caption is its
// menu text's, so the catalogues hold its words once; the window picks its
// own Alt letters, so the menu's or a translator's markers go.
QString shownCaption(const std::string& source) {
    QString menuText;
    const auto find = [&source, &menuText](const auto& table) {
        for (const ToolCommand& tool : table) {
            if (source == toolCaption(tool)) {
                menuText = windowText(tool.menuText);
            }
        }
    };
    find(kToolCommands);
    find(kToolChoices);
    return plainCaption(menuText.isEmpty() ? windowText(source) : menuText);
}

// A caption as a button's or group box's text, which would otherwise take a
// '&' of its words as an Alt marker.
QString markerFree(const QString& caption) {
    return withMnemonic(caption, QChar());
}

QString captionOf(const ControlTemplate& item) {
    if (item.namesField) {
        //: A field's label in All settings; %1 is the field's name.
        return windowText(QZ5_TEXT("Window", "%1:")).arg(shownCaption(item.caption));
    }
    return shownCaption(item.caption);
}

// The English the template was drawn for.
QString englishCaptionOf(const ControlTemplate& item) {
    return QString::fromStdString(item.namesField ? item.caption + ":" : item.caption);
}

QLabel* makeLabel(const ControlTemplate& item, QDialog& dialog) {
    auto* label = new QLabel(captionOf(item), &dialog);
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
    auto* button = new QPushButton(markerFree(captionOf(item)), &dialog);
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

QWidget* makeWidget(const ControlTemplate& item, QDialog& dialog) {
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
            return new QCheckBox(markerFree(captionOf(item)), &dialog);
        case ControlKind::PushButton:
            return makePushButton(item, dialog);
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(markerFree(captionOf(item)), &dialog);
            // The controls it frames come before it and lie on top of it.
            group->lower();
            return group;
        }
        case ControlKind::TabControl:
            return makeTabBar(dialog);
    }
    return nullptr;
}

// Made in the language current when it is made; a control remembers the
// source of its caption so that another language can replace it.
QWidget* makeControl(const ControlTemplate& item, QDialog& dialog) {
    QWidget* widget = makeWidget(item, dialog);
    if (item.id != kNoControlId && !item.caption.empty() &&
        (item.kind == ControlKind::PushButton || item.kind == ControlKind::CheckBox)) {
        widget->setProperty(ControlAccess::kTemplateCaptionProperty,
                            QString::fromStdString(item.caption));
    }
    return widget;
}

// What `text` needs in `widget` by its font and style; an empty size for a
// widget whose text takes no room of its own.
QSize textNeed(const QWidget& widget, const QString& text) {
    const QFontMetrics metrics = widget.fontMetrics();
    QStyle* style = widget.style();
    // As the widgets measure their own texts; a glyph from a fallback font
    // may stand taller than the line the dialog font gives.
    const QSize textSize = style->itemTextRect(metrics, QRect(), Qt::TextShowMnemonic, false, text)
                               .size()
                               .expandedTo({0, metrics.boundingRect(text).height()});
    if (qobject_cast<const QLabel*>(&widget) != nullptr) {
        return textSize;
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = text;
        option.iconSize = box->iconSize();
        return style->sizeFromContents(QStyle::CT_CheckBox, &option, textSize, box);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Without its text the style adds only the frame and margins: its
        // least button width is a taste the templates never followed.
        QStyleOptionButton option;
        option.initFrom(button);
        option.features =
            button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        return style->sizeFromContents(QStyle::CT_PushButton, &option, textSize, button);
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text;
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QSize title(metrics.horizontalAdvance(text + QLatin1Char(' ')), metrics.height());
        // Only across: the controls it frames take its height.
        return {style->sizeFromContents(QStyle::CT_GroupBox, &option, title, group).width(), 0};
    }
    return {};
}

// The text a widget draws, its Alt marker included.
QString drawnText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        return group->title();
    }
    return {};
}

// What a translation needs beyond what the English needed, as a size set
// against the room the template gives: where the English already took more
// than its rect, as a style may, that much more is no overflow.
QSize roomBeyondEnglish(QSize translated, QSize english, QSize rect) {
    const auto axis = [](int need, int englishNeed, int room) {
        return need <= 0 ? 0 : need - std::max(0, englishNeed - room);
    };
    return {axis(translated.width(), english.width(), rect.width()),
            axis(translated.height(), english.height(), rect.height())};
}

// The label names its control to a screen reader and, by its letter, takes
// the focus there; the letter shows underlined only while Alt is held, so the
// window looks as drawn.
void tieLabel(QLabel& label, const QString& caption, QChar key) {
    label.setAccessibleName(spokenLabel(caption));
    if (!key.isNull() && label.style() != shortcutCueStyle()) {
        label.setStyle(shortcutCueStyle());
    }
    label.setText(withMnemonic(caption, key));
}

// Each item's caption as shown, by item place. A view that lays out buttons
// an earlier view made leaves their captions to them; their Alt letters come
// from the captions they show.
std::vector<QString> shownCaptions(const DialogTemplate& tpl, const ControlAccess& controls) {
    std::vector<QString> captions;
    for (const ControlTemplate& item : tpl.controls) {
        const auto* button = item.kind == ControlKind::PushButton && item.caption.empty()
                                 ? qobject_cast<const QPushButton*>(controls.control(item.id))
                                 : nullptr;
        captions.push_back(button != nullptr ? plainCaption(button->text()) : captionOf(item));
    }
    return captions;
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

// The template's caption on a control that still shows it, in the language
// now current; a caption the window set stays.
void retitle(QWidget& widget) {
    const QVariant source = widget.property(ControlAccess::kTemplateCaptionProperty);
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    if (!source.isValid() || button == nullptr) {
        return;
    }
    const QString caption = markerFree(shownCaption(source.toString().toStdString()));
    if (button->text() != caption) {
        // Set anew, the caption would take the button's Alt letter with it.
        const QKeySequence shortcut = button->shortcut();
        button->setText(caption);
        button->setShortcut(shortcut);
    }
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
    view.tpl_ = tpl;
    view.baseSize_ = QSize(units.toPixelsX(tpl.width), units.toPixelsY(tpl.height));
    view.baseLine_ = units.toPixels(tpl.addedLine);

    const auto own = [&view](QWidget* widget) {
        widget->hide();
        view.own_.push_back(widget);
        return widget;
    };
    // A control made on first use is placed and named as the view was built;
    // each show places and names it anew.
    const std::vector<QString> captions = shownCaptions(tpl, controls);
    const std::vector<QChar> keys = accessKeys(tpl, captions);
    const std::vector<ControlVoice> voices = controlVoices(tpl, captions);
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
            .toolTip = windowText(item.toolTip),
            .name = voices[i].name,
            .description = voices[i].description,
            .shortcut = item.kind == ControlKind::PushButton ? altKey(keys[i]) : QKeySequence(),
            .item = i,
            .base = {}};
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
            waiting.caption = item.kind == ControlKind::Edit ? QString() : captions[i];
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
                                            .shortcut = {},
                                            .item = DialogView::kNoItem,
                                            .base = {}});
                break;
            }
            default:
                break;
        }
        view.placements_.push_back(place);
    }
    for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
        if (tpl.controls[i].labelFor != kNoControlId) {
            static_cast<QLabel*>(made[i])->setBuddy(controls.control(tpl.controls[i].labelFor));
        }
    }
    for (const auto& [id, items] : tpl.initialItems) {
        for (const Text& text : items) {
            controls.addComboWords(id, windowText(text));
        }
    }
    for (DialogView::Placement& place : view.placements_) {
        place.base = place.geometry;
    }
    view.retranslate();
    return view;
}

void DialogView::retranslate() {
    // First the captions this view gives its controls, which the next view
    // may share.
    for (std::size_t i = 0; i < tpl_.controls.size(); ++i) {
        const ControlTemplate& item = tpl_.controls[i];
        if (item.id == kNoControlId || item.caption.empty()) {
            continue;
        }
        if (QWidget* widget = controls_->madeControl(item.id)) {
            retitle(*widget);
        } else if (item.kind != ControlKind::Edit) {
            controls_->retitlePending(item.id, captionOf(item));
        }
    }
    // A list that still holds the template's items (Mic-E's status and path)
    // shows them in the language; the form reads their order, not their words.
    for (const auto& [id, items] : tpl_.initialItems) {
        QStringList words;
        for (const Text& item : items) {
            words.push_back(windowText(item));
        }
        auto* list = qobject_cast<QComboBox*>(controls_->madeControl(id));
        if (list == nullptr) {
            controls_->retitlePendingItems(id, words);
        } else if (!list->isEditable() && list->count() == words.size()) {
            for (int i = 0; i < list->count(); ++i) {
                list->setItemText(i, words[i]);
            }
        }
    }
    const std::vector<QString> captions = shownCaptions(tpl_, *controls_);
    const std::vector<QChar> keys = accessKeys(tpl_, captions);
    const std::vector<ControlVoice> voices = controlVoices(tpl_, captions);
    title_ = windowText(tpl_.caption);
    for (Placement& place : placements_) {
        if (place.item == kNoItem) {
            continue;
        }
        const ControlTemplate& item = tpl_.controls[place.item];
        place.toolTip = windowText(item.toolTip);
        place.name = voices[place.item].name;
        place.description = voices[place.item].description;
        place.shortcut =
            item.kind == ControlKind::PushButton ? altKey(keys[place.item]) : QKeySequence();
        if (item.id != kNoControlId || place.widget == nullptr) {
            continue;
        }
        const QString& caption = captions[place.item];
        if (auto* label = qobject_cast<QLabel*>(place.widget); label && !item.caption.empty()) {
            if (item.labelFor != kNoControlId) {
                tieLabel(*label, caption, keys[place.item]);
            } else {
                label->setText(caption);
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(place.widget)) {
            group->setTitle(markerFree(caption));
        }
    }
    std::vector<QRect> rects;
    for (const Placement& place : placements_) {
        rects.push_back(place.base);
    }
    rects.push_back(baseLine_);
    const TextRoom room = roomForTexts(rects, neededRoom());
    for (std::size_t i = 0; i < placements_.size(); ++i) {
        placements_[i].geometry = room.rects[i];
    }
    line_ = room.rects.back();
    size_ = baseSize_ + room.growth;
}

std::vector<QSize> DialogView::neededRoom() const {
    std::vector<QSize> needed;
    for (const Placement& place : placements_) {
        QWidget* widget = widgetOf(place);
        if (widget == nullptr || !place.shown || place.item == kNoItem) {
            needed.emplace_back();
            continue;
        }
        const ControlTemplate& item = tpl_.controls[place.item];
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            // Tab texts come from the window, not the template.
            needed.emplace_back(tabs->sizeHint().width(), 0);
            continue;
        }
        // What it draws: a button's caption may be the window's own.
        const QString shown = drawnText(*widget);
        if (shown.isEmpty()) {
            needed.emplace_back();
            continue;
        }
        const QVariant source = widget->property(ControlAccess::kTemplateCaptionProperty);
        const QString english = item.caption.empty()
                                    ? (source.isValid() ? source.toString() : shown)
                                    : englishCaptionOf(item);
        needed.push_back(roomBeyondEnglish(textNeed(*widget, shown), textNeed(*widget, english),
                                           place.base.size()));
    }
    return needed;
}

DialogView buildDialog(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls) {
    DialogView view = buildView(dialog, tpl, controls);
    view.show(dialog);
    return view;
}

}  // namespace qz5
