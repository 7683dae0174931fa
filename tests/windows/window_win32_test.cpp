// SPDX-License-Identifier: GPL-3.0-or-later
// The window's Windows halves: the font it carries, the system menu,
// hot-plug messages, the console for printed answers, and file names outside
// the ANSI code page.
#include <windows.h>
// After windows.h, which they need.
#include <dbt.h>

#include <gmock/gmock.h>

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../app/window_fixture.h"
#include "app/app_options.h"
#include "app/controls/about_dialog.h"
#include "app/controls/template_style.h"
#include "app/device/device_command_runner.h"
#include "app/device/port_watcher.h"
#include "app/qt_file_prompt.h"
#include "app/window_platform.h"
#include "app/window_platform_win32.h"
#include "common/path_text.h"
#include "config/data_file_path.h"
#include "link/serial_link.h"

namespace qz5::testing {
namespace {

namespace fs = std::filesystem;

bool nativeEvent(CConfigDlg& window, const QByteArray& type, void* message) {
    qintptr result = 0;
    return window.nativeEvent(type, message, &result);
}

// Every window of the run draws in the face the program carries and the
// style the program sets, as the program does, once the application exists.
class CarriedFont : public ::testing::Environment {
    void SetUp() override {
        provideWindowFont();
        letCaptionsFillTheirButtons();
    }
};
[[maybe_unused]] const auto* const carriedFont =
    ::testing::AddGlobalTestEnvironment(new CarriedFont);

bool aboutBoxOpensDuring(const std::function<void()>& action) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        shown = qobject_cast<CAboutDlg*>(box) != nullptr;
        if (box) {
            box->close();
        }
    });
    action();
    return shown;
}

using ::testing::HasSubstr;
using WindowWin32Test = WindowTest;

TEST_F(WindowWin32Test, TheSystemMenusAboutItemOpensTheBoxAndOtherCommandsStayWindows) {
    window->show();
    for (WPARAM command : {0x0010, 0x0013}) {
        MSG message{nullptr, WM_SYSCOMMAND, command, 0, 0, {}};
        bool handled = false;
        EXPECT_TRUE(aboutBoxOpensDuring([&] {
            handled = nativeEvent(*window, "windows_generic_MSG", &message);
        })) << command;
        EXPECT_TRUE(handled);
    }
    MSG close{nullptr, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {}};
    EXPECT_FALSE(nativeEvent(*window, "windows_generic_MSG", &close));
    MSG paint{nullptr, WM_PAINT, 0, 0, 0, {}};
    EXPECT_FALSE(nativeEvent(*window, "windows_generic_MSG", &paint));
    EXPECT_TRUE(window->isVisible());
}

// Windows has no DejaVu Sans of its own: without the file beside the
// program, Qt would silently draw in the first face it lists. A file that is
// missing or no font costs only the face, and is said.
TEST_F(WindowWin32Test, DrawsInTheFontItCarriesAndAFontFileGoneMissingIsSaid) {
    for (const fs::path& file : {fs::temp_directory_path() / "no such font.ttf",
                                 installedDataFile("", L"window_tests.exe")}) {
        EXPECT_THAT(lendFont(file), HasSubstr("could not be loaded from " + textFromPath(file)));
    }
    EXPECT_EQ(provideWindowFont(), "");
    window->show();
    for (int id : {ids::kReadConfiguration, ids::kCallsign}) {
        EXPECT_EQ(QFontInfo(controls().control(id)->font()).family().toStdString(),
                  kDialogFont.family)
            << id;
    }
}

// How wide a button's caption comes out: the columns in which the button
// drawn with it differs from the button drawn without it.
int drawnCaptionWidth(QPushButton& button) {
    const QImage with = button.grab().toImage();
    const QString caption = button.text();
    button.setText(QString());
    const QImage without = button.grab().toImage();
    button.setText(caption);
    int first = with.width();
    int last = -1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last - first + 1;
}

// The dialog units leave the longest captions only just room inside their
// buttons; the system's own style would cut letters off them.
TEST_F(WindowWin32Test, EveryButtonShowsItsWholeCaption) {
    window->show();
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            // Less the blank edges of the first and last letters.
            EXPECT_GE(drawnCaptionWidth(*button),
                      button->fontMetrics().horizontalAdvance(caption) - 2)
                << caption.toStdString();
        }
    }
}

TEST(PortEventsWin32, APortThatArrivesOrLeavesStartsALookAtThePorts) {
    int looks = 0;
    QWidget owner;
    SerialLink link;
    const DeviceCommandRunner idle(owner, link);
    PortWatcher watcher(SystemRoots{}, idle, [&](const PortTable&) { ++looks; });
    const auto deliver = [](UINT type, WPARAM event, const void* details) {
        MSG message{nullptr, type, event, reinterpret_cast<LPARAM>(details), 0, {}};
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent("windows_generic_MSG", &message,
                                                                &result);
    };
    DEV_BROADCAST_HDR port{sizeof port, DBT_DEVTYP_PORT, 0};
    DEV_BROADCAST_HDR volume{sizeof volume, DBT_DEVTYP_VOLUME, 0};
    deliver(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, &port);
    EXPECT_EQ(looks, 1);
    deliver(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, &port);
    EXPECT_EQ(looks, 2);
    deliver(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, &volume);
    deliver(WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, &port);
    deliver(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, nullptr);
    deliver(WM_SETTINGCHANGE, DBT_DEVICEARRIVAL, &port);
    EXPECT_EQ(looks, 2);
}

std::vector<DWORD> attachRequests;
BOOL WINAPI recordAttach(DWORD processId) {
    attachRequests.push_back(processId);
    return FALSE;  // as when started from Explorer
}

TEST(ConsoleWin32, WhatTheProgramPrintsGoesToItsParentsConsole) {
    const auto system = std::exchange(attachConsoleCall, recordAttach);
    ::testing::internal::CaptureStdout();
    printForUser("qz5-config 1.4\n", false);
    const std::string printed = ::testing::internal::GetCapturedStdout();
    attachConsoleCall = system;
    EXPECT_EQ(attachRequests, std::vector<DWORD>{ATTACH_PARENT_PROCESS});
    EXPECT_EQ(printed, "qz5-config 1.4\n");
}

// A folder named outside every ANSI code page but one: the names must travel
// in UTF-16 from the file dialog to the file.
TEST_F(WindowWin32Test, SavesAndLoadsInAFolderWithACyrillicName) {
    const fs::path folder = fs::temp_directory_path() / u8"Настройки трекера";
    fs::remove_all(folder);
    fs::create_directories(folder);
    QtFilePrompt qtFiles;
    window->setFilePrompt(qtFiles);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(QString::fromStdU16String(folder.u16string()));
        dialog->selectFile(QStringLiteral("Маяк"));
        static_cast<QDialog*>(dialog)->accept();
    });
    type(ids::kCallsign, "R1ABC-7");
    window->runCommand(ids::kSave);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_TRUE(fs::exists(folder / u8"Маяк.zb3"));
    EXPECT_EQ(fs::file_size(folder / u8"Маяк.zb3"), 136u);

    type(ids::kCallsign, "N0CALL");
    window->form().loadConfigFile((folder / u8"Маяк.zb3").string());
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(text(ids::kCallsign), "R1ABC-7");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qz5::testing
