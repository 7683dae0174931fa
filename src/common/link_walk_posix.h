// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace qz5 {

// `path` with every symbolic link in it followed, in the folders on the way
// as well as at its end, so that what is opened afterwards meets no link. In
// a sticky folder that every user may write to, only the user's own links and
// the folder owner's are followed, as fs.protected_symlinks=1 has it for the
// last part alone: anyone else's link there may be a trap laid for whoever
// writes, pointing at a file or a folder of theirs. None when such a link is
// met or the links go round. A part that does not exist ends the walk; the
// rest is kept as written.
std::optional<std::string> followTrustedLinks(const std::string& path);

}  // namespace qz5
