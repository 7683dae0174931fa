// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/image_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace qz5 {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ImageFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "qz5-sim-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const Bytes& contents) {
        const auto path = (dir_ / "image.zb3").string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(contents.data()),
                   static_cast<std::streamsize>(contents.size()));
        return path;
    }

    // Reads `contents` and returns the message it was refused with.
    std::string refusal(const Bytes& contents) {
        const auto path = write(contents);
        try {
            readImageFile(path);
        } catch (const std::runtime_error& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
            return message.substr(path.size() + 2);
        }
        ADD_FAILURE() << "accepted";
        return {};
    }

    std::filesystem::path dir_;
};

Bytes header(const char* magic, std::uint32_t length) {
    Bytes bytes(magic, magic + 4);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(length >> shift));
    }
    return bytes;
}

Bytes countingBytes(std::size_t count) {
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

Bytes join(Bytes front, const Bytes& back) {
    front.insert(front.end(), back.begin(), back.end());
    return front;
}

TEST_F(ImageFile, GivesTheStoredImageByteForByte) {
    const auto image = countingBytes(128);
    for (const char* magic : {"ZB3A", "zb3a", "Zb3A"}) {
        const auto read = readImageFile(write(join(header(magic, 128), image)));
        EXPECT_EQ(Bytes(read.begin(), read.end()), image) << magic;
    }
    // What follows the image is not looked at.
    const auto read = readImageFile(write(join(join(header("ZB3A", 128), image), {1, 2, 3})));
    EXPECT_EQ(Bytes(read.begin(), read.end()), image);
}

TEST_F(ImageFile, RefusesWhatIsNotAConfigurationFile) {
    const auto image = countingBytes(128);
    EXPECT_EQ(refusal({}), "not a configuration file (it does not begin with \"ZB3A\")");
    EXPECT_EQ(refusal({'Z', 'B', '3'}),
              "not a configuration file (it does not begin with \"ZB3A\")");
    EXPECT_EQ(refusal(join(header("ZB3B", 128), image)),
              "not a configuration file (it does not begin with \"ZB3A\")");
    EXPECT_EQ(refusal({'Z', 'B', '3', 'A', 0x80, 0x00}), "the image length is missing");
    EXPECT_EQ(refusal(join(header("ZB3A", 129), image)), "image length 129, expected 128");
    EXPECT_EQ(refusal(join(header("ZB3A", 0x80000000), image)),
              "image length 2147483648, expected 128");
    EXPECT_EQ(refusal(join(header("ZB3A", 128), countingBytes(100))),
              "the image is cut short (100 of 128 bytes)");
}

TEST_F(ImageFile, NamesAMissingFile) {
    const auto path = (dir_ / "missing.zb3").string();
    EXPECT_THROW(
        {
            try {
                readImageFile(path);
            } catch (const std::runtime_error& error) {
                EXPECT_EQ(std::string(error.what()), path + ": No such file or directory");
                throw;
            }
        },
        std::runtime_error);
}

}  // namespace
}  // namespace qz5
