#pragma once

#include <string>

namespace qz5 {

class TrackerConfig;

// A configuration file: "ZB3A", the image length 128 (little-endian 32-bit)
// and the 128-byte image; 136 bytes.
inline constexpr int kConfigFileSize = 136;

// Encodes the record and saves it. The previous file at `path` is replaced
// atomically: a failed save leaves it byte for byte as it was. True when it
// failed, after "Failed to open file" or "Failed to write data" ("Save Failed").
bool writeConfigFile(const std::string& path, TrackerConfig& config);

// Reads, checks and decodes a file into the record. True when it failed, after
// its message ("Load Failed"); the record is then unchanged.
bool readConfigFile(const std::string& path, TrackerConfig& config);

}  // namespace qz5
