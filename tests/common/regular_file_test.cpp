// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/regular_file.h"

namespace qz5 {
namespace {

// Whatever pieces the system hands out, the bytes come back whole and cut at
// the limit, and the buffer never grows far past what the file holds.
TEST(RegularFileTest, ReadsEveryPieceUpToTheLimitWithABufferSizedByTheFile) {
    constexpr std::size_t kPiece = std::size_t{64} << 10;
    struct Case {
        std::size_t size, limit, piece;
    };
    for (const Case& c : {Case{0, 10, 7}, Case{3, 10, 1}, Case{10, 5, 3},
                          Case{100'000, 4 << 20, 4096}, Case{kPiece, kPiece, kPiece},
                          Case{kPiece + 1, 4 << 20, 1 << 20}, Case{300'000, 200'001, 65'537}}) {
        std::string file(c.size, '\0');
        for (std::size_t i = 0; i < file.size(); ++i) {
            file[i] = static_cast<char>('a' + i % 26);
        }
        std::size_t at = 0;
        FileRead read;
        readOpenedFile(read, c.limit, [&](std::uint8_t* into, std::size_t room) {
            const std::size_t n = std::min({room, c.piece, file.size() - at});
            std::memcpy(into, file.data() + at, n);
            at += n;
            return static_cast<std::ptrdiff_t>(n);
        });
        const std::string expected = file.substr(0, std::min(c.size, c.limit));
        EXPECT_EQ(read.status, FileReadStatus::Read) << c.size;
        EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), expected) << c.size;
        EXPECT_LE(read.bytes.capacity(), std::max(kPiece, 2 * expected.size())) << c.size;
    }
}

}  // namespace
}  // namespace qz5
