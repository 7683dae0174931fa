// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/xattr.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "config/extended_attributes.h"

namespace qz5 {

namespace {

constexpr const char* kAccessAcl = "system.posix_acl_access";

// A file system without extended attributes has none to copy.
bool noneSupported(int error) {
    return error == ENOTSUP || error == ENODATA;
}

// One attribute list or value, asked for again while it grows under us.
template <typename Query>
bool readGrowing(std::vector<char>& into, Query query) {
    for (;;) {
        const ssize_t size = query(nullptr, 0);
        if (size < 0) {
            return false;
        }
        into.resize(static_cast<std::size_t>(size));
        const ssize_t got = query(into.data(), into.size());
        if (got >= 0) {
            into.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
}

}  // namespace

bool copyAccessAttributes(const std::string& from, int to, bool sameGroup) {
    std::vector<char> names;
    if (!readGrowing(names, [&](char* list, std::size_t size) {
            return ::llistxattr(from.c_str(), list, size);
        })) {
        if (!noneSupported(errno)) {
            return false;
        }
        names.clear();
    }
    bool hadAcl = false;
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        const bool acl = name == kAccessAcl;
        hadAcl = hadAcl || acl;
        std::vector<char> value;
        const bool copied =
            readGrowing(value,
                        [&](char* into, std::size_t size) {
                            return ::lgetxattr(from.c_str(), name.c_str(), into, size);
                        }) &&
            ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
        if (acl && (!copied || !sameGroup)) {
            return false;
        }
    }
    return hadAcl || ::fremovexattr(to, kAccessAcl) == 0 || noneSupported(errno);
}

}  // namespace qz5
