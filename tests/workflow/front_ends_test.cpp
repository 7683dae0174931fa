// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/window_fixture.h"
#include "link/serial_link.h"
#include "tools/qz5cfg/device_commands.h"

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
        std::ostringstream findings;
        return asksBefore(
            [&] { static_cast<void>(runWrite(link, record, {.backup = false}, findings)); });
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

}  // namespace
}  // namespace qz5::testing
