// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/shortcut_cue_style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace qz5 {

namespace {

class ShortcutCueStyle final : public QProxyStyle {
  public:
    ShortcutCueStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(qApp);
        qApp->installEventFilter(this);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_UnderlineShortcut) {
            return altHeld_ ? 1 : 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
                    cue(event->type() == QEvent::KeyPress);
                }
                break;
            // Alt let go in another window never reaches this one.
            case QEvent::ApplicationDeactivate:
            case QEvent::WindowDeactivate:
                cue(false);
                break;
            default:
                break;
        }
        return QProxyStyle::eventFilter(watched, event);
    }

  private:
    void cue(bool held) {
        if (held == altHeld_) {
            return;
        }
        altHeld_ = held;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->update();
        }
    }

    bool altHeld_ = false;
};

}  // namespace

QStyle* shortcutCueStyle() {
    static ShortcutCueStyle* const style = new ShortcutCueStyle;
    return style;
}

}  // namespace qz5
