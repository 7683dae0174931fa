// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <QWheelEvent>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "config/config_image.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

class FileAndTabCommandsTest : public WindowTest {
  public:
    std::string path(const char* name) { return (dir.path() + "/" + name).toStdString(); }

    void writeBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::uint8_t> readBytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Edits both profiles through the tabs, as a user would.
    void editBothProfiles(const QString& primary, const QString& secondary) {
        clickTab(1);
        type(ids::kStatusText, secondary);
        clickTab(0);
        type(ids::kStatusText, primary);
    }

    QTemporaryDir dir;
};

TEST_F(FileAndTabCommandsTest, SwitchingTabsKeepsEachProfilesEdits) {
    editBothProfiles("primary edit", "secondary edit");
    EXPECT_EQ(text(ids::kStatusText), "primary edit");
    clickTab(1);
    EXPECT_EQ(config().activeProfile, 1);
    EXPECT_EQ(text(ids::kStatusText), "secondary edit");
    EXPECT_EQ(text(ids::kFrequency), "144.340 MHz - Testing");
    EXPECT_STREQ(config().statusText[0].data(), "primary edit");
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(FileAndTabCommandsTest, TabSwitchSetsToneCaptionsAndReappliesInterlocks) {
    config().packet300Baud[1] = true;
    window->form().updateDeviceEnables();
    const std::vector<bool> before = enableStates();
    clickTab(1);
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1600 Hz");
    EXPECT_FALSE(enabled(ids::kPacket300Baud));
    clickTab(0);
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1200 Hz");
    EXPECT_NE(enableStates(), before);
}

TEST_F(FileAndTabCommandsTest, NewToneCaptionsKeepTheButtonsAltLetters) {
    config().packet300Baud[1] = true;  // 300 baud packet has tones of its own
    window->show();
    window->setView(WindowView::AllSettings);
    const QKeySequence letter = button(ids::kSendLowTone)->shortcut();
    ASSERT_FALSE(letter.isEmpty());
    clickTab(1);
    ASSERT_EQ(button(ids::kSendLowTone)->text(), "Send 1600 Hz");
    EXPECT_EQ(button(ids::kSendLowTone)->shortcut(), letter);
}

TEST_F(FileAndTabCommandsTest, TheWheelOverTheTabsLeavesTheProfileShown) {
    window->show();
    QWidget* tabs = controls().control(ids::kProfileTabs);
    for (const int turn : {-120, 120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), tabs->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, turn), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs, &wheel);
        EXPECT_EQ(config().activeProfile, 0) << turn;
    }
}

TEST_F(FileAndTabCommandsTest, SaveThenLoadReproducesBothProfiles) {
    editBothProfiles("first profile", "second profile");
    files.answers = {path("both.zb3")};
    click(ids::kSave);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].save);
    EXPECT_EQ(files.asked[0].request.title, "Save Config File");
    EXPECT_EQ(files.asked[0].request.initialName, "config1.zb3");
    EXPECT_EQ(files.asked[0].request.defaultExtension, "zb3");
    EXPECT_EQ(files.asked[0].request.filterDescription, "Zelbin3 Config files *.zb3");
    EXPECT_EQ(files.asked[0].request.filterPattern, "*.zb3");
    const std::vector<std::uint8_t> file = readBytes(path("both.zb3"));
    ASSERT_EQ(file.size(), 136u);
    const ConfigImage stored = imageOf(config());
    EXPECT_TRUE(std::equal(file.begin() + 8, file.end(), stored.begin(), stored.end()));
    TrackerConfig fromFile;
    ASSERT_TRUE(fromFile.decodeImage(std::span(file).subspan(8)));

    editBothProfiles("changed", "changed too");
    clickTab(1);
    files.answers = {path("both.zb3")};
    click(ids::kLoad);
    EXPECT_EQ(files.asked[1].request.title, "Load Config File");
    EXPECT_FALSE(files.asked[1].save);
    EXPECT_TRUE(files.asked[1].request.initialName.empty());
    // Loading while Secondary is shown shows the file's Secondary.
    EXPECT_EQ(config().activeProfile, 1);
    EXPECT_EQ(text(ids::kStatusText), "second profile");
    clickTab(0);
    EXPECT_EQ(text(ids::kStatusText), "first profile");
    EXPECT_EQ(imageOf(config()), imageOf(fromFile));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(FileAndTabCommandsTest, LoadClearsAChangedCalibration) {
    files.answers = {path("saved.zb3")};
    click(ids::kSave);
    controls().setControlText(ids::kCalibration, "150");
    window->form().storeForm();
    ASSERT_TRUE(config().calibrationChanged);
    files.answers = {path("saved.zb3")};
    click(ids::kLoad);
    EXPECT_FALSE(config().calibrationChanged);
    EXPECT_EQ(text(ids::kCalibration), "128");
}

TEST_F(FileAndTabCommandsTest, CancelledDialogsDoNothing) {
    type(ids::kStatusText, "unsaved");
    click(ids::kSave);
    click(ids::kLoad);
    EXPECT_EQ(files.asked.size(), 2u);
    EXPECT_STREQ(config().statusText[0].data(), "OV QZ5");  // not even stored
    EXPECT_EQ(text(ids::kStatusText), "unsaved");
    EXPECT_TRUE(presenter.shown.empty());
}

// Each broken file: its message, the record untouched, unsaved edits still shown.
TEST_F(FileAndTabCommandsTest, BrokenFilesAreRejectedWithTheirMessage) {
    std::vector<std::uint8_t> valid = {'Z', 'B', '3', 'A', 128, 0, 0, 0};
    TrackerConfig other;
    other.setStatusText("from file");
    const ConfigImage image = imageOf(other);
    valid.insert(valid.end(), image.begin(), image.end());
    auto withLength = [&](std::uint8_t b0, std::uint8_t b3) {
        auto bytes = valid;
        bytes[4] = b0;
        bytes[7] = b3;
        return bytes;
    };
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {{}, "Invalid File Format"},
        {{'Z', 'B', '3'}, "Invalid File Format"},
        {{'Z', 'B', '3', 'B', 128, 0, 0, 0}, "Invalid File Format"},
        {{'Z', 'B', '3', 'A', 128, 0}, "Invalid File Format"},
        {withLength(129, 0), "Invalid File Format"},
        {withLength(0, 128), "Invalid File Format"},
        {std::vector<std::uint8_t>(valid.begin(), valid.begin() + 108), "Failed to read data"},
    };
    for (const auto& [bytes, message] : cases) {
        writeBytes(path("broken.zb3"), bytes);
        type(ids::kStatusText, "unsaved");
        const TrackerConfig before = config();
        presenter.shown.clear();
        files.answers = {path("broken.zb3")};
        click(ids::kLoad);
        ASSERT_EQ(presenter.shown.size(), 1u) << bytes.size();
        EXPECT_EQ(presenter.shown[0].text, message) << bytes.size();
        EXPECT_EQ(presenter.shown[0].caption, "Load Failed");
        EXPECT_STREQ(config().statusText[0].data(), before.statusText[0].data());
        EXPECT_EQ(text(ids::kStatusText), "unsaved");
    }

    presenter.shown.clear();
    files.answers = {path("missing.zb3")};
    click(ids::kLoad);
    EXPECT_EQ(presenter.texts(), (std::vector<std::string>{"Failed to open file"}));

    // A lower-case magic and trailing bytes are fine.
    auto relaxed = valid;
    relaxed[0] = 'z';
    relaxed[1] = 'b';
    relaxed.push_back(0xFF);
    writeBytes(path("relaxed.zb3"), relaxed);
    presenter.shown.clear();
    files.answers = {path("relaxed.zb3")};
    click(ids::kLoad);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(text(ids::kStatusText), "from file");
}

TEST_F(FileAndTabCommandsTest, AFailedSaveStillStoresTheFormAndKeepsTheOldFile) {
    type(ids::kStatusText, "stored anyway");
    files.answers = {path("no-such-folder/config1.zb3")};
    click(ids::kSave);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Failed to open file");
    EXPECT_EQ(presenter.shown[0].caption, "Save Failed");
    EXPECT_STREQ(config().statusText[0].data(), "stored anyway");
}

TEST_F(FileAndTabCommandsTest, FileAndTabCommandsLeaveTheDeviceOptionsAlone) {
    files.answers = {path("a.zb3"), path("a.zb3")};
    click(ids::kSave);
    click(ids::kLoad);
    EXPECT_FALSE(enabled(ids::kPacket300Baud));
    window->form().updateDeviceEnables();
    files.answers = {path("a.zb3")};
    click(ids::kSave);
    EXPECT_TRUE(enabled(ids::kPacket300Baud));  // save never reloads the form
}

}  // namespace
}  // namespace qz5::testing
