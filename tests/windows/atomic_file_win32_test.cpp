// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "config/atomic_file.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class FaultySaveCalls : public SystemSaveCalls {
  public:
    bool failWrite = false;
    bool failSync = false;
    bool failRename = false;
    std::ptrdiff_t write(int fd, std::span<const std::uint8_t> bytes) override {
        // Short writes as well, so the loop has to continue.
        return failWrite ? -1 : SystemSaveCalls::write(fd, bytes.first(1));
    }
    int sync(int fd) override { return failSync ? -1 : SystemSaveCalls::sync(fd); }
    int rename(const std::string& from, const std::string& to) override {
        return failRename ? -1 : SystemSaveCalls::rename(from, to);
    }
};

class ReplaceFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qz5-replace-" + std::to_string(GetCurrentProcessId()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path target() const { return folder_ / "config.zb3"; }
    Bytes contents() const {
        std::ifstream in(target(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void put(const Bytes& bytes) const {
        std::ofstream(target(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
    const Bytes old_ = Bytes(136, 0x11);
    const Bytes new_ = Bytes(136, 0x22);
};

TEST_F(ReplaceFileTest, ReplacesOrCreatesAndLeavesNothingBehind) {
    FaultySaveCalls calls;
    ASSERT_EQ(replaceFile(target().string(), new_, calls), ReplaceResult::Replaced);
    EXPECT_EQ(contents(), new_);
    put(old_);
    ASSERT_EQ(replaceFile(target().string(), new_, calls), ReplaceResult::Replaced);
    EXPECT_EQ(contents(), new_);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(ReplaceFileTest, AFailedSaveKeepsTheOldFile) {
    const std::vector<std::function<void(FaultySaveCalls&)>> kFaults = {
        [](FaultySaveCalls& c) { c.failWrite = true; },
        [](FaultySaveCalls& c) { c.failSync = true; },
    };
    for (std::size_t i = 0; i < kFaults.size(); ++i) {
        put(old_);
        FaultySaveCalls calls;
        kFaults[i](calls);
        EXPECT_EQ(replaceFile(target().string(), new_, calls), ReplaceResult::WriteFailed) << i;
        EXPECT_EQ(contents(), old_) << i;
        EXPECT_EQ(entries(), 1u) << i;
    }
}

// The plain move that could stand in for a failed replace would give the
// file the folder's permissions: an old file takes the bytes in place.
TEST_F(ReplaceFileTest, AFileThatCannotBeReplacedIsWrittenInPlace) {
    struct Case {
        const char* name;
        bool existed;
        ReplaceResult result;
    };
    const Case cases[] = {
        {"an old file", true, ReplaceResult::Replaced},
        {"no file yet", false, ReplaceResult::WriteFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(target());
        if (c.existed) {
            put(old_);
        }
        FaultySaveCalls calls;
        calls.failRename = true;
        EXPECT_EQ(replaceFile(target().string(), new_, calls), c.result);
        EXPECT_EQ(entries(), c.existed ? 1u : 0u);
        if (c.existed) {
            EXPECT_EQ(contents(), new_);
        }
    }
}

TEST_F(ReplaceFileTest, AMissingFolderFailsToOpen) {
    SystemSaveCalls calls;
    EXPECT_EQ(replaceFile((folder_ / "no" / "config.zb3").string(), new_, calls),
              ReplaceResult::OpenFailed);
}

}  // namespace
}  // namespace qz5
