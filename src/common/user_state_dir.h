// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "common/outcome.h"

namespace qz5 {

// The folder where this program keeps what it records for the user (the
// history of tracker images): $XDG_STATE_HOME/qz5-config, by default
// ~/.local/state/qz5-config, and %LOCALAPPDATA%\qz5-config on Windows.
// Empty when the system names no such place; the folder may not exist yet.
// Where the folders that would be made on the way belong to another user
// (or, for root, to anyone but root), the effective user's own home is used
// instead, with a warning once (takeUserFolderNotices).
std::filesystem::path userStateDir();

// The base that userStateDir lies in ($XDG_STATE_HOME, ~/.local/state;
// %LOCALAPPDATA% on Windows): the folders from it down are the program's to
// check, those above it are not.
std::filesystem::path userStateBase();

// The folder where this program keeps the user's settings (the window's):
// $XDG_CONFIG_HOME/qz5-config, by default ~/.config/qz5-config, and on
// Windows the same folder as the state, never the registry. Empty and
// possibly missing as above.
std::filesystem::path userConfigDir();

// What choosing the folders above had to tell the user and no front end has
// shown yet; each notice is handed out once.
Notices takeUserFolderNotices();

}  // namespace qz5
