// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/private_output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace qz5 {
namespace {

// The system's answers to one write each (bytes taken, or -errno): an
// interrupted write is tried again, a short one goes on with the rest, and
// one that takes nothing or fails ends with its reason.
TEST(PrivateOutputFileTest, WritesThroughEveryPieceOrSaysWhyNot) {
    const struct {
        std::vector<int> answers;
        const char* written;
        const char* reason;  // empty: all written
    } cases[] = {
        {{6}, "abcdef", ""},
        {{-EINTR, 2, -EINTR, 4}, "abcdef", ""},
        {{1, 0}, "a", "nothing could be written"},
        {{3, -ENOSPC}, "abc", std::strerror(ENOSPC)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        std::string written;
        std::size_t next = 0;
        Text reason;
        const bool all = writeThrough("abcdef", reason, [&](const char* data, std::size_t size) {
            const int answer = c.answers.at(next++);
            if (answer < 0) {
                errno = -answer;
                return std::ptrdiff_t{-1};
            }
            written.append(data, std::min(size, static_cast<std::size_t>(answer)));
            return static_cast<std::ptrdiff_t>(answer);
        });
        EXPECT_EQ(all, *c.reason == '\0');
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(reason.english(), c.reason);
        EXPECT_EQ(next, c.answers.size());
    }
}

}  // namespace
}  // namespace qz5
