// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "common/link_refusal.h"
#include "common/outside_text.h"
#include "common/regular_file.h"
#include "config/config_image.h"
#include "config/kept_delays.h"
#include "config/tracker_config.h"

namespace qz5 {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'Z', 'B', '3', 'A'};
constexpr std::size_t kHeaderSize = 8;

// The message stays as users know it; the detail names the file and why.
Failure saveFailed(Text text, const std::string& path, Text why) {
    return {FailureKind::CannotSave,
            {std::move(text), say("Files", "Save Failed"),
             say("Files", "%1: %2").with(printableText(path), std::move(why))}};
}

Failure loadFailed(FailureKind kind, Text text) {
    return {kind, {std::move(text), say("Files", "Load Failed")}};
}

std::uint8_t lowerAscii(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c - 'A' + 'a') : c;
}

bool magicMatches(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < kMagic.size(); ++i) {
        if (lowerAscii(bytes[i]) != lowerAscii(kMagic[i])) {
            return false;
        }
    }
    return true;
}

std::uint32_t littleEndian32(std::span<const std::uint8_t> bytes) {
    return std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
           (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
}

// What the encoder raised comes first: it runs once the file is open.
Outcome<> saveOutcome(ReplaceResult result, const std::string& path, Notices encoded = {}) {
    const int error = errno;
    switch (result) {
        case ReplaceResult::OpenFailed:
            return Outcome<>(saveFailed(say("Files", "Failed to open file"), path,
                                        std::string(std::strerror(error))))
                .after(std::move(encoded));
        case ReplaceResult::UntrustedLink:
            return Outcome<>(saveFailed(say("Files", "Failed to open file"), path,
                                        say("Files", kUntrustedLinkReason)))
                .after(std::move(encoded));
        case ReplaceResult::WriteFailed:
            return Outcome<>(saveFailed(say("Files", "Failed to write data"), path,
                                        std::string(std::strerror(error))))
                .after(std::move(encoded));
        case ReplaceResult::Replaced:
            break;
    }
    return Outcome<>().after(std::move(encoded));
}

}  // namespace

std::vector<std::uint8_t> configFileContents(std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> contents(kMagic.begin(), kMagic.end());
    const std::size_t length = image.size();
    for (int shift = 0; shift < 32; shift += 8) {
        contents.push_back(static_cast<std::uint8_t>((length >> shift) & 0xFF));
    }
    contents.insert(contents.end(), image.begin(), image.end());
    return contents;
}

Outcome<> writeConfigFile(const std::string& path, TrackerConfig& config, const ConfigImage* kept) {
    SystemSaveCalls calls;
    return writeConfigFile(path, config, calls, kept);
}

Outcome<> writeConfigFile(const std::string& path, TrackerConfig& config, SaveCalls& calls,
                          const ConfigImage* kept) {
    Notices encoded;
    const ReplaceResult result = replaceFile(
        path,
        [&] {
            std::array<std::uint8_t, kImageBufferSize> image{};
            // A whole buffer always encodes; only its notices are news.
            collect(encoded, encodeKeepingDelays(config, image, kept));
            return configFileContents(std::span(image).first(kImageSize));
        },
        calls);
    return saveOutcome(result, path, std::move(encoded));
}

Outcome<> writeConfigImage(const std::string& path, const ConfigImage& image) {
    SystemSaveCalls calls;
    return saveOutcome(replaceFile(path, configFileContents(image), calls), path);
}

Outcome<> readConfigFile(const std::string& path, TrackerConfig& config, ConfigImage* image) {
    const FileRead file = readRegularFile(path, kConfigFileSize);
    if (file.status != FileReadStatus::Read) {
        return Failure{
            file.status == FileReadStatus::NotRegular ? FailureKind::NotAFile
                                                      : FailureKind::CannotLoad,
            {file.status == FileReadStatus::ReadFailed ? say("Files", "Failed to read data")
                                                       : say("Files", "Failed to open file"),
             say("Files", "Load Failed"), failedRead(printableText(path), file)}};
    }
    return readConfigBytes(file.bytes, config, image);
}

Outcome<> readConfigBytes(std::span<const std::uint8_t> contents, TrackerConfig& config,
                          ConfigImage* image) {
    if (contents.size() < kMagic.size() || !magicMatches(contents)) {
        return loadFailed(FailureKind::BadFile, say("Files", "Invalid File Format"));
    }
    if (contents.size() < kHeaderSize ||
        littleEndian32(contents.subspan(kMagic.size())) != kImageSize) {
        return loadFailed(FailureKind::BadFile, say("Files", "Invalid File Format"));
    }
    if (contents.size() < kHeaderSize + kImageSize) {
        return loadFailed(FailureKind::BadFile, say("Files", "Failed to read data"));
    }
    if (Outcome<> decoded = config.decodeImage(contents.subspan(kHeaderSize, kImageSize));
        !decoded) {
        return Outcome<>(loadFailed(FailureKind::BadFile, say("Files", "Import Failed")))
            .after(std::move(decoded).takeMessages());
    }
    if (image) {
        std::copy_n(contents.begin() + kHeaderSize, kImageSize, image->begin());
    }
    return {};
}

}  // namespace qz5
