// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/config_app.h"

#include <QTimer>

#include "app/app_options.h"
#include "app/config_dlg.h"
#include "app/qt_message_presenter.h"
#include "app/window_language.h"
#include "app/window_platform.h"
#include "common/message_box.h"
#include "common/program_info.h"
#include "common/user_state_dir.h"
#include "language/shown_text.h"
#include "link/system_roots.h"

namespace qz5 {

CConfigApp::CConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationVersion(QString::fromLatin1(kProgramVersion));
    setDesktopFileName(QString::fromLatin1(kApplicationId));
    fontProblem_ = provideWindowFont();
    letCaptionsFillTheirButtons();
}

// The presenter is in place before the window exists, so every box of the run
// is a real one.
template <typename... Ports>
bool CConfigApp::runWindow(Ports&... ports) {
    QtMessagePresenter presenter;
    ScopedMessagePresenter installed(presenter);
    // Before the window is built, which lays its texts out in this language.
    speakChosenLanguage();
    CConfigDlg window(ports...);
    window.setView(startupView(allSettingsAsked_));
    // The view's settings file is the first of the user's folders asked for.
    showMessages(takeUserFolderNotices());
    if (!startFile_.empty()) {
        // Queued, so that its boxes stand in front of the window.
        QTimer::singleShot(0, &window,
                           [this, &window] { window.form().loadConfigFile(startFile_); });
    }
    if (!fontProblem_.empty()) {
        // A run that only checks the window has no one to click a box away.
        if (quitAfterStart_) {
            static_cast<void>(printForUser(
                shownText(say("Window", "qz5-config: %1\n").with(fontProblem_)).toStdString(),
                true));
        } else {
            QTimer::singleShot(0, &window, [text = fontProblem_] {
                showMessage(text, say("Window", "Font Missing"), MessageButtons::Ok);
            });
        }
        fontProblem_ = Text();
    }
    if (quitAfterStart_) {
        // Queued before exec() shows the window, so it runs once the window is up.
        QTimer::singleShot(0, &window, [this, &window] {
            windowWasShown_ = window.isVisible();
            window.reject();
        });
    }
    window.exec();
    return false;
}

bool CConfigApp::startApplication(SerialPortApi& api) {
    const SystemRoots roots;
    return runWindow(api, roots);
}

bool CConfigApp::startApplication(SerialPortApi& api, const PortTable& ports) {
    return runWindow(api, ports);
}

}  // namespace qz5
