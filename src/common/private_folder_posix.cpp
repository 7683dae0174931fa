// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/outside_text.h"
#include "common/private_folder.h"

namespace qz5 {

std::string privateFolderProblem(const std::filesystem::path& folder, bool makePrivate,
                                 bool* tightened) {
    const std::string name = printableText(folder.string());
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        // Not there yet: whatever stands in the way shows when it is made.
        return errno == ENOENT || errno == ENOTDIR ? std::string()
                                                   : name + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return name + " is not a folder";
    }
    if (info.st_uid != ::geteuid()) {
        return name + " belongs to another user";
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return name + " may be written by other users";
    }
    const bool open = (info.st_mode & (S_IRWXG | S_IRWXO)) != 0;
    if (makePrivate && open && ::chmod(folder.c_str(), S_IRWXU) == 0 && tightened != nullptr) {
        *tightened = true;
    }
    return {};
}

}  // namespace qz5
