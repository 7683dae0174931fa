// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/private_output_file.h"

#include <cerrno>
#include <cstring>

namespace qz5 {

bool writeThrough(std::string_view bytes, Text& reason,
                  const std::function<std::ptrdiff_t(const char*, std::size_t)>& writeSome) {
    while (!bytes.empty()) {
        const std::ptrdiff_t written = writeSome(bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            reason =
                written < 0 ? Text(std::strerror(errno)) : say("Files", "nothing could be written");
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace qz5
