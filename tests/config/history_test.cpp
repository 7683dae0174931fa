// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/history.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <thread>

#include "config/config_file.h"
#include "config/tracker_config.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;

class HistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("qz5-history-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_);
    }

    static ConfigImage imageWith(std::uint8_t calibration) {
        ConfigImage image{};
        image[2] = calibration;
        return image;
    }

    // Stores, writing the warnings as qz5cfg does; why it was not kept, or
    // empty.
    std::string keep(const HistoryImage& entry, std::size_t limit = kHistoryLimit) {
        return keep(entry, folder_, limit);
    }
    std::string keep(const HistoryImage& entry, const fs::path& folder,
                     std::size_t limit = kHistoryLimit) {
        const Outcome<KeptFile> kept = keepInHistory(entry, warnings, folder, limit);
        for (const Message& message : kept.messages()) {
            warningText << message.caption << ": " << message.text << '\n';
        }
        return kept ? std::string() : kept.failure()->message.text.english();
    }

    fs::path folder_;
    std::ostringstream warningText;
    HistoryWarnings warnings;
};

TEST_F(HistoryTest, KeepsNamedImagesNewestFirstUpToTheLimit) {
    for (std::uint8_t i = 0; i < 5; ++i) {
        keep({imageWith(i), i % 2 ? "write" : "read", "/dev/serial/by-id/usb-Acme_X_9-if00",
              "OV-QZ5 1.4 \r\n"},
             3);
    }
    EXPECT_EQ(warningText.str(), "");
    EXPECT_EQ(readHistory(folder_).problem, "");
    const auto entries = listHistory(folder_);
    ASSERT_EQ(entries.size(), 3u);
    // Stored within the same millisecond or not, the newest is listed first.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].direction, i % 2 ? "write" : "read") << i;
        EXPECT_EQ(entries[i].port, "dev-serial-by-id-usb-Acme-X-9-if00");
        EXPECT_EQ(entries[i].version, "OV-QZ5-1.4");
        TrackerConfig config;
        ConfigImage image{};
        ASSERT_TRUE(readConfigFile(entries[i].file.string(), config, &image));
        EXPECT_EQ(image, imageWith(static_cast<std::uint8_t>(4 - i)));
    }
    EXPECT_EQ(entries[0].time.size(), std::string("2026-12-07 10:01:32.123").size());
}

TEST_F(HistoryTest, OtherFilesInTheFolderAreLeftAlone) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "notes.txt") << "mine";
    std::ofstream(folder_ / "my_own.zb3") << "mine";
    std::ofstream(folder_ / "my_own_back_up.zb3") << "mine";
    const fs::path fiveParts = folder_ / "2026-01-01T000000.000Z_read_COM1_v_extra.zb3";
    std::ofstream(fiveParts) << "mine";
    keep({imageWith(1), "read", "COM1", ""}, 1);
    keep({imageWith(2), "read", "COM1", ""}, 1);
    EXPECT_EQ(listHistory(folder_).size(), 1u);
    EXPECT_TRUE(fs::exists(folder_ / "notes.txt"));
    EXPECT_TRUE(fs::exists(folder_ / "my_own.zb3"));
    EXPECT_TRUE(fs::exists(folder_ / "my_own_back_up.zb3"));
    EXPECT_TRUE(fs::exists(fiveParts));
    EXPECT_EQ(listHistory(folder_)[0].version, "unknown");
}

TEST_F(HistoryTest, AFolderThatCannotBeWrittenGivesOneWarning) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes any folder; the unprivileged run checks this";
    }
    fs::create_directories(folder_);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    keep({imageWith(1), "read", "COM1", "v"});
    const std::string text = warningText.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    EXPECT_NE(text.find("not kept in the history"), std::string::npos);
}

// A board without a real-time clock may boot in 1970: the image just taken
// must not be the one that goes. Names kept before numbering still count.
TEST_F(HistoryTest, PrunesInTheOrderStoredWhateverTheClockSays) {
    fs::create_directories(folder_);
    const auto plant = [&](const std::string& name) { std::ofstream(folder_ / name) << "kept"; };
    plant("2099-01-01T000000.000Z_backup_COM1_v.zb3");
    plant("2098-01-01T000000.000Zn001_read_COM1_v.zb3");
    plant("000007_2099-06-01T000000.000Z_write_COM1_v.zb3");
    keep({imageWith(1), "read", "COM1", "v"}, 2);
    plant("000020_2099-07-01T000000.000Z_write_COM1_v.zb3");
    keep({imageWith(2), "read", "COM1", "v"}, 3);
    const auto entries = listHistory(folder_);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].file.filename().string().substr(0, 7), "000021_");
    EXPECT_EQ(entries[1].file.filename(), "000020_2099-07-01T000000.000Z_write_COM1_v.zb3");
    EXPECT_EQ(entries[1].time, "2099-07-01 00:00:00.000");
    EXPECT_EQ(entries[2].file.filename().string().substr(0, 7), "000008_");
    // Behind twice, said once.
    const std::string text = warningText.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find("the clock ("), std::string::npos) << text;
}

// A fleet script storing from two ports at once: every image is kept under
// a number of its own, from the first store on, which makes the folder.
TEST_F(HistoryTest, StoresRacingEachOtherTakeNumbersOfTheirOwn) {
    constexpr std::size_t kEach = 40;
    const auto store = [&] {
        HistoryWarnings own;
        for (std::size_t i = 0; i < kEach; ++i) {
            EXPECT_TRUE(keepInHistory({imageWith(1), "read", "COM1", "v"}, own, folder_));
        }
    };
    std::thread other(store);
    store();
    other.join();
    std::set<std::uint64_t> numbers;
    for (const HistoryEntry& entry : listHistory(folder_)) {
        numbers.insert(entry.sequence.value_or(0));
    }
    EXPECT_EQ(numbers.size(), 2 * kEach);
    EXPECT_EQ(*numbers.rbegin(), 2 * kEach);
}

// Any number that fits in 64 bits is listed; the last one ends the numbering
// instead of storing a name that would sort oldest.
TEST_F(HistoryTest, NumbersRunToTheLastThatFitsIn64Bits) {
    fs::create_directories(folder_);
    const auto plant = [&](const std::string& number) {
        std::ofstream(folder_ / (number + "_2026-01-01T000000.000Z_read_COM1_v.zb3")) << "kept";
    };
    plant("999999999999999999");
    plant("18446744073709551616");  // one past: another program's file, passed over
    EXPECT_EQ(keep({imageWith(1), "read", "COM1", "v"}), "");
    ASSERT_EQ(listHistory(folder_).size(), 2u);
    EXPECT_EQ(listHistory(folder_)[0].sequence, 1000000000000000000u);
    plant("18446744073709551615");
    EXPECT_EQ(keep({imageWith(2), "read", "COM1", "v"}),
              "18446744073709551615_2026-01-01T000000.000Z_read_COM1_v.zb3 has the last number "
              "there is; move the images elsewhere to number anew from 1");
    EXPECT_EQ(listHistory(folder_).size(), 3u);
    EXPECT_EQ(warningText.str().find("warning: the image was not kept in the history: "), 0u);
}

TEST_F(HistoryTest, FoldersAndImagesAreTheUsersAlone) {
    const mode_t umaskBefore = ::umask(022);
    folder_ /= "state/history";
    keep({imageWith(1), "read", "COM1", "v"});
    ::umask(umaskBefore);
    const auto mode = [](const fs::path& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    };
    EXPECT_EQ(mode(folder_.parent_path()), 0700u);
    EXPECT_EQ(mode(folder_), 0700u);
    ASSERT_EQ(listHistory(folder_).size(), 1u);
    EXPECT_EQ(mode(listHistory(folder_)[0].file), 0600u);
    folder_ = folder_.parent_path().parent_path();
}

// Nothing is kept where another user could plant or swap an image, nor read
// out of such a place; the reason names the folder.
TEST_F(HistoryTest, KeepsOnlyWhereNoOtherUserMayWrite) {
    const std::string savedState = std::getenv("XDG_STATE_HOME");
    struct Case {
        const char* name;
        std::function<fs::path()> prepare;  // gives the history folder
        std::string problem;
        std::string unlisted;  // why the listing is empty
    };
    const auto openFolder = [&](const fs::path& folder) {
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::all);
        return folder;
    };
    const fs::path tooLong = folder_ / std::string(300, 'n');
    const std::vector<Case> cases = {
        {"a file where the folder should be",
         [&] {
             fs::create_directories(folder_);
             std::ofstream(folder_ / "state");
             return folder_ / "state/history";
         },
         (folder_ / "state").string() + " is not a folder",
         (folder_ / "state/history").string() + ": Not a directory"},
        // The folder on the way is made from the path as given, ".." and all.
        {"a name too long for the system on the way", [&] { return tooLong / ".." / "history"; },
         tooLong.string() + ": File name too long",
         (tooLong / ".." / "history").string() + ": File name too long"},
        {"a history folder others may write to", [&] { return openFolder(folder_ / "history"); },
         (folder_ / "history").string() + " may be written by other users",
         (folder_ / "history").string() + " may be written by other users"},
        {"a state base others may write to",
         [&] {
             setenv("XDG_STATE_HOME", openFolder(folder_ / "base").c_str(), 1);
             return historyDir();
         },
         (folder_ / "base").string() + " may be written by other users",
         (folder_ / "base").string() + " may be written by other users"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        const fs::path folder = c.prepare();
        EXPECT_EQ(keep({imageWith(1), "backup", "COM1", "v"}, folder), c.problem);
        const HistoryListing listing = readHistory(folder);
        EXPECT_TRUE(listing.entries.empty());
        EXPECT_EQ(listing.problem, c.unlisted);
        setenv("XDG_STATE_HOME", savedState.c_str(), 1);
    }
    EXPECT_EQ(warningText.str().find("File exists"), std::string::npos) << warningText.str();
}

// Earlier releases made the folder with the umask's permissions.
TEST_F(HistoryTest, AFolderOthersMayReadBecomesTheUsersAlone) {
    fs::create_directories(folder_);
    ::chmod(folder_.c_str(), 0755);
    const fs::path old = folder_ / "000001_2026-01-01T000000.000Z_read_COM1_v.zb3";
    std::ofstream(old) << "kept";
    ::chmod(old.c_str(), 0644);
    EXPECT_EQ(keep({imageWith(1), "read", "COM1", "v"}), "");
    for (const auto& [path, mode] : {std::pair{folder_, 0700u}, std::pair{old, 0600u}}) {
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, mode) << path;
    }
}

TEST_F(HistoryTest, FolderFollowsTheStateVariables) {
    const std::string savedState = std::getenv("XDG_STATE_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    setenv("XDG_STATE_HOME", "/state", 1);
    EXPECT_EQ(historyDir(), fs::path("/state/qz5-config/history"));
    // Relative values do not count, as for every such variable.
    setenv("XDG_STATE_HOME", "relative", 1);
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(historyDir(), fs::path("/home/u/.local/state/qz5-config/history"));
    setenv("XDG_STATE_HOME", savedState.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace qz5
