// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <memory>
#include <utility>

#include "app/controls/tool_commands.h"
#include "app/controls/window_text.h"
#include "app/window_language.h"
#include "language/language_choice.h"
#include "language/shown_text.h"

namespace qz5 {

namespace {

constexpr const char* kCloseItemText = QZ5_TEXT("Window", "&Close");
constexpr const char* kAllSettingsItemText = QZ5_TEXT("Window", "All &settings");

bool isMenuKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// The text field a menu key or a right click on `target` is about, if any: an
// editable list's field stands behind the list.
QLineEdit* textFieldOf(QWidget* target) {
    if (auto* box = qobject_cast<QComboBox*>(target); box != nullptr && box->isEditable()) {
        return box->lineEdit();
    }
    return qobject_cast<QLineEdit*>(target);
}

// Under the caret of a text field, in the middle of any other control.
QPoint placeFor(QWidget* focused) {
    if (QLineEdit* field = textFieldOf(focused)) {
        const QRect caret =
            field->inputMethodQuery(Qt::ImCursorRectangle).toRect().intersected(field->rect());
        if (!caret.isEmpty()) {
            return field->mapToGlobal(caret.bottomLeft());
        }
    }
    return focused->mapToGlobal(focused->rect().center());
}

}  // namespace

WindowMenu::WindowMenu(QWidget& window, WindowMenuActions actions)
    : QObject(&window), window_(window), actions_(std::move(actions)) {
    // On the application: a key press goes to the focused control first, and
    // some controls keep the keys they know.
    qApp->installEventFilter(this);
}

WindowMenu::~WindowMenu() {
    qApp->removeEventFilter(this);
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (!isMenuKey(*static_cast<QKeyEvent*>(event))) {
                return false;
            }
            QWidget* focused = window_.focusWidget() != nullptr ? window_.focusWidget() : &window_;
            open(focused, placeFor(focused), true);
            return true;
        }
        case QEvent::ContextMenu: {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            // The platform's own translation of the menu keys: the key press
            // that comes with it opens the menu.
            if (request->reason() != QContextMenuEvent::Keyboard) {
                open(widget, request->globalPos(), false);
            }
            return true;
        }
        default:
            return false;
    }
}

void WindowMenu::open(QWidget* target, QPoint at, bool byKeyboard) {
    std::unique_ptr<QMenu> menu;
    if (QLineEdit* field = textFieldOf(target)) {
        menu.reset(field->createStandardContextMenu());
        menu->addSeparator();
    } else {
        menu = std::make_unique<QMenu>(&window_);
    }
    addItems(*menu);
    if (byKeyboard) {
        // A keyboard user starts on the first item that can be chosen.
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) {
                menu->setActiveAction(action);
                break;
            }
        }
    }
    menu->exec(at);
}

// Each language in its own name, so that a reader finds theirs whatever the
// window speaks now.
void WindowMenu::addLanguages(QMenu& menu) {
    auto* choices = new QActionGroup(&menu);
    const std::string chosen = chosenLanguage();
    const auto add = [&](const QString& name, const std::string& code) {
        QAction* item = menu.addAction(name);
        item->setCheckable(true);
        item->setChecked(code == chosen);
        choices->addAction(item);
        connect(item, &QAction::triggered, &window_, [code] { chooseLanguage(code); });
    };
    add(translated("Window", "System default"), {});
    for (const Language& language : translatedLanguages()) {
        add(QString::fromUtf8(language.ownName), language.code);
    }
}

void WindowMenu::addItems(QMenu& menu) {
    menu.setSeparatorsCollapsible(false);
    connect(menu.addAction(windowText(kCloseItemText)), &QAction::triggered, &window_,
            [this] { actions_.command(kCloseCommand); });
    QAction* allSettings = menu.addAction(windowText(kAllSettingsItemText));
    allSettings->setCheckable(true);
    allSettings->setChecked(actions_.view() == WindowView::AllSettings);
    connect(allSettings, &QAction::toggled, &window_, [this](bool on) {
        const WindowView chosen = on ? WindowView::AllSettings : WindowView::Basic;
        actions_.showView(chosen);
        rememberView(chosen);
    });
    menu.addSeparator();
    for (const ToolCommand& tool : kToolCommands) {
        connect(menu.addAction(windowText(tool.menuText)), &QAction::triggered, &window_,
                [this, id = tool.id] { actions_.command(id); });
    }
    for (const ToolCommand& choice : kToolChoices) {
        QAction* item = menu.addAction(windowText(choice.menuText));
        item->setCheckable(true);
        item->setChecked(actions_.chosen(choice.id));
        connect(item, &QAction::triggered, &window_,
                [this, id = choice.id] { actions_.command(id); });
    }
    addLanguages(*menu.addMenu(translated("Window", "&Language")));
    menu.addSeparator();
    connect(menu.addAction(windowText(kAboutItemText)), &QAction::triggered, &window_,
            [this] { actions_.command(kAboutCommand); });
}

}  // namespace qz5
