#include "sim/image_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace qz5 {

namespace {

constexpr std::string_view kMagic = "zb3a";
constexpr std::size_t kHeaderSize = 8;

std::runtime_error fault(const std::string& path, const std::string& what) {
    return std::runtime_error(path + ": " + what);
}

}  // namespace

ConfigImage readImageFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw fault(path, std::strerror(errno));
    }
    std::array<char, kHeaderSize + kImageSize> contents{};
    file.read(contents.data(), contents.size());
    const auto length = static_cast<std::size_t>(file.gcount());

    const bool magicMatches =
        length >= kMagic.size() &&
        std::equal(kMagic.begin(), kMagic.end(), contents.begin(), [](char expected, char actual) {
            return expected == std::tolower(static_cast<unsigned char>(actual));
        });
    if (!magicMatches) {
        throw fault(path, "not a configuration file (it does not begin with \"ZB3A\")");
    }
    if (length < kHeaderSize) {
        throw fault(path, "the image length is missing");
    }
    std::uint32_t imageLength = 0;
    for (int i = 3; i >= 0; --i) {
        imageLength = (imageLength << 8) | static_cast<unsigned char>(contents[4 + i]);
    }
    if (imageLength != kImageSize) {
        throw fault(path, "image length " + std::to_string(imageLength) + ", expected " +
                              std::to_string(kImageSize));
    }
    if (length < contents.size()) {
        throw fault(path, "the image is cut short (" + std::to_string(length - kHeaderSize) +
                              " of " + std::to_string(kImageSize) + " bytes)");
    }
    ConfigImage image{};
    std::transform(contents.begin() + kHeaderSize, contents.end(), image.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return image;
}

}  // namespace qz5
