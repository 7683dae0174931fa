// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/image_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "common/regular_file.h"

namespace qz5 {

namespace {

constexpr std::string_view kMagic = "zb3a";
constexpr std::size_t kHeaderSize = 8;

std::runtime_error fault(const std::string& path, const std::string& what) {
    return std::runtime_error(path + ": " + what);
}

}  // namespace

ConfigImage readImageFile(const std::string& path) {
    const FileRead file = readRegularFile(path, kHeaderSize + kImageSize);
    if (file.status != FileReadStatus::Read) {
        throw fault(path, file.status == FileReadStatus::NotRegular ? "not a regular file"
                                                                    : std::strerror(file.error));
    }
    const std::vector<std::uint8_t>& contents = file.bytes;
    const std::size_t length = contents.size();

    const bool magicMatches =
        length >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), contents.begin(),
                                              [](char expected, std::uint8_t actual) {
                                                  return expected == std::tolower(actual);
                                              });
    if (!magicMatches) {
        throw fault(path, "not a configuration file (it does not begin with \"ZB3A\")");
    }
    if (length < kHeaderSize) {
        throw fault(path, "the image length is missing");
    }
    std::uint32_t imageLength = 0;
    for (std::size_t i = 4; i-- > 0;) {
        imageLength = (imageLength << 8) | contents[4 + i];
    }
    if (imageLength != kImageSize) {
        throw fault(path, "image length " + std::to_string(imageLength) + ", expected " +
                              std::to_string(kImageSize));
    }
    if (length < kHeaderSize + kImageSize) {
        throw fault(path, "the image is cut short (" + std::to_string(length - kHeaderSize) +
                              " of " + std::to_string(kImageSize) + " bytes)");
    }
    ConfigImage image{};
    std::copy(contents.begin() + kHeaderSize, contents.end(), image.begin());
    return image;
}

}  // namespace qz5
