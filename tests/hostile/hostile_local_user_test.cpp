// SPDX-License-Identifier: GPL-3.0-or-later
// What another user of the same machine can do to this program: write to the
// lock folder, which every user may write to; name their own processes as
// they like, which /proc shows to all; plant links in a sticky folder that
// every user may write to. Cases that need a second account run as root, who
// can make files another user's, and are skipped otherwise.
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>

#include "common/private_output_file.h"
#include "common/user_state_dir.h"
#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "link/port_table.h"
#include "link/pseudo_terminal.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "support/seen_messages.h"
#include "tools/qz5cfg/port_listing_linux.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr uid_t kNobody = 65534;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

// Whoever plants the files: another user when root can make them so, the
// test's own user otherwise.
uid_t planter() {
    return runningAsRoot() ? kNobody : ::geteuid();
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A port in a device folder of its own, with a lock folder and a /proc that
// the test writes, so nothing touches the machine's own.
class HostileLocalUser : public ::testing::Test {
  protected:
    HostileLocalUser() {
        tree.roots.procRoot = tree.path("proc");
        tree.node("ttyUSB0", pty.slavePath());
        api = std::make_unique<PosixSerialPortApi>(tree.roots);
    }

    std::string device() const { return tree.path("dev/ttyUSB0"); }
    std::string lockPath() const { return tree.path("lock/LCK..ttyUSB0"); }

    void lockFile(const std::string& content, uid_t owner) {
        std::ofstream(lockPath(), std::ios::binary) << content;
        ASSERT_EQ(::lchown(lockPath().c_str(), owner, static_cast<gid_t>(-1)), 0);
    }
    // What /proc says of a process; no status file at all when /proc hides it.
    void process(int pid, std::optional<uid_t> realUser, const std::string& name) {
        const std::string folder = "proc/" + std::to_string(pid) + "/";
        tree.write(folder + "comm", name);
        if (realUser) {
            const std::string uid = std::to_string(*realUser);
            tree.write(folder + "status", "Name:\tx\nUmask:\t0022\nState:\tS (sleeping)\nUid:\t" +
                                              uid + "\t" + uid + "\t" + uid + "\t" + uid);
        }
    }

    bool opens() {
        const auto attempt = api->tryOpen(device());
        return attempt.handle != kInvalidPortHandle && api->close(attempt.handle);
    }
    std::string listing(bool asJson) {
        std::ostringstream out;
        EXPECT_EQ(runPorts(*api, tree.roots, asJson, out), ExitStatus::Ok);
        return out.str();
    }

    testing::FakeSystemTree tree;
    testing::PseudoTerminal pty;
    testing::PortHolderProcess holder;  // a live process for lock files to name
    std::unique_ptr<PosixSerialPortApi> api;
};

// A FIFO would hold open() for ever, waiting for a writer: the check runs in
// a child process that an alarm ends.
bool finishesWithin(unsigned seconds, const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(seconds);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(HostileLocalUser, ALockFileThatIsNoRegularFileIsIgnoredAndNamed) {
    tree.write("holder-pid", std::to_string(holder.pid()));
    const std::vector<std::pair<const char*, std::function<void()>>> plants = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(lockPath().c_str(), 0666), 0); }},
        {"a link to a file naming a live process",
         [&] { fs::create_symlink(tree.path("holder-pid"), lockPath()); }},
    };
    for (const auto& [what, plant] : plants) {
        SCOPED_TRACE(what);
        fs::remove(lockPath());
        plant();
        EXPECT_TRUE(finishesWithin(5, [&] {
            return opens() &&
                   listing(false).find("Ignored the lock file " + lockPath() +
                                       ": it is not a regular file.") != std::string::npos;
        }));
    }
}

TEST_F(HostileLocalUser, ALockFileIsBelievedOnlyFromRootOrTheUserOfItsProcess) {
    struct Case {
        const char* name;
        uid_t fileOwner;
        std::optional<uid_t> processUser;  // none: /proc mounted hidepid
        bool believed;
    };
    std::vector<Case> cases = {
        {"the process's own user", planter(), planter(), true},
        {"another user", planter(), planter() + 1, false},
        {"a process hidden from us", planter(), std::nullopt, false},
    };
    if (runningAsRoot()) {
        cases.push_back({"root", 0, kNobody, true});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(tree.path("proc"));
        process(holder.pid(), c.processUser, "minicom");
        lockFile("      " + std::to_string(holder.pid()) + "\n", c.fileOwner);
        EXPECT_EQ(opens(), !c.believed);
        const std::string text = listing(false);
        const std::string pid = "(pid " + std::to_string(holder.pid()) + ")";
        if (c.believed) {
            EXPECT_THAT(text, HasSubstr("In use by minicom " + pid));
        } else {
            EXPECT_THAT(text, HasSubstr("Ignored the lock file " + lockPath()));
            EXPECT_THAT(text, Not(HasSubstr(pid)));
        }
    }

    // The forms a lock file comes in; one that names no process is stale,
    // passed over without a word.
    process(holder.pid(), planter(), "minicom");
    const int pid = holder.pid();
    const std::pair<std::string, bool> forms[] = {
        {"  " + std::to_string(pid) + "\n", true},
        {std::string(reinterpret_cast<const char*>(&pid), sizeof pid), true},
        {"none\n", false},
        {"0\n", false},
    };
    for (const auto& [content, believed] : forms) {
        fs::remove(lockPath());
        lockFile(content, planter());
        EXPECT_EQ(opens(), !believed) << content;
        EXPECT_THAT(listing(false), Not(HasSubstr("Ignored"))) << content;
    }
}

TEST_F(HostileLocalUser, AProcessNameOfAnyBytesReachesNeitherTheTerminalNorBreaksTheJson) {
    const std::string name = "\xff\x1b]0;OWN\x07x";
    process(holder.pid(), planter(), name);
    lockFile(std::to_string(holder.pid()) + "\n", planter());
    const std::string escaped = "\\xff\\x1b]0;OWN\\x07x";

    const std::string text = listing(false);
    EXPECT_THAT(text, HasSubstr("In use by " + escaped));
    EXPECT_EQ(text.find_first_of("\x1b\x07\xff"), std::string::npos);

    const auto listed = nlohmann::json::parse(listing(true)).at("ports");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_THAT(listed[0].at("reason").get<std::string>(), HasSubstr("In use by " + escaped));

    testing::SeenMessages presenter;
    const PortTable ports({{"COM1", device()}});
    SerialLink link(*api, ports);
    link.setPortName("COM1");
    EXPECT_FALSE(presenter(link.openPort()));
    ASSERT_EQ(presenter.details().size(), 1u);
    EXPECT_THAT(presenter.details()[0], HasSubstr(escaped));
}

// Saving where another user may have left a link: /tmp and the like.
class AnotherUsersFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!runningAsRoot()) {
            GTEST_SKIP() << "making files and links another user's needs root (chown, lchown); "
                            "the root run checks this";
        }
        std::string pattern = (fs::temp_directory_path() / "qz5-hostile-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        fs::create_directories(root_ / "private");
        std::ofstream(root_ / "private/important.txt") << "secret";
        fs::permissions(root_ / "private", fs::perms::owner_all);
    }
    void TearDown() override {
        if (!root_.empty()) {
            fs::remove_all(root_);
        }
    }

    // A folder every user may write to, sticky as /tmp, owned by `owner`.
    fs::path sharedFolder(const std::string& name, uid_t owner, bool sticky = true) {
        const fs::path folder = root_ / name;
        fs::create_directories(folder);
        ::chmod(folder.c_str(), sticky ? 01777 : 0777);
        EXPECT_EQ(::chown(folder.c_str(), owner, static_cast<gid_t>(-1)), 0);
        return folder;
    }
    void plantLink(const fs::path& link, const fs::path& target, uid_t owner) {
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), owner, static_cast<gid_t>(-1)), 0);
    }
    bool save(const fs::path& path) {
        testing::SeenMessages presenter;
        TrackerConfig config;
        const bool failed = !presenter(writeConfigFile(path.string(), config));
        EXPECT_EQ(presenter.texts(), failed ? std::vector<std::string>{"Failed to open file"}
                                            : std::vector<std::string>{});
        if (failed) {
            EXPECT_THAT(presenter.details(), ElementsAre(HasSubstr("a link on the way is another "
                                                                   "user's")));
        }
        return !failed;
    }

    fs::path root_;
};

TEST_F(AnotherUsersFiles, AreFollowedOnlyAsTheKernelWould) {
    const fs::path important = root_ / "private/important.txt";
    struct Case {
        const char* name;
        std::function<fs::path()> plant;  // gives the path saved to
        bool followed;
    };
    const std::vector<Case> cases = {
        {"another user's link in a sticky shared folder",
         [&] {
             const fs::path link = sharedFolder("tmp", 0) / "backup.zb3";
             plantLink(link, important, kNobody);
             return link;
         },
         false},
        {"a chain through another user's link",
         [&] {
             const fs::path shared = sharedFolder("tmp", 0);
             plantLink(shared / "theirs", important, kNobody);
             plantLink(shared / "mine.zb3", "theirs", 0);
             return shared / "mine.zb3";
         },
         false},
        {"the user's own link in a sticky shared folder",
         [&] {
             const fs::path link = sharedFolder("tmp", 0) / "mine.zb3";
             plantLink(link, important, 0);
             return link;
         },
         true},
        {"the folder owner's link",
         [&] {
             const fs::path link = sharedFolder("theirs", kNobody) / "backup.zb3";
             plantLink(link, important, kNobody);
             return link;
         },
         true},
        {"another user's link to a folder on the way",
         [&] {
             const fs::path shared = sharedFolder("tmp", 0);
             plantLink(shared / "qz5", root_ / "private", kNobody);
             return shared / "qz5/important.txt";
         },
         false},
        {"the user's own link to a folder, then another user's",
         [&] {
             const fs::path shared = sharedFolder("tmp", 0);
             plantLink(shared / "theirs", root_ / "private", kNobody);
             plantLink(shared / "mine", "theirs/../tmp/theirs", 0);
             return shared / "mine/important.txt";
         },
         false},
        {"the user's own link to a folder on the way",
         [&] {
             const fs::path shared = sharedFolder("tmp", 0);
             plantLink(shared / "qz5", root_ / "private", 0);
             return shared / "qz5/important.txt";
         },
         true},
        {"another user's link in a folder that is not sticky",
         [&] {
             const fs::path link = sharedFolder("open", 0, false) / "backup.zb3";
             plantLink(link, important, kNobody);
             return link;
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(important) << "secret";
        for (const char* folder : {"tmp", "theirs", "open"}) {
            fs::remove_all(root_ / folder);
        }
        const fs::path path = c.plant();
        EXPECT_EQ(save(path), c.followed);
        EXPECT_EQ(readText(important) == "secret", !c.followed);
        EXPECT_TRUE(fs::is_symlink(path) || fs::is_symlink(path.parent_path()));
    }
}

// A trace holds the callsign: it goes through no link another user planted,
// whether on its own name or on a folder on the way.
TEST_F(AnotherUsersFiles, ATraceGoesThroughNoLinkOfAnotherUser) {
    const fs::path important = root_ / "private/important.txt";
    const fs::path shared = sharedFolder("tmp", 0);
    plantLink(shared / "trace", important, kNobody);
    plantLink(shared / "qz5", root_ / "private", kNobody);
    for (const fs::path& path : {shared / "trace", shared / "qz5/important.txt"}) {
        SCOPED_TRACE(path);
        Text reason;
        EXPECT_EQ(PrivateOutputFile::open(path.string(), reason), nullptr);
        EXPECT_THAT(reason.english(), HasSubstr("another user's"));
        EXPECT_EQ(readText(important), "secret");
    }
}

// Root with a user's HOME (sudo -E) makes nothing in that home, and a
// history folder of another user's is neither written nor listed.
TEST_F(AnotherUsersFiles, StateFoldersOfAnotherUserAreLeftAlone) {
    const fs::path home = root_ / "home";
    fs::create_directories(home);
    ASSERT_EQ(::chown(home.c_str(), kNobody, static_cast<gid_t>(-1)), 0);
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (const char* name : {"HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        ::unsetenv(name);
    }
    ::setenv("HOME", home.c_str(), 1);
    for (const fs::path& folder : {userStateDir(), userConfigDir()}) {
        EXPECT_FALSE(folder.string().starts_with(home.string())) << folder;
    }
    // Said once, to whichever front end shows it first.
    EXPECT_EQ(takeUserFolderNotices().size(), 1u);
    EXPECT_TRUE(takeUserFolderNotices().empty());
    for (const auto& [name, value] : saved) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    EXPECT_TRUE(fs::is_empty(home));

    const fs::path history = root_ / "history";
    fs::create_directories(history);
    ::chmod(history.c_str(), 0700);
    ASSERT_EQ(::chown(history.c_str(), kNobody, static_cast<gid_t>(-1)), 0);
    std::ofstream(history / "000001_2026-01-01T000000.000Z_read_COM1_v.zb3") << "planted";
    HistoryWarnings warnings;
    const std::string refused = history.string() + " belongs to another user";
    const Outcome<KeptFile> kept =
        keepInHistory({ConfigImage{}, "backup", "COM1", "v"}, warnings, history);
    ASSERT_FALSE(kept);
    EXPECT_EQ(kept.failure()->message.text, refused);
    const HistoryListing listing = readHistory(history);
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_EQ(listing.problem, refused);
}

// Root saving over a user's file: it stays theirs, and it never becomes a
// set-user-id program of root's.
TEST_F(AnotherUsersFiles, ASavedFileKeepsItsOwnerAndOnlyItsPermissionBits) {
    const gid_t group = 65534;
    for (const mode_t mode : {04775u, 02770u, 0640u}) {
        SCOPED_TRACE(mode);
        const fs::path file = root_ / "theirs.zb3";
        std::ofstream(file) << "old";
        ASSERT_EQ(::chown(file.c_str(), kNobody, group), 0);
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        EXPECT_TRUE(save(file));
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kNobody);
        EXPECT_EQ(info.st_gid, group);
        EXPECT_EQ(info.st_mode & 07777, mode & 0777);
        EXPECT_EQ(info.st_size, kConfigFileSize);
    }
}

// An ordinary user saving over a file of someone else's that the user may
// write: the group stays where the user may give it; where not, the group the
// file ends up with gets no rights, rather than the old group's.
TEST_F(AnotherUsersFiles, AGroupThatCannotBeKeptGetsNoRights) {
    constexpr gid_t kDaemon = 1;
    ::chmod(root_.c_str(), 0755);  // so that the user can reach the folder
    const fs::path folder = sharedFolder("nobodys", kNobody, false);
    ::chmod(folder.c_str(), 0755);
    struct Case {
        const char* name;
        gid_t group;
        mode_t mode;
        gid_t groupAfter;
        mode_t modeAfter;
    };
    const Case cases[] = {
        {"a group of the user's", kNobody, 0664, kNobody, 0664},
        {"a group not the user's", 0, 0666, kDaemon, 0606},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = folder / "shared.zb3";
        std::ofstream(file) << "old";
        ASSERT_EQ(::chown(file.c_str(), 0, c.group), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        const pid_t child = fork();
        if (child == 0) {
            // nobody, with the primary group daemon and nogroup beside it.
            const gid_t groups[] = {kNobody};
            const bool dropped =
                ::setgroups(1, groups) == 0 && ::setgid(kDaemon) == 0 && ::setuid(kNobody) == 0;
            TrackerConfig config;
            _exit(dropped && writeConfigFile(file.string(), config) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kNobody);
        EXPECT_EQ(info.st_gid, c.groupAfter);
        EXPECT_EQ(info.st_mode & 07777, c.modeAfter);
    }
}

}  // namespace
}  // namespace qz5
