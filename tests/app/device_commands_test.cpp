// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/device/progress_window.h"
#include "app/form/findings_strip.h"
#include "common/message_box.h"
#include "config/config_file.h"
#include "config/config_image.h"
#include "config/history.h"
#include "config/image_scaling.h"
#include "link/exchange_log.h"
#include "link/serial_port_api_posix.h"
#include "link/traced_port_api.h"
#include "sim/pty_tracker.h"
#include "support/port_holder_process.h"
#include "support/wait_until.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> bytesOf(const std::vector<WireByte>& wire) {
    std::vector<std::uint8_t> bytes;
    for (const WireByte& b : wire) {
        bytes.push_back(b.value);
    }
    return bytes;
}

// The window on COM1, a simulated tracker on a pseudo-terminal.
class DeviceCommandsTest : public WindowDriver {
  public:
    DeviceCommandsTest() { start(TrackerModel()); }
    ~DeviceCommandsTest() override { window.reset(); }
    void TearDown() override {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a command left the wait cursor";
    }

    void start(TrackerModel model) {
        window.reset();
        tracker = std::make_unique<PtyTracker>(std::move(model));
        ports = PortTable({{"COM1", tracker->slavePath()}});
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
        tracker->clearReceived();  // the port scan opened it
    }

    bool deviceOptionsEnabled() {
        for (int id : kDeviceOptions) {
            if (!enabled(id)) {
                return false;
            }
        }
        return true;
    }

    // Calls `tick` every 10 ms on the GUI thread while the test runs; a
    // command that blocked that thread would starve it.
    void everyTick(std::function<void()> tick) {
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, tick);
        ticker.start();
    }

    bool commandRunning() { return window->commands().running(); }

    static ProgressWindow* progressWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* progress = dynamic_cast<ProgressWindow*>(widget)) {
                return progress;
            }
        }
        return nullptr;
    }

    std::unique_ptr<PtyTracker> tracker;
    PortTable ports;
    QTimer ticker;
};

TEST_F(DeviceCommandsTest, AWriteKeepsTheWindowAliveAndNamesItsSteps) {
    int ticksWhileRunning = 0;
    bool waitCursor = true;
    bool progressShown = false;
    std::vector<QString> steps;
    everyTick([&] {
        if (!commandRunning()) {
            return;
        }
        ++ticksWhileRunning;
        const QCursor* cursor = QApplication::overrideCursor();
        waitCursor = waitCursor && cursor && cursor->shape() == Qt::WaitCursor;
        if (ProgressWindow* progress = progressWindow()) {
            progressShown = progressShown || progress->isVisible();
            if (steps.empty() || steps.back() != progress->phase()) {
                steps.push_back(progress->phase());
            }
        }
    });
    click(ids::kWriteConfiguration);

    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Write Successful"}));
    EXPECT_GT(ticksWhileRunning, 0);
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(progressWindow(), nullptr);
    const auto seen = [&](const QString& step) {
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    };
    EXPECT_TRUE(seen("Looking for the tracker at 4800 bit/s"));
    EXPECT_TRUE(seen("Reading it back"));
    EXPECT_FALSE(seen("Looking for the tracker at 9600 bit/s"));
    EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [](const QString& step) {
        return step.startsWith("Writing the configuration: ") && step.endsWith(" of 132 bytes");
    }));
}

TEST_F(DeviceCommandsTest, ACloseDuringAWriteWaitsForItsEndAndItsBoxes) {
    window->show();
    const ConfigImage expected = imageOf(config());
    bool closeSent = false;
    bool heldOpen = false;
    std::size_t boxesAtClose = 0;
    everyTick([&] {
        const ProgressWindow* progress = progressWindow();
        if (closeSent || !progress || !progress->phase().startsWith("Writing")) {
            return;
        }
        closeSent = true;
        window->windowHandle()->close();  // the close box, through the platform
        heldOpen = window->isVisible();
        boxesAtClose = presenter.shown.size();
    });
    click(ids::kWriteConfiguration);

    ASSERT_TRUE(closeSent);
    EXPECT_TRUE(heldOpen);
    EXPECT_EQ(boxesAtClose, 0u);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Write Successful"}));
    EXPECT_EQ(tracker->memory(), expected);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(DeviceCommandsTest, ATrackerUnpluggedDuringAWriteEndsItWithItsMessage) {
    type(ids::kStatusText, "kept");
    const std::vector<bool> before = enableStates();
    everyTick([&] {
        const ProgressWindow* progress = progressWindow();
        if (tracker && progress && progress->phase().startsWith("Writing")) {
            tracker.reset();
        }
    });
    click(ids::kWriteConfiguration);

    ASSERT_EQ(tracker, nullptr);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_TRUE(presenter.texts()[0].starts_with("ComPort write")) << presenter.texts()[0];
    EXPECT_FALSE(link().isOpen());
    EXPECT_FALSE(commandRunning());
    EXPECT_EQ(enableStates(), before);
    EXPECT_STREQ(config().statusText[0].data(), "kept");
}

TEST_F(DeviceCommandsTest, WritePutsTheEncodedImageIntoTheTrackerAndShowsItsDecoding) {
    config().setCallsign("w1aw-9");
    window->form().loadForm();
    const std::string longStatus(60, 's');
    type(ids::kStatusText, QString::fromStdString(longStatus));
    window->form().storeForm();
    const ConfigImage expected = imageOf(config());
    presenter.shown.clear();

    click(ids::kWriteConfiguration);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_TRUE(presenter.shown[0].text.starts_with(
        "The Primary or Secondary Status Beacon text is too long"));
    EXPECT_EQ(presenter.shown[1].text, "Write Successful");
    EXPECT_EQ(presenter.shown[1].caption, "Zelbin3 Write");
    EXPECT_EQ(tracker->memory(), expected);
    // The form shows what the tracker holds, not what was typed.
    EXPECT_EQ(text(ids::kCallsign), "W1AW-9");
    EXPECT_LT(text(ids::kStatusText).size(), longStatus.size());
    EXPECT_TRUE(longStatus.starts_with(text(ids::kStatusText)));
    EXPECT_TRUE(deviceOptionsEnabled());
}

TEST_F(DeviceCommandsTest, WriteClearsAChangedCalibration) {
    controls().setControlText(ids::kCalibration, "135");
    click(ids::kWriteConfiguration);
    ASSERT_EQ(presenter.texts(), (std::vector<std::string>{"Write Successful"}));
    EXPECT_FALSE(config().calibrationChanged);
}

TEST_F(DeviceCommandsTest, EmergencyWriteNeedsConfirmationEvenFromTheHiddenProfile) {
    config().micEStatus[1] = 7;
    type(ids::kCallsign, "K1ABC");
    presenter.answers = {MessageAnswer::Cancel};
    click(ids::kWriteConfiguration);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text,
              "You are about to configure your Zelbin with the ability to send an EMERGENCY "
              "beacon.  Are you sure you want to do this?");
    EXPECT_EQ(presenter.shown[0].caption, "Zelbin3 Write");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(tracker->received().empty());
    EXPECT_STREQ(config().callsign[0].data(), "K1ABC");  // stored before the question
    EXPECT_FALSE(deviceOptionsEnabled());

    presenter.answers = {MessageAnswer::Ok};
    window->form().storeForm();
    const ConfigImage expected = imageOf(config());
    presenter.shown.clear();
    click(ids::kWriteConfiguration);
    EXPECT_EQ(presenter.texts().back(), "Write Successful");
    EXPECT_EQ(tracker->memory(), expected);
}

TEST_F(DeviceCommandsTest, ReadReplacesEditsWithTheTrackersValues) {
    TrackerConfig stored;
    stored.setStatusText("From the tracker");
    stored.packet300Baud[0] = true;
    tracker->setMemory(imageOf(stored));
    type(ids::kStatusText, "unsaved edit");

    click(ids::kReadConfiguration);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Read Successful"}));
    EXPECT_EQ(presenter.shown[0].caption, "Zelbin3 Read");
    EXPECT_EQ(text(ids::kStatusText), "From the tracker");
    EXPECT_STREQ(config().statusText[0].data(), "From the tracker");
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1600 Hz");
    EXPECT_TRUE(deviceOptionsEnabled());
    EXPECT_FALSE(window->form().findings().isHidden()) << "the check of what was read";
}

TEST_F(DeviceCommandsTest, ABadReadBackLeavesRecordAndFormAlone) {
    for (auto fault : {&TrackerFaults::shortReadBack, &TrackerFaults::driftingReads}) {
        TrackerFaults faults;
        faults.*fault = true;
        tracker->setFaults(faults);
        type(ids::kStatusText, "unsaved edit");
        const ConfigImage before = imageOf(config());
        presenter.shown.clear();

        click(ids::kReadConfiguration);
        EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Read Failed"}));
        // Two reads that differ are a read's trouble: nothing was written.
        EXPECT_EQ(presenter.hints.back(),
                  "Check the cable and that the tracker is switched on, then try again.");
        EXPECT_EQ(imageOf(config()), before);
        EXPECT_EQ(text(ids::kStatusText), "unsaved edit");
        EXPECT_TRUE(deviceOptionsEnabled());
    }
}

TEST_F(DeviceCommandsTest, AFailedWriteChangesNoEnableState) {
    TrackerFaults faults;
    faults.corruptReadBack = true;
    tracker->setFaults(faults);
    type(ids::kStatusText, "kept");
    const std::vector<bool> before = enableStates();

    click(ids::kWriteConfiguration);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_TRUE(presenter.texts()[0].starts_with("Write Failed")) << presenter.texts()[0];
    EXPECT_EQ(enableStates(), before);
    EXPECT_EQ(text(ids::kStatusText), "kept");
    EXPECT_STREQ(config().statusText[0].data(), "kept");
}

TEST_F(DeviceCommandsTest, ASilentTrackerIsReportedByTheLinkAlone) {
    TrackerFaults faults;
    faults.silent = true;
    tracker->setFaults(faults);

    click(ids::kReadVersion);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Zelbin3 Not Found"}));
    EXPECT_NE(presenter.hints.back().find("Find Tracker on the window menu"), std::string::npos);
    EXPECT_TRUE(deviceOptionsEnabled());

    start(TrackerModel());
    tracker->setFaults(faults);
    presenter.shown.clear();
    click(ids::kReadConfiguration);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Zelbin3 Not Found"}));
    EXPECT_TRUE(deviceOptionsEnabled());

    start(TrackerModel());
    tracker->setFaults(faults);
    presenter.shown.clear();
    const std::vector<bool> before = enableStates();
    click(ids::kWriteConfiguration);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Zelbin3 Not Found"}));
    EXPECT_EQ(enableStates(), before);
}

// The refusal's reason is found on the worker; its box shows it afterwards.
TEST_F(DeviceCommandsTest, APortHeldElsewhereIsReportedWithItsHolder) {
    PortHolderProcess holder(tracker->slavePath());
    click(ids::kReadVersion);
    EXPECT_EQ(presenter.texts(),
              (std::vector<std::string>{"Could not aquire Com Port", "Could not aquire Com Port",
                                        "Zelbin3 Not Found"}));
    ASSERT_EQ(presenter.details.size(), 3u);
    EXPECT_NE(presenter.details[0].find("(pid " + std::to_string(holder.pid()) + ")"),
              std::string::npos)
        << presenter.details[0];
    EXPECT_EQ(presenter.details[2], "");
    // What to do comes with the verdict, not with each refusal.
    EXPECT_EQ(presenter.hints[0], "");
    EXPECT_TRUE(presenter.hints[2].starts_with("Another program holds this port"))
        << presenter.hints[2];
}

TEST_F(DeviceCommandsTest, ATrackerAt9600IsFoundAndTheNextToneTalksAt9600) {
    start(TrackerModel(9600));
    click(ids::kReadVersion);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, TrackerModel::kDefaultVersionText);
    EXPECT_EQ(presenter.shown[0].caption, "Zelbin3 Version");
    EXPECT_EQ(link().baudRate(), 9600);
    EXPECT_TRUE(deviceOptionsEnabled());

    tracker->clearReceived();
    click(ids::kSendHighTone);
    ASSERT_TRUE(testing::waitUntil([&] { return tracker->received().size() == 6; }));
    const std::vector<WireByte> wire = tracker->received();
    ASSERT_FALSE(wire.empty());
    for (const WireByte& b : wire) {
        EXPECT_EQ(b.rate, 9600);
        EXPECT_TRUE(b.heard);
    }
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::High; }));
}

// A trace that cannot be written stops no exchange; one box says so once the
// command is over.
TEST_F(DeviceCommandsTest, ATraceThatCannotBeWrittenIsOneBoxAfterTheCommand) {
    std::ostringstream full;
    full.setstate(std::ios::badbit);
    ExchangeLog log(full);
    TracedPortApi traced(PosixSerialPortApi::instance(), log);
    window.reset();
    install(std::make_unique<CConfigDlg>(traced, ports));
    click(ids::kSendHighTone);
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::High; }));
    ASSERT_TRUE(testing::waitUntil([&] { return !presenter.texts().empty(); }));
    EXPECT_EQ(presenter.texts(),
              std::vector<std::string>{"cannot write the trace: the stream failed"});
    window.reset();
}

TEST_F(DeviceCommandsTest, ToneCommandsSendStopThenTheirCodeAfterAPause) {
    const std::vector<std::pair<int, std::uint8_t>> buttons = {{ids::kSendLowTone, 0x31},
                                                               {ids::kSendHighTone, 0x32},
                                                               {ids::kSendBothTones, 0x33},
                                                               {ids::kStopTones, 0x78}};
    for (const auto& [id, code] : buttons) {
        tracker->clearReceived();
        click(id);
        EXPECT_TRUE(testing::waitUntil([&] { return tracker->received().size() == 6; })) << id;
        const std::vector<WireByte> wire = tracker->received();
        ASSERT_EQ(bytesOf(wire), (std::vector<std::uint8_t>{0x1B, 0x1B, 0x78, 0x1B, 0x1B, code}))
            << id;
        // The stop's last byte is followed by its 10 ms pace and the 50 ms pause;
        // only the pause is asserted, since a busy machine may see the stop's
        // last byte arrive late.
        EXPECT_GE(wire[3].time - wire[2].time, 50ms) << id;
    }
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::Off; }));
}

TEST_F(DeviceCommandsTest, ToneWithAnUnwrittenCalibrationWarnsAndStillSends) {
    controls().setControlText(ids::kCalibration, "140");
    click(ids::kSendBothTones);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text,
              "New Calibration value should be written before Testing Tones");
    EXPECT_EQ(presenter.shown[0].caption, "Calibration not written");
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::Both; }));
    EXPECT_FALSE(deviceOptionsEnabled());  // tones never touch the device options
}

TEST_F(DeviceCommandsTest, FallbackPortNameFailsToOpen) {
    window.reset();
    ports = PortTable();
    install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
    click(ids::kReadVersion);
    EXPECT_STREQ(link().portName(), "No COM Po");
    ASSERT_FALSE(presenter.texts().empty());
    EXPECT_EQ(presenter.texts().back(), "Zelbin3 Not Found");
    EXPECT_TRUE(tracker->received().empty());
}

TEST_F(DeviceCommandsTest, WritingBackWhatWasReadOrLoadedLeavesTheTrackerAsItWas) {
    // The default image's second delay count does not survive a plain decode
    // and encode, so both paths would have changed the tracker.
    const ConfigImage original = imageOf(TrackerConfig());
    tracker->setMemory(original);
    click(ids::kReadConfiguration);
    click(ids::kWriteConfiguration);
    EXPECT_EQ(tracker->memory(), original);

    QTemporaryDir dir;
    const std::string file = (dir.path() + "/backup.zb3").toStdString();
    const auto contents = configFileContents(original);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(contents.data()),
               static_cast<std::streamsize>(contents.size()));
    tracker->setMemory(imageOf([] {
        TrackerConfig other;
        other.setCallsign("K1ABC");
        return other;
    }()));
    window->form().loadConfigFile(file);
    click(ids::kWriteConfiguration);
    EXPECT_EQ(tracker->memory(), original);

    // An edited delay is encoded by the formula; the one left alone keeps its count.
    controls().setControlText(ids::kDelay2, "200");
    click(ids::kWriteConfiguration);
    EXPECT_EQ(tracker->memory()[kDelay2CountEntry], delayToCount(200, false));
    EXPECT_EQ(tracker->memory()[kDelay2CountEntry + 1], original[kDelay2CountEntry + 1]);
    EXPECT_EQ(presenter.texts(),
              (std::vector<std::string>{"Read Successful", "Write Successful", "Write Successful",
                                        "Write Successful"}));
}

TEST_F(DeviceCommandsTest, ReadsAndWritesAreKeptInTheHistory) {
    std::filesystem::remove_all(historyDir());
    click(ids::kReadConfiguration);
    click(ids::kWriteConfiguration);
    std::vector<std::string> directions;
    for (const HistoryEntry& entry : listHistory()) {
        directions.push_back(entry.direction);
        EXPECT_EQ(entry.version, "OV-QZ5-1.4");
        TrackerConfig ignored;
        ConfigImage image{};
        ASSERT_TRUE(readConfigFile(entry.file.string(), ignored, &image));
        EXPECT_EQ(image, tracker->memory());
    }
    EXPECT_EQ(directions, (std::vector<std::string>{"write", "read"}));
}

// With the choice on, a Write keeps what the tracker held, names those reads in
// its progress window, and its box says what changed and where the earlier
// settings are; without it, that they are kept nowhere.
TEST_F(DeviceCommandsTest, AWriteSaysWhatItChangedAndWhereTheEarlierSettingsAreKept) {
    std::filesystem::remove_all(historyDir());
    std::vector<QString> steps;
    everyTick([&] {
        if (ProgressWindow* progress = progressWindow();
            progress && (steps.empty() || steps.back() != progress->phase())) {
            steps.push_back(progress->phase());
        }
    });
    const QString keeping = "Keeping the tracker's settings: reading them";
    const auto seen = [&](const QString& step) {
        return std::count(steps.begin(), steps.end(), step) > 0;
    };
    // The backup stored last, as the box names it.
    const auto where = [] {
        const auto kept = listHistory();
        const auto backup = std::find_if(kept.begin(), kept.end(), [](const auto& entry) {
            return entry.direction == "backup";
        });
        return backup == kept.end() ? std::string()
                                    : "The earlier settings are kept: History, entry " +
                                          std::to_string(backup->sequence.value_or(0)) + ".";
    };

    type(ids::kCallsign, "R1ABC-9");
    click(ids::kWriteConfiguration);
    EXPECT_EQ(presenter.hints.back(),
              "The tracker's settings from before this write were not read, so they are kept "
              "nowhere. \"Keep Settings Before Writing\" on the window menu keeps them next time.");
    EXPECT_FALSE(seen(keeping));
    const ConfigImage held = tracker->memory();

    controls().setControlCheck(ids::kKeepBeforeWrite, 1);
    type(ids::kCallsign, "R1ABC-7");
    click(ids::kWriteConfiguration);
    EXPECT_EQ(presenter.hints.back(),
              "Changed on the tracker:\nPrimary, Callsign: \"R1ABC-9\" -> \"R1ABC-7\"\n" + where());
    EXPECT_TRUE(seen(keeping));
    EXPECT_TRUE(seen(keeping + " again to compare"));
    const auto kept = listHistory();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[1].direction, "backup");
    TrackerConfig ignored;
    ConfigImage backup{};
    ASSERT_TRUE(readConfigFile(kept[1].file.string(), ignored, &backup));
    EXPECT_EQ(backup, held);

    const std::string before = where();
    click(ids::kWriteConfiguration);
    EXPECT_EQ(presenter.hints.back(), "The tracker already held these settings.\n" + where());
    EXPECT_NE(where(), before);

    // More than the box lists: the rest are counted, and all are in its details.
    TrackerConfig far;
    ASSERT_TRUE(far.decodeImage(tracker->memory()));
    for (int profile = 0; profile < kProfileCount; ++profile) {
        far.activeProfile = profile;
        far.setCallsign("K1FAR");
        far.setDigiPath("WIDE2-2");
        far.setStatusText("far");
        far.setFrequency(144.8F);
        far.transmitRate[profile] = 300;
        far.micEStatus[profile] = 3;
    }
    tracker->setMemory(imageOf(far));
    click(ids::kWriteConfiguration);
    const std::string& details = presenter.details.back();
    const auto lines = std::count(details.begin(), details.end(), '\n');
    ASSERT_GE(lines, 12) << presenter.hints.back();
    const std::string shown = details.substr(0, [&] {
        std::size_t end = 0;
        for (int line = 0; line < 10; ++line) {
            end = details.find('\n', end) + 1;
        }
        return end;
    }());
    EXPECT_EQ(presenter.hints.back(), "Changed on the tracker:\n" + shown + "and " +
                                          std::to_string(lines - 10) + " more\n" + where());
}

}  // namespace
}  // namespace qz5::testing
