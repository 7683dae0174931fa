// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/accessible_controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QWindow>
#include <map>

namespace qz5 {

namespace {

// The name given (or a buddy label's), else what the control shows.
QString givenOr(const QString& given, const QString& shown) {
    return given.isEmpty() ? shown : given;
}

class AccessibleComboBox : public QAccessibleWidget {
  public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    // The drop-down list, and the edit field of an editable box.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(box()->view());
        }
        if (index == 1 && box()->isEditable()) {
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == box()->view()) {
            return 0;
        }
        return box()->isEditable() && child->object() == box()->lineEdit() ? 1 : -1;
    }

    // The edit field holds the caret while the box has the focus.
    QAccessibleInterface* focusChild() const override {
        return box()->isEditable() ? child(1) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        QString value = box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        switch (kind) {
            case QAccessible::Name:
                return givenOr(QAccessibleWidget::text(kind), value);
            case QAccessible::Value:
                return value;
            case QAccessible::Description:
                return describedItem();
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    // The chosen item's own description (what its tool tip says) after the
    // box's, so what the mouse shows is read too.
    QString describedItem() const {
        QStringList parts;
        if (const QString own = QAccessibleWidget::text(QAccessible::Description); !own.isEmpty()) {
            parts << own;
        }
        if (const QString item = box()->currentData(Qt::AccessibleDescriptionRole).toString();
            !item.isEmpty()) {
            parts << item;
        }
        return parts.join(QLatin1Char('\n'));
    }
};

class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleTab(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return bar_ != nullptr ? bar_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) {
            return {};
        }
        switch (kind) {
            case QAccessible::Name:
                return givenOr(bar_->accessibleTabName(index_),
                               bar_->tabText(index_).remove(QLatin1Char('&')));
            case QAccessible::Description:
                return bar_->tabToolTip(index_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect area = bar_->tabRect(index_);
        return {bar_->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = bar_->currentIndex() == index_;
        state.focused = state.selected && bar_->hasFocus();
        state.disabled = !bar_->isTabEnabled(index_);
        state.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // As a click: the window's tab handler runs.
    void doAction(const QString& action) override {
        if (isValid() && action == pressAction()) {
            bar_->setCurrentIndex(index_);
        }
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  private:
    QPointer<QTabBar> bar_;
    int index_;
};

class AccessibleTabBar : public QAccessibleWidget {
  public:
    explicit AccessibleTabBar(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}

    ~AccessibleTabBar() override {
        for (const auto& [index, id] : tabs_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    AccessibleTabBar(const AccessibleTabBar&) = delete;
    AccessibleTabBar& operator=(const AccessibleTabBar&) = delete;

    int childCount() const override { return bar()->count(); }

    // One interface per tab, made when first asked for and kept, so that
    // events about a tab reach the object a screen reader already knows.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) {
            return nullptr;
        }
        if (const auto found = tabs_.find(index); found != tabs_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* tab = new AccessibleTab(bar(), index);
        tabs_.emplace(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : tabs_) {
            if (QAccessible::accessibleInterface(id) == child) {
                return index;
            }
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name || !text.isEmpty()) {
            return text;
        }
        const QAccessibleInterface* current = child(bar()->currentIndex());
        return current != nullptr ? current->text(kind) : QString();
    }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }

    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* namedControl(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    }
    if (className == QLatin1String("QTabBar")) {
        return new AccessibleTabBar(static_cast<QTabBar*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(&namedControl);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace qz5
