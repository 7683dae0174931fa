#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "config/atomic_file.h"

namespace qz5 {

class TrackerConfig;

// A configuration file: "ZB3A", the image length 128 (little-endian 32-bit)
// and the 128-byte image; 136 bytes.
inline constexpr int kConfigFileSize = 136;

// Encodes the record and saves it. The previous file at `path` is replaced
// atomically: a failed save leaves it byte for byte as it was. True when it
// failed, after "Failed to open file" or "Failed to write data" ("Save Failed").
bool writeConfigFile(const std::string& path, TrackerConfig& config);
// The same through the given system calls, so a test can make them fail.
bool writeConfigFile(const std::string& path, TrackerConfig& config, SaveCalls& calls);

// Reads, checks and decodes a file into the record. True when it failed, after
// its message ("Load Failed"); the record is then unchanged.
bool readConfigFile(const std::string& path, TrackerConfig& config);
// The checks and decoding of readConfigFile on the bytes of a file already
// read (at least its first kConfigFileSize bytes, when it has that many).
bool readConfigBytes(std::span<const std::uint8_t> contents, TrackerConfig& config);

}  // namespace qz5
