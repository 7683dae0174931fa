// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_switcher.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "app/controls/all_settings_template.h"
#include "app/controls/main_window_template.h"
#include "common/message_box.h"
#include "common/outside_text.h"
#include "common/user_state_dir.h"
#include "language/shown_text.h"

namespace qz5 {

namespace {

// Room left around the window for its frame and caption.
constexpr QSize kFrameAllowance(16, 48);

constexpr const char* kViewKey = "view";
constexpr const char* kAllSettingsValue = "all-settings";
constexpr const char* kBasicValue = "basic";
constexpr const char* kKeepKey = "keepBeforeWrite";
constexpr const char* kLanguageKey = "language";

// window.conf in the user's settings folder: a file on every system, never
// Windows' registry. Only a regular file, or none yet, goes to QSettings: it
// would wait in open() for ever on a FIFO. Anything else means the defaults,
// said once.
QString settingsFile() {
    const std::filesystem::path folder = userConfigDir();
    if (folder.empty()) {
        return {};
    }
    QString file = QString::fromStdString((folder / "window.conf").string());
    if (const QFileInfo info(file); info.exists() && !info.isFile()) {
        static bool warned = false;
        if (!std::exchange(warned, true)) {
            showMessage(say("Window",
                            "%1 is not a regular file; the window starts with its "
                            "defaults and remembers nothing")
                            .with(printableText(file.toStdString())),
                        "");
        }
        return {};
    }
    return file;
}

}  // namespace

void ViewSwitcher::nameScrollers() {
    across_->setAccessibleName(translated("Window", "Scroll across"));
    down_->setAccessibleName(translated("Window", "Scroll down"));
}

ViewSwitcher::ViewSwitcher(QDialog& dialog, ControlAccess& controls)
    : dialog_(dialog),
      controls_(controls),
      basic_(buildDialog(dialog, mainWindowTemplate(), controls)),
      across_(new QScrollBar(Qt::Horizontal, &dialog)),
      down_(new QScrollBar(Qt::Vertical, &dialog)) {
    nameScrollers();
    for (QScrollBar* bar : {across_, down_}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        QObject::connect(bar, &QScrollBar::valueChanged, &dialog, [this] {
            scrollTo({across_->value(), down_->value()});
        });
    }
    // Tabbing to a control out of sight brings it into sight.
    followFocus_ = QObject::connect(qApp, &QApplication::focusChanged, &dialog,
                                    [this](QWidget*, QWidget* now) { scrollInto(now); });
}

ViewSwitcher::~ViewSwitcher() {
    QObject::disconnect(followFocus_);
    across_->disconnect(&dialog_);
    down_->disconnect(&dialog_);
}

const DialogView& ViewSwitcher::currentView() const {
    return current_ == WindowView::Basic ? basic_ : *all_;
}

DialogView& ViewSwitcher::allSettings() {
    if (!all_) {
        all_ = buildView(dialog_, allSettingsTemplate(), controls_);
        if (strip_ != nullptr) {
            all_->openLine(*strip_);
        }
    }
    return *all_;
}

void ViewSwitcher::show(WindowView view) {
    if (view == current_) {
        return;
    }
    if (view == WindowView::AllSettings) {
        allSettings();
    }
    currentView().hide();
    current_ = view;
    currentView().show(dialog_);
    fitToScreen();
    keepOnScreen();
}

void ViewSwitcher::openLine(QWidget& strip) {
    strip_ = &strip;
    basic_.openLine(strip);
    if (all_) {
        all_->openLine(strip);
    }
    currentView().show(dialog_);
    fitToScreen();
    keepOnScreen();
    strip.show();
}

void ViewSwitcher::retranslate() {
    // Basic first: All settings shares the captions of its buttons.
    basic_.retranslate();
    if (all_) {
        all_->retranslate();
    }
    QWidget* focused = dialog_.focusWidget();
    currentView().show(dialog_);
    fitToScreen();
    keepOnScreen();
    scrollInto(focused);
}

void ViewSwitcher::scrollTo(QPoint offset) const {
    currentView().scrollTo(offset);
    if (strip_ != nullptr) {
        strip_->setGeometry(currentView().line().translated(-offset));
        strip_->raise();
    }
}

void ViewSwitcher::fitToScreen() {
    const QSize wanted = currentView().size();
    const QScreen* screen = dialog_.screen();
    const QSize room =
        screen != nullptr ? screen->availableGeometry().size() - kFrameAllowance : wanted;
    const int bar = dialog_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool across = wanted.width() > room.width();
    bool down = wanted.height() > room.height();
    // Each bar takes room from the other direction.
    down = down || (across && wanted.height() + bar > room.height());
    across = across || (down && wanted.width() + bar > room.width());
    const QSize client(across ? room.width() : wanted.width() + (down ? bar : 0),
                       down ? room.height() : wanted.height() + (across ? bar : 0));
    const QSize visible(client.width() - (down ? bar : 0), client.height() - (across ? bar : 0));
    dialog_.setFixedSize(client);
    across_->setGeometry(0, visible.height(), visible.width(), bar);
    down_->setGeometry(visible.width(), 0, bar, visible.height());
    across_->setRange(0, std::max(0, wanted.width() - visible.width()));
    down_->setRange(0, std::max(0, wanted.height() - visible.height()));
    across_->setPageStep(visible.width());
    down_->setPageStep(visible.height());
    across_->setValue(0);
    down_->setValue(0);
    scrollTo({0, 0});
    across_->setVisible(across);
    down_->setVisible(down);
    across_->raise();
    down_->raise();
}

void ViewSwitcher::scrollInto(QWidget* focused) {
    if (focused == nullptr || !dialog_.isAncestorOf(focused) ||
        (across_->isHidden() && down_->isHidden())) {
        return;
    }
    const QRect place(focused->mapTo(&dialog_, QPoint(0, 0)), focused->size());
    const QRect visible(0, 0, down_->isVisible() ? down_->x() : dialog_.width(),
                        across_->isVisible() ? across_->y() : dialog_.height());
    const auto follow = [](QScrollBar* bar, int start, int end, int first, int last) {
        if (start < first) {
            bar->setValue(bar->value() - (first - start));
        } else if (end > last) {
            bar->setValue(bar->value() + std::min(end - last, start - first));
        }
    };
    follow(across_, place.left(), place.right(), visible.left(), visible.right());
    follow(down_, place.top(), place.bottom(), visible.top(), visible.bottom());
}

void ViewSwitcher::keepOnScreen() {
    // The window grows to the right and down; a window near a screen edge
    // would otherwise hide part of the new view.
    const QScreen* screen = dialog_.screen();
    if (!dialog_.isVisible() || screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect frame = dialog_.frameGeometry();
    const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
    const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) {
        dialog_.move(x, y);
    }
}

WindowView rememberedView() {
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(kViewKey).toString() == QLatin1String(kAllSettingsValue)
               ? WindowView::AllSettings
               : WindowView::Basic;
}

void rememberView(WindowView view) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(kViewKey, view == WindowView::AllSettings ? kAllSettingsValue : kBasicValue);
}

bool rememberedKeepBeforeWrite() {
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(kKeepKey).toString() == QLatin1String("true");
}

void rememberKeepBeforeWrite(bool keep) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(kKeepKey, keep ? "true" : "false");
}

std::string rememberedLanguage() {
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(kLanguageKey).toString().toStdString();
}

void rememberLanguage(const std::string& code) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    if (code.empty()) {
        settings.remove(kLanguageKey);
    } else {
        settings.setValue(kLanguageKey, QString::fromStdString(code));
    }
}

WindowView startupView(bool allSettingsAsked) {
    return allSettingsAsked ? WindowView::AllSettings : rememberedView();
}

}  // namespace qz5
