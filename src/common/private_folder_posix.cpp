// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/outside_text.h"
#include "common/private_folder.h"

namespace qz5 {

Text privateFolderProblem(const std::filesystem::path& folder, bool makePrivate, bool* tightened) {
    const std::string name = printableText(folder.string());
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        // Not there yet: whatever stands in the way shows when it is made.
        return errno == ENOENT || errno == ENOTDIR
                   ? Text()
                   : say("Files", "%1: %2").with(name, std::string(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return say("Files", "%1 is not a folder").with(name);
    }
    if (info.st_uid != ::geteuid()) {
        return say("Files", "%1 belongs to another user").with(name);
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return say("Files", "%1 may be written by other users").with(name);
    }
    const bool open = (info.st_mode & (S_IRWXG | S_IRWXO)) != 0;
    if (makePrivate && open && ::chmod(folder.c_str(), S_IRWXU) == 0 && tightened != nullptr) {
        *tightened = true;
    }
    return {};
}

}  // namespace qz5
