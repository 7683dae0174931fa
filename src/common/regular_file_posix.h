// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include "common/regular_file.h"

namespace qz5 {

// readRegularFile for a file in a folder that other users may write to: a
// symbolic link counts as no regular file, and `owner` receives the file's
// owner.
FileRead readRegularFileNoFollow(const std::string& path, std::size_t limit, uid_t& owner);

}  // namespace qz5
