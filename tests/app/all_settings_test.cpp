// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <map>
#include <type_traits>

#include "app/controls/all_settings_template.h"
#include "common/user_state_dir.h"
#include "config/history.h"
#include "config/record_fields.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "support/record_fields.h"
#include "support/wait_until.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

// The control that shows a field: the one that carries the field's help.
int controlShowing(ControlAccess& controls, const FieldInfo& field) {
    for (int id = ids::kExit; id <= ids::kHighestId; ++id) {
        QWidget* widget = controls.control(id);
        if (widget != nullptr && widget->toolTip() == QString::fromLatin1(field.help)) {
            return id;
        }
    }
    return kNoControlId;
}

bool derived(const FieldInfo& field) {
    return std::string_view(field.name).starts_with("slotDivides");
}

// Where each control sits and whether it shows.
std::map<int, std::pair<QRect, bool>> placements(ControlAccess& controls) {
    std::map<int, std::pair<QRect, bool>> result;
    for (int id = ids::kExit; id <= ids::kHighestId; ++id) {
        if (QWidget* widget = controls.control(id)) {
            result[id] = {widget->geometry(), widget->isVisibleTo(widget->parentWidget())};
        }
    }
    return result;
}

class AllSettingsTest : public WindowTest {};

TEST_F(AllSettingsTest, ShowsEveryFieldOfTheProfileEditableUnlessAnInterlockSaysNo) {
    window->show();
    window->setView(WindowView::AllSettings);
    // Disabled by the interlocks at their defaults: SmartBeaconing and the
    // time slot are off.
    const std::set<std::string_view> disabled = {
        "calibration", "delay3Ms",      "onlySendValid", "invertCdIn",
        "noTxOnPttIn", "serialOutHigh", "packet300Baud", "gps9600",
        "slotSeconds", "sbLowSpeed",    "sbHighSpeed",   "sbSlowRate",
        "sbFastRate",  "sbTurnAngle",   "sbTurnSlope",   "sbTurnTime"};
    int shown = 0;
    const auto expectShown = [&](const FieldInfo& field, auto) {
        if (derived(field) || field.name == std::string_view("activeProfile") ||
            field.name == std::string_view("calibrationChanged")) {
            return;
        }
        QWidget* control = controls().control(controlShowing(controls(), field));
        ASSERT_NE(control, nullptr) << field.name;
        EXPECT_TRUE(control->isVisible()) << field.name;
        EXPECT_EQ(control->isEnabled(), !disabled.contains(field.name)) << field.name;
        ++shown;
    };
    forEachSharedField(expectShown);
    forEachProfileField(expectShown);
    EXPECT_EQ(shown, 44);
    EXPECT_FALSE(controls().control(ids::kSpare1014)->isVisible());
    EXPECT_FALSE(controls().control(ids::kSpare1055)->isVisible());
    for (int id : {ids::kSendLowTone, ids::kStopTones, ids::kSave, ids::kLoad}) {
        EXPECT_TRUE(controls().control(id)->isVisible()) << id;
    }
}

TEST_F(AllSettingsTest, SwitchingKeepsEditsAndTheProfileAndBasicComesBackUnchanged) {
    window->show();
    const auto basic = placements(controls());
    const QSize basicSize = window->size();
    clickTab(1);
    type(ids::kCallsign, "k1abc");
    window->setView(WindowView::AllSettings);
    EXPECT_NE(window->size(), basicSize);
    EXPECT_EQ(controls().currentTab(ids::kProfileTabs), 1);
    EXPECT_EQ(text(ids::kCallsign), "K1ABC");
    type(ids::kDigiPath, "wide2-2");
    click(ids::kSmartBeaconing);
    EXPECT_TRUE(enabled(ids::kSbFastRate));

    window->setView(WindowView::Basic);
    EXPECT_EQ(window->size(), basicSize);
    EXPECT_EQ(placements(controls()), basic);
    clickTab(0);  // stores the Secondary profile
    EXPECT_STREQ(config().callsign[1].data(), "K1ABC");
    EXPECT_STREQ(config().digiPath[1].data(), "WIDE2-2");
    EXPECT_TRUE(config().smartBeaconing[1]);
}

// Every window text in brackets, so that each shows whether it was set again.
class BracketedTexts : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return std::string_view(context) == "Window"
                   ? QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']')
                   : QString();
    }
};

TEST_F(AllSettingsTest, ANewLanguageKeepsTheViewTheValuesAndTheFocus) {
    window->show();
    window->setView(WindowView::AllSettings);
    type(ids::kStatusText, "Rolling");
    click(ids::kSendAltitude);
    const bool altitude = checked(ids::kSendAltitude);
    QWidget* focused = controls().control(ids::kStatusText);
    focused->setFocus();
    const QString title = window->windowTitle();
    const auto english = placements(controls());

    BracketedTexts bracketed;
    QCoreApplication::installTranslator(&bracketed);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "[Orvane QZ5 Config - All settings]");
    EXPECT_EQ(button(ids::kReadVersion)->text(), "[Read Version]");
    EXPECT_EQ(button(ids::kFindTracker)->text(), "[Find Tracker]");
    EXPECT_EQ(window->view(), WindowView::AllSettings);
    EXPECT_EQ(text(ids::kStatusText), "Rolling");
    EXPECT_EQ(checked(ids::kSendAltitude), altitude);
    EXPECT_EQ(window->focusWidget(), focused);

    QCoreApplication::removeTranslator(&bracketed);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(button(ids::kReadVersion)->text(), "Read Version");
    EXPECT_EQ(placements(controls()), english);
}

// The offscreen screen is narrower than the view; a second run of these tests
// uses a 1366x768 screen at 200 %.
TEST_F(AllSettingsTest, OnASmallScreenTheWindowFitsAndScrollsToEveryControl) {
    window->show();
    const QSize basicSize = window->size();
    window->setView(WindowView::AllSettings);
    const QRect room = window->screen()->availableGeometry();
    ASSERT_LT(room.width(), allSettingsTemplate().width * 2) << "the screen is not small";
    EXPECT_LE(window->frameGeometry().width(), room.width());
    EXPECT_LE(window->frameGeometry().height(), room.height());
    const auto bars = window->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(bars.size(), 2);
    for (QScrollBar* bar : bars) {
        bar->setValue(bar->maximum());
    }
    QWidget* exit = controls().control(ids::kExit);
    const QRect seen(0, 0, window->width() - (bars[1]->isVisible() ? bars[1]->width() : 0),
                     window->height() - (bars[0]->isVisible() ? bars[0]->height() : 0));
    EXPECT_TRUE(seen.contains(exit->geometry()));
    click(ids::kSmartBeaconing);  // still where a click reaches it
    EXPECT_TRUE(enabled(ids::kSbTurnTime));

    window->setView(WindowView::Basic);
    EXPECT_EQ(window->size(), basicSize);
    for (QScrollBar* bar : bars) {
        EXPECT_FALSE(bar->isVisible());
    }
}

TEST_F(AllSettingsTest, TheWindowMenuSwitchesTheViewAndTheChoiceIsRemembered) {
    window->show();
    const auto chooseAllSettings = [&](bool expectChecked) {
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == "All &settings") {
                    EXPECT_TRUE(action->isCheckable());
                    EXPECT_EQ(action->isChecked(), expectChecked);
                    action->trigger();
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                window->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(window.get(), &event);
    };
    chooseAllSettings(false);
    EXPECT_EQ(window->view(), WindowView::AllSettings);
    EXPECT_EQ(rememberedView(), WindowView::AllSettings);
    EXPECT_EQ(startupView(false), WindowView::AllSettings);
    chooseAllSettings(true);
    EXPECT_EQ(window->view(), WindowView::Basic);
    EXPECT_EQ(startupView(false), WindowView::Basic);
    EXPECT_EQ(startupView(true), WindowView::AllSettings);
}

// QSettings would wait in open() for ever on a FIFO: the window starts with
// its defaults and leaves the FIFO as it is.
TEST_F(AllSettingsTest, ASettingsFileThatIsNoRegularFileMeansTheDefaults) {
    const std::filesystem::path file = userConfigDir() / "window.conf";
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(startupView(false), WindowView::Basic);
    rememberView(WindowView::AllSettings);
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    std::filesystem::remove(file);
}

TEST_F(AllSettingsTest, LoadOffersTheHistoryFolderOnceItExists) {
    click(ids::kLoad);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].request.places.empty());
    const std::string history = historyDir().string();
    ASSERT_TRUE(history.starts_with(qgetenv("XDG_STATE_HOME").toStdString()));
    std::filesystem::create_directories(history);
    click(ids::kLoad);
    std::filesystem::remove_all(history);
    ASSERT_EQ(files.asked.size(), 2u);
    EXPECT_EQ(files.asked[1].request.places, std::vector<std::string>{history});
}

// The window on COM1, a simulated tracker on a pseudo-terminal.
class AllSettingsDeviceTest : public WindowDriver {
  public:
    AllSettingsDeviceTest() { start(); }
    ~AllSettingsDeviceTest() override { window.reset(); }

    void start() {
        window.reset();
        tracker = std::make_unique<PtyTracker>();
        ports = PortTable({{"COM1", tracker->slavePath()}});
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
        window->setView(WindowView::AllSettings);
        window->show();
    }

    // Gives every enabled control of a profile field a value of its own, as a
    // user would; the interlocks' own boxes are left to the caller. Returns
    // the fields changed.
    std::vector<std::string> fillEveryField() {
        std::vector<std::string> filled;
        int index = 0;
        forEachProfileField([&](const FieldInfo& field, auto member) {
            ++index;
            const int id = controlShowing(controls(), field);
            QWidget* control = controls().control(id);
            if (control == nullptr || !control->isEnabled() ||
                interlockBoxes.contains(field.name)) {
                return;
            }
            using Value = std::decay_t<decltype((config().*member)[0])>;
            if constexpr (std::is_same_v<Value, bool>) {
                QTest::mouseClick(control, Qt::LeftButton);
            } else if (auto* list = qobject_cast<QComboBox*>(control);
                       list && !list->isEditable()) {
                list->setCurrentIndex(index % list->count());
            } else if (auto text = texts.find(field.name); text != texts.end()) {
                type(id, text->second);
            } else {
                // Distinct, within one byte, and each slot below its rate.
                type(id, QString::number(200 - 3 * index));
            }
            filled.push_back(field.name);
        });
        return filled;
    }

    // A loaded machine can starve the simulated tracker's thread so that a
    // read-back comes short; a fault in what is sent fails every attempt.
    void clickUntilShown(int id, const std::string& success) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            presenter.shown.clear();
            click(id);
            if (presenter.texts() == std::vector<std::string>{success}) {
                return;
            }
        }
    }

    const std::set<std::string_view> interlockBoxes = {"smartBeaconing", "slotEnable", "micEEnable",
                                                       "auxEnable", "sendNmea"};
    const std::map<std::string_view, QString> texts = {
        {"callsign", "n0call-7"}, {"digiPath", "wide2-2"}, {"statusText", "typed"},
        {"symbolCode", ">"},      {"symbolTable", "\\"},   {"frequencyMHz", "145.175"}};

    std::unique_ptr<PtyTracker> tracker;
    PortTable ports;
};

TEST_F(AllSettingsDeviceTest, TypedValuesSurviveAWriteAndAReadAsTheCodecKeepsThem) {
    for (int governing : {ids::kSmartBeaconing, ids::kSlotEnable}) {
        SCOPED_TRACE(governing);
        start();
        presenter.shown.clear();
        click(governing);
        const std::vector<std::string> filled = fillEveryField();
        window->form().storeForm();
        const TrackerConfig stored = config();
        for (const std::string& name : filled) {
            EXPECT_TRUE(std::ranges::count(differingFields(TrackerConfig(), stored), name))
                << name << " did not reach the record";
        }
        TrackerConfig expected;
        ASSERT_TRUE(expected.decodeImage(imageOf(stored)));
        ASSERT_EQ(presenter.shown.size(), 0u) << "the typed texts must fit the image";

        clickUntilShown(ids::kWriteConfiguration, "Write Successful");
        ASSERT_EQ(presenter.texts(), std::vector<std::string>{"Write Successful"});
        config() = TrackerConfig();
        window->form().loadForm();
        clickUntilShown(ids::kReadConfiguration, "Read Successful");
        ASSERT_EQ(presenter.texts(), std::vector<std::string>{"Read Successful"});
        EXPECT_EQ(differingFields(config(), expected), std::vector<std::string>{});
    }
}

TEST_F(AllSettingsDeviceTest, LeavingAfterATonePressStopsTheTrackersTones) {
    click(ids::kSendBothTones);
    ASSERT_TRUE(waitUntil([&] { return tracker->tone() == Tone::Both; }));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(waitUntil([&] { return tracker->tone() == Tone::Off; }));

    // After Stop Sending there is nothing left to stop.
    start();
    click(ids::kSendLowTone);
    click(ids::kStopTones);
    ASSERT_TRUE(waitUntil([&] { return tracker->tone() == Tone::Off; }));
    tracker->clearReceived();
    click(ids::kExit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(tracker->received().empty());
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(AllSettingsDeviceTest, LeavingWhenThePortIsGoneShowsNoBox) {
    click(ids::kSendHighTone);
    ASSERT_TRUE(waitUntil([&] { return tracker->tone() == Tone::High; }));
    tracker.reset();
    window->reject();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
}  // namespace qz5::testing
