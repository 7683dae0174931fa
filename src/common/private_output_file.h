// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/text.h"

namespace qz5 {

// A file the program writes for the user alone, such as a trace that holds
// the tracker's callsign: only a regular file is written (a terminal, a pipe
// or a device is refused at once, without waiting for a reader), one it
// creates is readable by the user alone, and on POSIX systems the links on
// the way follow the rule of saves in shared folders (link_walk_posix.h).
class PrivateOutputFile {
  public:
    virtual ~PrivateOutputFile() = default;

    // When the old contents go: at once, or with the first write, so that a
    // file checked long before anything is written keeps them until then.
    enum class Emptying { AtOpen, AtFirstWrite };

    // Opens `path` for writing from its start. Null, with `reason` saying why,
    // when it cannot be written.
    static std::unique_ptr<PrivateOutputFile> open(const std::string& path, Text& reason,
                                                   Emptying emptying = Emptying::AtOpen);

    // All of `bytes`; false, with the system's reason, when a write fails.
    [[nodiscard]] virtual bool write(std::string_view bytes, Text& reason) = 0;
};

// For the system halves: all of `bytes` through `writeSome` (bytes written,
// negative with errno set on an error); false with the reason when one fails.
bool writeThrough(std::string_view bytes, Text& reason,
                  const std::function<std::ptrdiff_t(const char*, std::size_t)>& writeSome);

}  // namespace qz5
