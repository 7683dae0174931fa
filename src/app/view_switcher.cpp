#include "app/view_switcher.h"

#include <QDialog>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "app/controls/all_settings_template.h"
#include "app/controls/main_window_template.h"

namespace qz5 {

namespace {

constexpr const char* kViewKey = "view";
constexpr const char* kAllSettingsValue = "all-settings";
constexpr const char* kBasicValue = "basic";

// $XDG_CONFIG_HOME/qz5-config/window.conf
constexpr const char* kOrganisation = "qz5-config";
constexpr const char* kApplication = "window";

}  // namespace

ViewSwitcher::ViewSwitcher(QDialog& dialog, ControlAccess& controls)
    : dialog_(dialog),
      basic_(buildDialog(dialog, mainWindowTemplate(), controls)),
      all_(buildView(dialog, allSettingsTemplate(), controls)) {}

void ViewSwitcher::show(WindowView view) {
    if (view == current_) {
        return;
    }
    const DialogView& leaving = current_ == WindowView::Basic ? basic_ : all_;
    const DialogView& coming = view == WindowView::Basic ? basic_ : all_;
    leaving.hide();
    coming.show(dialog_);
    current_ = view;
    keepOnScreen();
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
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kViewKey).toString() == QLatin1String(kAllSettingsValue)
               ? WindowView::AllSettings
               : WindowView::Basic;
}

void rememberView(WindowView view) {
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kViewKey, view == WindowView::AllSettings ? kAllSettingsValue : kBasicValue);
}

WindowView startupView(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--all-settings")) ? WindowView::AllSettings
                                                                : rememberedView();
}

}  // namespace qz5
