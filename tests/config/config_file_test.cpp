// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/image_test_support.h"
#include "support/record_fields.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class ConfigFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qz5-config-file-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name = "config.zb3") const {
        return (folder_ / name).string();
    }

    static Bytes readAll(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeAll(const std::string& file, const Bytes& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    // The file that saving the default record gives.
    static Bytes defaultFile() {
        TrackerConfig config;
        const ConfigImage image = testing::encode(config);
        constexpr std::array<std::uint8_t, 8> kHeader = {'Z', 'B', '3', 'A', 0x80, 0, 0, 0};
        Bytes bytes(kConfigFileSize);
        std::copy(kHeader.begin(), kHeader.end(), bytes.begin());
        std::copy(image.begin(), image.end(), bytes.begin() + kHeader.size());
        return bytes;
    }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Loading must fail with exactly this message and leave the record alone.
    void expectLoadRejected(const Bytes& contents, const std::string& message) {
        writeAll(path(), contents);
        testing::SeenMessages presenter;
        TrackerConfig config;
        config.calibration = 7;
        config.calibrationChanged = true;
        const TrackerConfig before = config;
        EXPECT_FALSE(presenter(readConfigFile(path(), config))) << contents.size();
        ASSERT_EQ(presenter.shown.size(), 1u) << contents.size();
        EXPECT_EQ(presenter.shown[0].text, message) << contents.size();
        EXPECT_EQ(presenter.shown[0].caption, "Load Failed");
        EXPECT_EQ(testing::differingFields(config, before), std::vector<std::string>{});
    }

    fs::path folder_;
};

TEST_F(ConfigFileTest, SavingTheDefaultsWritesMagicLengthAndImage) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    EXPECT_TRUE(presenter(writeConfigFile(path(), config)));
    EXPECT_EQ(readAll(path()), defaultFile());
    EXPECT_EQ(readAll(path()).size(), static_cast<std::size_t>(kConfigFileSize));
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"config.zb3"});
}

TEST_F(ConfigFileTest, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
    writeAll(path(), Bytes(500, 0x55));
    ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
    TrackerConfig config;
    EXPECT_TRUE(writeConfigFile(path(), config));
    EXPECT_EQ(readAll(path()), defaultFile());
    struct stat info {};
    ASSERT_EQ(::stat(path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// What another user may do with the file must not change when it is saved
// over: its ACL and extended attributes go to the new file, and a default
// ACL of the folder does not come onto a file that had none.
TEST_F(ConfigFileTest, SaveKeepsWhoMayReadTheFile) {
    const auto attribute = [](const std::string& file, const char* name) {
        std::string value(256, '\0');
        const ssize_t size = ::getxattr(file.c_str(), name, value.data(), value.size());
        value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
        return size < 0 ? std::string("none") : value;
    };
    const auto shell = [](const std::string& command) { return std::system(command.c_str()) == 0; };
    struct Case {
        const char* name;
        std::string before;  // run on the file (FILE) and its folder (DIR) before the save
    };
    const Case cases[] = {
        {"a named user and no group", "setfacl -m u:65534:r,g::- FILE"},
        {"a user attribute as well",
         "setfacl -m u:65534:rw FILE && setfattr -n user.club -v QZ5 FILE"},
        {"no ACL in a folder with a default one", "setfacl -d -m u:65534:rw DIR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell("setfacl -b -k " + folder_.string());
        fs::remove(path());
        writeAll(path(), Bytes(136, 1));
        ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
        std::string command = c.before;
        for (const auto& [mark, value] :
             {std::pair<std::string, std::string>{"FILE", path()}, {"DIR", folder_.string()}}) {
            for (std::size_t at; (at = command.find(mark)) != std::string::npos;) {
                command.replace(at, mark.size(), "'" + value + "'");
            }
        }
        if (!shell(command + " 2>/dev/null")) {
            GTEST_SKIP() << "this file system takes no ACLs or user attributes";
        }
        const std::string acl = attribute(path(), "system.posix_acl_access");
        const std::string club = attribute(path(), "user.club");
        struct stat before {};
        ASSERT_EQ(::stat(path().c_str(), &before), 0);
        TrackerConfig config;
        EXPECT_TRUE(writeConfigFile(path(), config));
        EXPECT_EQ(readAll(path()), defaultFile());
        EXPECT_EQ(attribute(path(), "system.posix_acl_access"), acl);
        EXPECT_EQ(attribute(path(), "user.club"), club);
        struct stat info {};
        ASSERT_EQ(::stat(path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, before.st_mode & 07777);
    }
    shell("setfacl -b -k " + folder_.string());
}

TEST_F(ConfigFileTest, SaveThatCannotOpenEncodesNothing) {
    // A record whose encoding would warn and set the derived slot flags: a
    // save that cannot open must do neither.
    testing::SeenMessages presenter;
    TrackerConfig config;
    config.setStatusText(std::string(100, 's'));
    config.slotEnable[0] = true;
    config.slotSeconds[0] = 15;
    const TrackerConfig before = config;
    EXPECT_FALSE(presenter(writeConfigFile(path("missing/config.zb3"), config)));
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Failed to open file"});
    EXPECT_EQ(testing::differingFields(config, before), std::vector<std::string>{});
}

TEST_F(ConfigFileTest, SaveRefusesAFileTheUserMayNotWrite) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write any file; the unprivileged run checks this";
    }
    const Bytes old = {'k', 'e', 'e', 'p'};
    writeAll(path(), old);
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    testing::SeenMessages presenter;
    TrackerConfig config;
    EXPECT_FALSE(presenter(writeConfigFile(path(), config)));
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Failed to open file"});
    EXPECT_EQ(readAll(path()), old);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"config.zb3"});
}

TEST_F(ConfigFileTest, SaveThroughALinkReplacesTheFileItNamesAndKeepsTheLink) {
    fs::create_directories(folder_ / "real");
    for (const bool targetExists : {true, false}) {
        SCOPED_TRACE(targetExists);
        fs::remove(folder_ / "real" / "target.zb3");
        fs::remove(folder_ / "link.zb3");
        if (targetExists) {
            writeAll(path("real/target.zb3"), Bytes(3, 'x'));
        }
        fs::create_symlink(fs::path("real") / "target.zb3", folder_ / "link.zb3");
        TrackerConfig config;
        EXPECT_TRUE(writeConfigFile(path("link.zb3"), config));
        EXPECT_TRUE(fs::is_symlink(folder_ / "link.zb3"));
        EXPECT_EQ(readAll(path("real/target.zb3")), defaultFile());
        EXPECT_EQ(folderEntries(), (std::vector<std::string>{"link.zb3", "real"}));
        EXPECT_EQ(fs::read_symlink(folder_ / "link.zb3"), fs::path("real") / "target.zb3");
    }
}

// Lets a given number of bytes through, then fails like a full disk; or
// fails the sync or the rename. Notes the permissions the file had while
// it was written.
class FaultySaveCalls : public SystemSaveCalls {
  public:
    std::ptrdiff_t write(int fd, std::span<const std::uint8_t> bytes) override {
        struct stat info {};
        ::fstat(fd, &info);
        modeWhileWritten = info.st_mode & 07777;
        if (budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t allowed = std::min(bytes.size(), budget);
        budget -= allowed;
        return SystemSaveCalls::write(fd, bytes.first(allowed));
    }
    int sync(int fd) override { return failSync ? -1 : SystemSaveCalls::sync(fd); }
    int rename(const std::string& from, const std::string& to) override {
        return failRename ? -1 : SystemSaveCalls::rename(from, to);
    }

    std::size_t budget = static_cast<std::size_t>(-1);
    bool failSync = false;
    bool failRename = false;
    mode_t modeWhileWritten = 0;
};

// Private while written; then a replaced file's permission bits, or the
// umask's for a new one.
TEST_F(ConfigFileTest, TheNewFileIsPrivateUntilItTakesItsPermissions) {
    const mode_t umaskBefore = ::umask(022);
    for (const mode_t old : {0u, 0640u, 0666u}) {
        fs::remove(path());
        if (old != 0) {
            writeAll(path(), Bytes(3, 'x'));
            ASSERT_EQ(::chmod(path().c_str(), old), 0);
        }
        FaultySaveCalls calls;
        TrackerConfig config;
        EXPECT_TRUE(writeConfigFile(path(), config, calls)) << old;
        EXPECT_EQ(calls.modeWhileWritten, 0600u) << old;
        struct stat info {};
        ASSERT_EQ(::stat(path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, old != 0 ? old : 0644u) << old;
    }
    ::umask(umaskBefore);
}

TEST_F(ConfigFileTest, ANameTooLongForATemporaryNameIsStillSavedAtomically) {
    const std::string name = std::string(250, 'n') + ".zb3";
    writeAll(path(name), Bytes(3, 'x'));
    struct stat before {};
    ASSERT_EQ(::stat(path(name).c_str(), &before), 0);
    TrackerConfig config;
    EXPECT_TRUE(writeConfigFile(path(name), config));
    EXPECT_EQ(readAll(path(name)), defaultFile());
    EXPECT_EQ(folderEntries(), std::vector<std::string>{name});
    struct stat after {};
    ASSERT_EQ(::stat(path(name).c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);  // a new file took its place
}

// A folder the user may not write, holding a file the user may: the file is
// written in place, and a failure puts its old bytes back.
TEST_F(ConfigFileTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes any folder; the unprivileged run checks this";
    }
    const Bytes old(300, 'o');
    writeAll(path(), old);
    writeAll(path("huge.zb3"), Bytes(2 << 20, 'h'));
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    for (const std::size_t budget : {std::size_t{0}, std::size_t{70}}) {
        FaultySaveCalls calls;
        calls.budget = budget;
        testing::SeenMessages presenter;
        TrackerConfig config;
        EXPECT_FALSE(presenter(writeConfigFile(path(), config, calls))) << budget;
        EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Failed to write data"});
        EXPECT_EQ(readAll(path()), old) << budget;
    }
    // Only its permission bits stay, as on a replaced file.
    ASSERT_EQ(::chmod(path().c_str(), 04755), 0);
    testing::SeenMessages presenter;
    TrackerConfig config;
    EXPECT_TRUE(presenter(writeConfigFile(path(), config)));
    EXPECT_EQ(readAll(path()), defaultFile());
    struct stat info {};
    ASSERT_EQ(::stat(path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
    // No new file, and no old one too large to keep in memory for putting back.
    EXPECT_FALSE(presenter(writeConfigFile(path("new.zb3"), config)));
    EXPECT_FALSE(presenter(writeConfigFile(path("huge.zb3"), config)));
    EXPECT_EQ(presenter.texts(),
              (std::vector<std::string>{"Failed to open file", "Failed to open file"}));
    EXPECT_EQ(readAll(path("huge.zb3")).size(), std::size_t{2 << 20});
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"config.zb3", "huge.zb3"}));
    ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);
}

TEST_F(ConfigFileTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    const Bytes old = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};
    const auto failures = std::vector<std::function<void(FaultySaveCalls&)>>{
        [](FaultySaveCalls& c) { c.budget = 0; },
        [](FaultySaveCalls& c) { c.budget = 70; },
        [](FaultySaveCalls& c) { c.budget = 135; },
        [](FaultySaveCalls& c) { c.failSync = true; },
        [](FaultySaveCalls& c) { c.failRename = true; },
    };
    for (std::size_t i = 0; i < failures.size(); ++i) {
        writeAll(path(), old);
        FaultySaveCalls calls;
        failures[i](calls);
        testing::SeenMessages presenter;
        TrackerConfig config;
        EXPECT_FALSE(presenter(writeConfigFile(path(), config, calls))) << i;
        ASSERT_EQ(presenter.shown.size(), 1u) << i;
        const Message& shown = presenter.shown[0];
        EXPECT_EQ(shown.text.english() + "|" + shown.caption.english(),
                  "Failed to write data|Save Failed")
            << i;
        EXPECT_TRUE(shown.detail.english().starts_with(path() + ": ")) << shown.detail;
        EXPECT_EQ(readAll(path()), old) << i;
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"config.zb3"}) << i;
    }
}

TEST_F(ConfigFileTest, ShortWritesAreContinued) {
    class OneByteAtATime : public SystemSaveCalls {
      public:
        std::ptrdiff_t write(int fd, std::span<const std::uint8_t> bytes) override {
            return SystemSaveCalls::write(fd, bytes.first(1));
        }
    } calls;
    TrackerConfig config;
    EXPECT_TRUE(writeConfigFile(path(), config, calls));
    EXPECT_EQ(readAll(path()), defaultFile());
}

TEST_F(ConfigFileTest, SaveShowsTheEncodersWarningAndStillWrites) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    config.setStatusText(std::string(100, 's'));
    EXPECT_TRUE(presenter(writeConfigFile(path(), config)));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].caption, "Status Beacon Text Truncated");
    EXPECT_EQ(readAll(path()).size(), static_cast<std::size_t>(kConfigFileSize));
}

TEST_F(ConfigFileTest, LoadDecodesAFileWhoseMagicIsInAnyCase) {
    TrackerConfig source;
    source.activeProfile = 1;
    source.setCallsign("N0CALL-9");
    source.smartBeaconing[1] = true;
    source.sbTurnAngle[1] = 31;
    ASSERT_TRUE(writeConfigFile(path(), source));
    Bytes contents = readAll(path());
    contents[0] = 'z';
    contents[2] = '3';
    contents[3] = 'a';
    contents.insert(contents.end(), 40, 0xAB);  // anything after the image is ignored
    writeAll(path(), contents);

    testing::SeenMessages presenter;
    TrackerConfig config;
    config.calibrationChanged = true;
    EXPECT_TRUE(presenter(readConfigFile(path(), config)));
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(testing::text(config.callsign[1]), "N0CALL-9");
    EXPECT_EQ(config.sbTurnAngle[1], 31);
    EXPECT_FALSE(config.calibrationChanged);
    EXPECT_EQ(config.activeProfile, 0);
}

TEST_F(ConfigFileTest, LoadRejectsWhatIsNoRegularFileWithoutWaiting) {
    ASSERT_EQ(::mkfifo(path("fifo.zb3").c_str(), 0600), 0);
    fs::create_directories(folder_ / "folder.zb3");
    for (const char* name : {"absent.zb3", "fifo.zb3", "folder.zb3"}) {
        testing::SeenMessages presenter;
        TrackerConfig config;
        config.calibration = 7;
        EXPECT_FALSE(presenter(readConfigFile(path(name), config))) << name;
        EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Failed to open file"}) << name;
        EXPECT_EQ(presenter.shown[0].caption, "Load Failed") << name;
        EXPECT_EQ(config.calibration, 7) << name;
    }
}

TEST_F(ConfigFileTest, LoadRejectsBadMagicAndLength) {
    const Bytes good = defaultFile();
    for (std::size_t size = 0; size < 8; ++size) {
        expectLoadRejected(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)),
                           "Invalid File Format");
    }
    for (const Bytes& magic : {Bytes{'Z', 'B', '3', 'B'}, Bytes{'Z', 'B', 0, 'A'},
                               Bytes{'Z', 'B', 0x13, 'A'}, Bytes{'Z', 0xC2, '3', 'A'}}) {
        Bytes contents = good;
        std::copy(magic.begin(), magic.end(), contents.begin());
        expectLoadRejected(contents, "Invalid File Format");
    }
    for (const Bytes& length :
         {Bytes{129, 0, 0, 0}, Bytes{127, 0, 0, 0}, Bytes{0, 0, 0, 128}, Bytes{128, 0, 0, 1}}) {
        Bytes contents = good;
        std::copy(length.begin(), length.end(), contents.begin() + 4);
        expectLoadRejected(contents, "Invalid File Format");
    }
}

TEST_F(ConfigFileTest, LoadRejectsAShortImage) {
    const Bytes good = defaultFile();
    for (std::size_t size : {8u, 108u, 135u}) {
        expectLoadRejected(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)),
                           "Failed to read data");
    }
}

}  // namespace
}  // namespace qz5
