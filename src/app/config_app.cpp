#include "app/config_app.h"

#include "app/config_dlg.h"
#include "app/qt_message_presenter.h"

namespace qz5 {

namespace {

// The presenter is in place before the window exists, so every box of the run
// is a real one.
template <typename... Ports>
bool runWindow(Ports&... ports) {
    QtMessagePresenter presenter;
    ScopedMessagePresenter installed(presenter);
    CConfigDlg window(ports...);
    window.setView(startupView(QCoreApplication::arguments()));
    window.exec();
    return false;
}

}  // namespace

CConfigApp::CConfigApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool CConfigApp::startApplication() {
    return runWindow();
}

bool CConfigApp::startApplication(SerialPortApi& api, const PortTable& ports) {
    return runWindow(api, ports);
}

}  // namespace qz5
