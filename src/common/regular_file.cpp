// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qz5 {

void readOpenedFile(FileRead& result, std::size_t limit,
                    const std::function<std::ptrdiff_t(std::uint8_t*, std::size_t)>& readSome) {
    // The buffer grows with what the file holds: a 100 kB list read under a
    // cap of megabytes must not cost the cap in memory.
    constexpr std::size_t kFirstPiece = std::size_t{64} << 10;
    std::size_t got = 0;
    while (got < limit) {
        if (got == result.bytes.size()) {
            result.bytes.resize(std::min(limit, std::max(kFirstPiece, 2 * got)));
        }
        const std::ptrdiff_t n = readSome(result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0) {
            result.status = FileReadStatus::ReadFailed;
            result.error = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    if (result.status != FileReadStatus::ReadFailed) {
        result.status = FileReadStatus::Read;
    }
}

Text failedRead(const std::string& path, const FileRead& read) {
    switch (read.status) {
        case FileReadStatus::NotRegular:
            return say("Files",
                       "%1 is not a regular file (a folder, a FIFO or a device); give a file.")
                .with(path);
        case FileReadStatus::OpenFailed:
            return say("Files", "cannot open %1: %2")
                .with(path, std::string(std::strerror(read.error)));
        case FileReadStatus::ReadFailed:
            return say("Files", "cannot read %1: %2")
                .with(path, std::string(std::strerror(read.error)));
        case FileReadStatus::Read:
            break;
    }
    return {};
}

ListText readListText(const std::string& path, const std::string& name, std::size_t limit) {
    // One byte past the limit tells a file that is too large from one that
    // fills it exactly.
    const FileRead read = readRegularFile(path, limit + 1);
    if (read.status != FileReadStatus::Read) {
        return {std::nullopt, failedRead(name, read), read.status == FileReadStatus::NotRegular};
    }
    if (read.bytes.size() > limit) {
        return {std::nullopt,
                say("Files", "%1 is larger than %2 MiB").with(name, std::to_string(limit >> 20))};
    }
    return {std::string(read.bytes.begin(), read.bytes.end()), {}};
}

}  // namespace qz5
