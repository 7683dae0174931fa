// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/kept/compare_dialog.h"
#include "app/kept/difference_list.h"
#include "app/kept/history_dialog.h"
#include "config/config_file.h"
#include "config/history.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "when_shown.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

QStringList linesOf(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) {
        lines << list.item(row)->text();
    }
    return lines;
}

ConfigImage imageWith(const char* callsign, std::int32_t rate) {
    TrackerConfig config;
    config.setCallsign(callsign);
    config.transmitRate[0] = rate;
    return imageOf(config);
}

// The window on COM1, a simulated tracker on a pseudo-terminal.
class KeptImagesTest : public WindowDriver {
  public:
    KeptImagesTest() {
        std::filesystem::remove_all(historyDir());
        ports = PortTable({{"COM1", tracker.slavePath()}});
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
    }
    ~KeptImagesTest() override { window.reset(); }

    PtyTracker tracker{TrackerModel()};
    PortTable ports;
};

TEST_F(KeptImagesTest, AnOlderReadLoadedFromTheHistoryAndWrittenPutsItsBytesBack) {
    const ConfigImage older = imageWith("K1ABC-1", 300);
    tracker.setMemory(older);
    click(ids::kReadConfiguration);
    tracker.setMemory(imageWith("K1ABC-2", 600));
    click(ids::kReadConfiguration);
    ASSERT_EQ(presenter.texts(), (std::vector<std::string>{"Read Successful", "Read Successful"}));

    whenFirstShown<HistoryDialog>([](HistoryDialog& history) {
        const QStringList images = linesOf(*history.imageList());
        ASSERT_EQ(images.size(), 2);
        EXPECT_TRUE(images[0].startsWith("No. 2   ") && images[0].contains("Read") &&
                    images[0].contains("K1ABC-2, NOCALL"))
            << images[0].toStdString();
        EXPECT_TRUE(images[1].contains("K1ABC-1, NOCALL")) << images[1].toStdString();
        EXPECT_EQ(linesOf(*history.differenceList()),
                  QStringList{"The same settings as the form."});
        history.imageList()->setCurrentRow(1);
        EXPECT_EQ(linesOf(*history.differenceList()),
                  (QStringList{"Primary, Callsign: \"K1ABC-2\" -> \"K1ABC-1\"",
                               "Primary, Transmit rate: 600 s -> 300 s"}));
        history.loadButton()->click();
    });
    window->runCommand(ids::kHistory);
    EXPECT_EQ(text(ids::kCallsign), "K1ABC-1");

    // Loaded, not written: leaving asks.
    window->show();
    presenter.answers = {MessageAnswer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(presenter.shown.size(), 3u);
    EXPECT_EQ(presenter.shown.back().caption, "Unsaved Changes");

    click(ids::kWriteConfiguration);
    EXPECT_EQ(tracker.memory(), older);
}

TEST_F(KeptImagesTest, CompareShowsTheEditedFieldAloneAndLeavesTheFormAsItWas) {
    tracker.setMemory(imageWith("K1ABC-1", 300));
    click(ids::kReadConfiguration);
    type(ids::kCallsign, "K1XYZ");

    whenFirstShown<CompareDialog>([](CompareDialog& compare) {
        EXPECT_EQ(linesOf(*compare.differenceList()),
                  QStringList{"Primary, Callsign: \"K1XYZ\" -> \"K1ABC-1\""});
        compare.reject();
    });
    window->runCommand(ids::kCompareWithTracker);
    EXPECT_EQ(text(ids::kCallsign), "K1XYZ");
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Read Successful"});
    EXPECT_EQ(listHistory().size(), 2u);

    whenFirstShown<CompareDialog>([](CompareDialog& compare) { compare.loadButton()->click(); });
    window->runCommand(ids::kCompareWithTracker);
    EXPECT_EQ(text(ids::kCallsign), "K1ABC-1");
    window->show();
    window->close();
    EXPECT_FALSE(window->isVisible()) << "the tracker's settings are no edit";
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Read Successful"});
}

TEST_F(KeptImagesTest, SameSettingsAreSaidSo) {
    click(ids::kReadConfiguration);
    whenFirstShown<CompareDialog>([](CompareDialog& compare) {
        EXPECT_EQ(linesOf(*compare.differenceList()),
                  QStringList{"The tracker holds the same settings as the form."});
        compare.reject();
    });
    window->runCommand(ids::kCompareWithTracker);
}

TEST(HistoryDialogTest, AFileThatDoesNotReadIsListedAndAKeptOneSavesByteForByte) {
    std::filesystem::remove_all(historyDir());
    std::filesystem::create_directories(historyDir());
    std::ofstream(historyDir() / "000002_2026-12-07T101131.286Z_read_COM1_v\x1b[2J.zb3") << "ZB3A";
    const auto kept = configFileContents(imageWith("K1ABC-1", 300));
    const std::string keptBytes(kept.begin(), kept.end());
    std::ofstream(historyDir() / "000001_2026-12-07T091131.286Z_write_COM1_v.zb3", std::ios::binary)
        << keptBytes;
    ScriptedFilePrompt files;
    const std::string saved = (historyDir().parent_path() / "saved.zb3").string();
    files.answers = {saved};
    RecordingPresenter presenter;

    HistoryDialog history(historyDir(), imageWith("NOCALL", 120), files);
    EXPECT_TRUE(linesOf(*history.imageList())[0].endsWith("does not read as a configuration file"));
    EXPECT_TRUE(linesOf(*history.imageList())[0].contains("COM1   v\\x1b[2J   "))
        << "a name's odd bytes are shown, not acted on";
    EXPECT_FALSE(history.loadButton()->isEnabled());
    EXPECT_FALSE(history.saveAsButton()->isEnabled());
    EXPECT_EQ(linesOf(*history.differenceList()),
              QStringList{"This file does not read as a configuration file: Invalid File Format"});
    history.imageList()->setCurrentRow(1);
    history.saveAsButton()->click();
    std::ifstream file(saved, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), keptBytes);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(historyDir()), {}), 2)
        << "the dialog never adds, removes or renames an image";
    std::filesystem::remove_all(historyDir());
}

TEST(HistoryDialogTest, AHistoryThatCannotBeReadIsAnEmptyListWithTheReason) {
    ScriptedFilePrompt files;
    std::filesystem::remove_all(historyDir());
    HistoryDialog missing(historyDir(), imageWith("NOCALL", 120), files);
    EXPECT_EQ(missing.imageList()->count(), 0);
    EXPECT_TRUE(missing.statusLine()->text().startsWith("No images have been kept yet"));
    EXPECT_FALSE(missing.loadButton()->isEnabled());
    std::filesystem::create_directories(historyDir());
    std::filesystem::permissions(historyDir(), std::filesystem::perms::all);
    std::ofstream(historyDir() / "000001_2026-12-07T091131.286Z_read_COM1_v.zb3") << "planted";
    HistoryDialog open(historyDir(), imageWith("NOCALL", 120), files);
    EXPECT_EQ(open.imageList()->count(), 0);
    EXPECT_EQ(
        open.statusLine()->text().toStdString(),
        "The history cannot be read: " + historyDir().string() + " may be written by other users");
    std::filesystem::remove_all(historyDir());
    if (::geteuid() == 0) {
        return;  // root reads any folder; the unprivileged run checks the rest
    }
    std::filesystem::create_directories(historyDir());
    std::filesystem::permissions(historyDir(), std::filesystem::perms::owner_write);
    HistoryDialog unreadable(historyDir(), imageWith("NOCALL", 120), files);
    EXPECT_EQ(unreadable.imageList()->count(), 0);
    EXPECT_TRUE(unreadable.statusLine()->text().startsWith("The history cannot be read: "))
        << unreadable.statusLine()->text().toStdString();
    std::filesystem::permissions(historyDir(), std::filesystem::perms::owner_all);
    std::filesystem::remove_all(historyDir());
}

}  // namespace
}  // namespace qz5::testing
