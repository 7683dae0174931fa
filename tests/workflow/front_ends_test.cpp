// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/form/findings_strip.h"
#include "app/timing/timing_dialog.h"
#include "app/when_shown.h"
#include "app/window_fixture.h"
#include "link/serial_link.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/field_setting.h"

namespace qz5::testing {
namespace {

const ShownMessage kEmergencyQuestion{
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?",
    "Zelbin3 Write", MessageButtons::OkCancel};

// A Mic-E status in one profile, the one the window does not show, so the form
// leaves it as it is.
struct EmergencyCase {
    std::int32_t status;
    int profile;
    bool asks;
};

// The window on the scripted COM1, and qz5cfg on the same.
class FrontEndsTest : public WindowTest {
  protected:
    // Runs a write whose question, if asked, is answered Cancel; tells whether
    // it was asked. Then nothing may have been sent.
    bool asksBefore(const std::function<void()>& write) {
        presenter.shown.clear();
        presenter.answers = {MessageAnswer::Cancel};
        api.sent.clear();
        write();
        const bool asked = !presenter.shown.empty() && presenter.shown[0] == kEmergencyQuestion;
        EXPECT_TRUE(!asked || api.sent.empty());
        return asked;
    }

    bool windowAsks(const EmergencyCase& c) {
        openWindow({{"COM1", "/dev/fake1"}});
        if (c.profile == 0) {
            clickTab(1);
        }
        config().micEStatus[c.profile] = c.status;
        return asksBefore([&] { click(ids::kWriteConfiguration); });
    }

    bool toolAsks(const EmergencyCase& c) {
        const std::string record = folder.filePath("record.json").toStdString();
        std::ofstream(record) << R"({"profiles":[)" << (c.profile == 1 ? "{}," : "")
                              << R"({"micEStatus":)" << c.status << "}]}";
        SerialLink link(api, ports);
        link.setPortName("COM1");
        std::ostringstream out;
        std::ostringstream findings;
        return asksBefore(
            [&] { static_cast<void>(runWrite(link, record, {.backup = false}, out, findings)); });
    }

    QTemporaryDir folder;
};

// The tracker keeps the low byte of the status, so 263 is an Emergency as well.
TEST_F(FrontEndsTest, BothAskBeforeAWriteThatLetsTheTrackerSendAnEmergency) {
    for (const EmergencyCase& c :
         {EmergencyCase{7, 0, true}, EmergencyCase{7, 1, true}, EmergencyCase{263, 1, true},
          EmergencyCase{-249, 0, true}, EmergencyCase{0, 1, false}, EmergencyCase{6, 0, false},
          EmergencyCase{8, 1, false}, EmergencyCase{-7, 0, false}, EmergencyCase{135, 1, false}}) {
        SCOPED_TRACE(::testing::Message() << c.status << " in profile " << c.profile);
        EXPECT_EQ(windowAsks(c), c.asks);
        EXPECT_EQ(toolAsks(c), c.asks);
    }
}

// From the timing window or from All settings, a preset leaves the window's
// record as qz5cfg's --preset leaves a file's: the slot and the sent value
// give way in both.
TEST_F(FrontEndsTest, APresetGivesTheSameRecordInTheWindowAndOnTheCommandLine) {
    for (const bool fromTiming : {true, false}) {
        for (std::size_t p = 0; p < kSmartBeaconingPresets.size(); ++p) {
            const SmartBeaconingPreset& preset = kSmartBeaconingPresets[p];
            SCOPED_TRACE(std::string(preset.name) + (fromTiming ? " in Beacon Timing" : ""));
            openWindow({{"COM1", "/dev/fake1"}});
            config().slotEnable[1] = true;
            config().auxEnable[1] = true;
            TrackerConfig expected = config();
            window->form().loadForm();
            clickTab(1);
            if (fromTiming) {
                whenShown<TimingDialog>([p](TimingDialog& dialog) {
                    auto* list = dialog.findChild<QComboBox*>();
                    list->setCurrentIndex(static_cast<int>(p));
                    EXPECT_EQ(dialog.findChildren<QTableWidget*>().front()->rowCount(), 1);
                    dialog.findChild<QPushButton*>("applyPreset")->click();
                    // The table follows: a row of speeds, the low one first.
                    auto* table = dialog.findChild<QTableWidget*>();
                    EXPECT_GT(table->rowCount(), 3);
                    EXPECT_EQ(table->item(1, 0)->text().toInt(),
                              kSmartBeaconingPresets[p].lowSpeed);
                    dialog.reject();
                });
                window->runCommand(ids::kBeaconTiming);
            } else {
                window->setView(WindowView::AllSettings);
                controls().setComboSelection(ids::kSmartBeaconingPreset, static_cast<int>(p));
                click(ids::kApplyPreset);
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window->form().findings().isHidden(); }));
            window->form().storeForm();
            ASSERT_EQ(
                applySettings({.presets = {"2=" + std::string(preset.name)}}, expected, nullptr),
                ExitStatus::Ok);
            expected.activeProfile = 1;
            EXPECT_EQ(configToJson(config()).dump(1), configToJson(expected).dump(1));
        }
    }
}

}  // namespace
}  // namespace qz5::testing
