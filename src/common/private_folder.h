// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "common/text.h"

namespace qz5 {

// Why `folder` cannot hold what the program keeps for the user alone: another
// user owns it, or others may write to it (and so plant or swap files in it);
// empty when it can, or when it does not exist yet. With `makePrivate`, a
// folder of the user's that others may read (as earlier releases made it) is
// made the user's alone, and `tightened` says so. On Windows the user's own
// application data folder is taken as it is.
Text privateFolderProblem(const std::filesystem::path& folder, bool makePrivate = false,
                          bool* tightened = nullptr);

}  // namespace qz5
