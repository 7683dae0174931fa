// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/outcome.h"
#include "config/atomic_file.h"
#include "config/config_image.h"

namespace qz5 {

class TrackerConfig;

// A configuration file: "ZB3A", the image length 128 (little-endian 32-bit)
// and the 128-byte image; 136 bytes.
inline constexpr int kConfigFileSize = 136;

// The whole file for an image.
std::vector<std::uint8_t> configFileContents(std::span<const std::uint8_t> image);

// Encodes the record and saves it; with a kept image, unchanged delays keep
// its counts (encodeKeepingDelays). The record is encoded only once the file
// is open, and the encoder's notices come first. The previous file at `path`
// is replaced atomically: a failed save leaves it byte for byte as it was.
// Fails with "Failed to open file" or "Failed to write data" ("Save Failed").
Outcome<> writeConfigFile(const std::string& path, TrackerConfig& config,
                          const ConfigImage* kept = nullptr);
// The same through the given system calls, so a test can make them fail.
Outcome<> writeConfigFile(const std::string& path, TrackerConfig& config, SaveCalls& calls,
                          const ConfigImage* kept = nullptr);
// Saves an image exactly as given, with the same messages.
Outcome<> writeConfigImage(const std::string& path, const ConfigImage& image);

// Reads, checks and decodes a file into the record; on failure ("Load
// Failed") the record is unchanged. A path that is no regular file (a folder,
// a FIFO, a device) is not read: "Failed to open file", kind NotAFile, with
// what the path is as its detail. `image`, when given, receives the file's
// image bytes on success.
Outcome<> readConfigFile(const std::string& path, TrackerConfig& config,
                         ConfigImage* image = nullptr);
// The checks and decoding of readConfigFile on the bytes of a file already
// read (at least its first kConfigFileSize bytes, when it has that many).
Outcome<> readConfigBytes(std::span<const std::uint8_t> contents, TrackerConfig& config,
                          ConfigImage* image = nullptr);

}  // namespace qz5
