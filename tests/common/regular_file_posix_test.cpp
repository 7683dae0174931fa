// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/regular_file.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;

// Only a regular file is read, and never beyond the limit; the rest is told
// apart without waiting (a FIFO without a writer would block a plain open).
TEST(RegularFileTest, ReadsRegularFilesUpToTheLimitAndNothingElse) {
    const fs::path folder = fs::temp_directory_path() / ("qz5-regular-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "short") << "abc";
    std::ofstream(folder / "long") << "0123456789";
    std::ofstream(folder / "empty");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);

    struct Case {
        const char* name;
        FileReadStatus status;
        std::string bytes;
    };
    for (const Case& c :
         {Case{"short", FileReadStatus::Read, "abc"}, Case{"long", FileReadStatus::Read, "01234"},
          Case{"empty", FileReadStatus::Read, ""}, Case{"fifo", FileReadStatus::NotRegular, ""},
          Case{".", FileReadStatus::NotRegular, ""},
          Case{"missing", FileReadStatus::OpenFailed, ""}}) {
        const FileRead read = readRegularFile((folder / c.name).string(), 5);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), c.bytes) << c.name;
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qz5
