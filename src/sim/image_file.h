// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "config/config_image.h"

namespace qz5 {

// The image of a configuration file ("ZB3A" in any letter case, length 128
// little-endian, the image), byte for byte as stored: the tracker keeps what
// it was given, so the image is not passed through the record. Bytes after the
// image are ignored. Throws std::runtime_error naming the path and the fault.
ConfigImage readImageFile(const std::string& path);

}  // namespace qz5
