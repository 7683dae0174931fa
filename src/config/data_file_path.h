// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace qz5 {

// Where a data file from a Debian package is found: at `debianPath` on a
// system with packages; on Windows beside the programs, under `fileName`,
// where the zip and the installer put it.
std::filesystem::path installedDataFile(const char* debianPath, const wchar_t* fileName);

}  // namespace qz5
